# Precompiled headers shared between targets. Most of a Qt source file's
# compile time is spent reading Qt's headers (and a test's, GoogleTest's):
# each kind of target below takes a header compiled once, by a small target
# of its own with the same flags, instead of compiling its own.
#
#   widgets    targets that use Qt Widgets (and Qt Test)
#   core       targets that use Qt Core alone
#   gtest      GoogleTest executables without Qt
#   gtest_qt   GoogleTest executables with Qt
#
# A precompiled header only ever replaces the headers it was made of; GCC
# checks that it was made with the flags of the file that uses it and, if
# not, reads the headers themselves (and -Winvalid-pch, which CMake adds,
# says so). Every file still includes what it uses: the build without them
# (-DTARVANEL_PRECOMPILED_HEADERS=OFF) is the proof.

set(tarvanel_pch_std <algorithm> <functional> <map> <memory> <optional> <string> <variant>
                     <vector>)
set(tarvanel_pch_core_headers <QDir> <QFile> <QFileInfo> <QList> <QLocale> <QObject>
                              <QSettings> <QString> <QStringList> <QTimer> ${tarvanel_pch_std})
set(tarvanel_pch_widgets_headers
    <QAbstractTableModel> <QAccessible> <QApplication> <QComboBox> <QFileDialog> <QHeaderView>
    <QKeyEvent> <QLabel> <QLineEdit> <QMessageBox> <QPainter> <QPushButton> <QTableView>
    <QWidget> ${tarvanel_pch_core_headers})
set(tarvanel_pch_gtest_headers <gtest/gtest.h> ${tarvanel_pch_std})

# Whether `target` uses one of `libraries`, directly or through the libraries
# it uses publicly; the answer in `out`.
function(tarvanel_uses target libraries out)
    set(seen)
    set(pending ${target})
    while(pending)
        list(POP_FRONT pending current)
        if(current IN_LIST libraries)
            set(${out} TRUE PARENT_SCOPE)
            return()
        endif()
        if(current IN_LIST seen OR NOT TARGET ${current})
            continue()
        endif()
        list(APPEND seen ${current})
        get_target_property(aliased ${current} ALIASED_TARGET)
        if(aliased)
            list(APPEND pending ${aliased})
            continue()
        endif()
        set(used)
        if(current STREQUAL target)
            get_target_property(used ${current} LINK_LIBRARIES)
        endif()
        get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
        foreach(next IN LISTS used interface)
            # $<LINK_ONLY:...> carries no flags; other expressions are not ours.
            if(next AND NOT next MATCHES "^\\$<")
                list(APPEND pending ${next})
            endif()
        endforeach()
    endwhile()
    set(${out} FALSE PARENT_SCOPE)
endfunction()

# The targets defined in `directory` and below.
function(tarvanel_targets_under directory out)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(subdirectory IN LISTS subdirectories)
        tarvanel_targets_under(${subdirectory} below)
        list(APPEND targets ${below})
    endforeach()
    set(${out} ${targets} PARENT_SCOPE)
endfunction()

# The target that compiles one kind's header: an empty source, its libraries.
function(tarvanel_pch_donor kind headers)
    set(source ${CMAKE_BINARY_DIR}/precompiled/${kind}.cpp)
    file(CONFIGURE OUTPUT ${source} CONTENT "// The ${kind} precompiled header's own file.\n")
    add_library(tarvanel_pch_${kind} OBJECT ${source})
    set_target_properties(tarvanel_pch_${kind} PROPERTIES AUTOMOC OFF)
    target_link_libraries(tarvanel_pch_${kind} PRIVATE ${ARGN})
    target_precompile_headers(tarvanel_pch_${kind} PRIVATE ${headers})
endfunction()

function(tarvanel_share_precompiled_headers)
    tarvanel_pch_donor(widgets "${tarvanel_pch_widgets_headers}" Qt6::Widgets)
    tarvanel_pch_donor(core "${tarvanel_pch_core_headers}" Qt6::Core)
    if(TARVANEL_BUILD_TESTS)
        find_package(GTest REQUIRED)
        tarvanel_pch_donor(gtest "${tarvanel_pch_gtest_headers}" GTest::gtest)
        tarvanel_pch_donor(gtest_qt "${tarvanel_pch_gtest_headers}" GTest::gtest Qt6::Core)
        # An executable without Qt is position-independent as an executable.
        set_target_properties(tarvanel_pch_gtest PROPERTIES POSITION_INDEPENDENT_CODE OFF)
        target_compile_options(tarvanel_pch_gtest PRIVATE -fPIE)
    endif()

    tarvanel_targets_under(${PROJECT_SOURCE_DIR} targets)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(target MATCHES "^tarvanel_pch_"
           OR NOT type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|EXECUTABLE)$")
            continue()
        endif()
        tarvanel_uses(${target} Qt6::Widgets widgets)
        tarvanel_uses(${target} Qt6::Core core)
        tarvanel_uses(${target} "GTest::gtest;GTest::gtest_main;GTest::GTest;GTest::Main" gtest)
        if(gtest AND core)
            set(kind gtest_qt)
        elseif(gtest)
            set(kind gtest)
        elseif(widgets)
            set(kind widgets)
        elseif(core)
            set(kind core)
        else()
            continue()
        endif()
        target_precompile_headers(${target} REUSE_FROM tarvanel_pch_${kind})
    endforeach()
endfunction()
