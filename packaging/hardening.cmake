# Debian's hardening flags, as `DEB_BUILD_MAINT_OPTIONS=hardening=+all
# dpkg-buildflags` gives them: fortified libc calls, a stack protector, format
# checks, a position-independent executable and relocations made read-only
# once bound, all at start-up. _FORTIFY_SOURCE needs the optimiser, so it stays
# out of Debug builds, and out of the sanitizer and fuzzing builds, whose
# instrumentation it would bypass.
if(NOT TARVANEL_SANITIZE AND NOT TARVANEL_FUZZ)
    add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()
add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()
add_link_options(LINKER:-z,relro LINKER:-z,now)
