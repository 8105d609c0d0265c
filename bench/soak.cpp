// A long session on the real window, offscreen: at least 18,000 ticks of
// Timer1 with the fields rewritten at random between them, the cable chooser
// opened and closed thousands of times. Prints memory after warm-up and at the
// end and fails (exit 1) when a label is malformed, List1 grows or memory grows
// by more than 1 MB after warm-up, or when the window no longer gives the
// example link's results afterwards.
// Usage: soak [ticks, default 20000] [locale, default el_GR]

#include "app/frm_main.h"
#include "bench/memory_use.h"
#include "bench/soak_driver.h"

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>

#include <chrono>
#include <cstdio>
#include <cstdlib>

using namespace tarvanel;
using namespace tarvanel::testing;

namespace {

constexpr int kWarmUpTicks = 2000;
constexpr std::int64_t kAllowedGrowthKb = 1024;

struct Memory {
    std::int64_t residentKb;
    std::int64_t heapKb;
};

// Memory in use with the window brought back to one state: every field empty
// (which also drops the line edits' undo histories), the results refreshed and
// pending deletions done, so that what is compared is what the session kept.
Memory settledMemory(FrmMain& window) {
    const auto& c = window.controls();
    for (QLineEdit* field : window.textFields())
        field->setText(QString());
    c.Combo1->clearEditText();
    for (int tick = 0; tick < 3; ++tick) // the third refreshes the warnings
        fireTimer(c.Timer1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    malloc_trim(0);
    return {bench::residentKilobytes(), bench::heapBytesInUse() / 1024};
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans")));
    const int ticks = argc > 1 ? std::max(std::atoi(argv[1]), kWarmUpTicks + 1) : 20000;
    QLocale::setDefault(QLocale(argc > 2 ? QString::fromLocal8Bit(argv[2]) : "el_GR"));

    FrmMain window;
    window.show();
    SoakDriver driver(window, 20240);
    driver.floodAndTypeOverEveryField();
    const auto start = std::chrono::steady_clock::now();

    Memory warm{};
    int listCountAfterWarmUp = -1;
    while (driver.ticks() < ticks) {
        const QString fault = driver.step();
        QCoreApplication::processEvents();
        if (!fault.isEmpty()) {
            std::printf("FAIL at tick %d: %s\n", driver.ticks(), qPrintable(fault));
            return 1;
        }
        if (driver.ticks() == kWarmUpTicks && listCountAfterWarmUp < 0) {
            warm = settledMemory(window);
            listCountAfterWarmUp = window.controls().List1->count();
        }
    }
    const Memory end = settledMemory(window);
    const int listCount = window.controls().List1->count();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("ticks: %d (warnings checked: %d), chooser opened and closed: %d, %.1f s\n",
                driver.ticks(), driver.ticks() / 3, driver.chooserCycles(), seconds);
    std::printf("VmRSS after warm-up (%d ticks): %lld kB, at the end: %lld kB (%+lld kB)\n",
                kWarmUpTicks, static_cast<long long>(warm.residentKb),
                static_cast<long long>(end.residentKb),
                static_cast<long long>(end.residentKb - warm.residentKb));
    std::printf("heap in use after warm-up: %lld kB, at the end: %lld kB (%+lld kB)\n",
                static_cast<long long>(warm.heapKb), static_cast<long long>(end.heapKb),
                static_cast<long long>(end.heapKb - warm.heapKb));
    std::printf("List1 entries after warm-up: %d, at the end: %d\n", listCountAfterWarmUp,
                listCount);

    bool failed = false;
    if (listCount != listCountAfterWarmUp) {
        std::printf("FAIL: List1 grew\n");
        failed = true;
    }
    if (end.residentKb - warm.residentKb > kAllowedGrowthKb ||
        end.heapKb - warm.heapKb > kAllowedGrowthKb) {
        std::printf("FAIL: memory grew by more than 1 MB after warm-up\n");
        failed = true;
    }
    // The window still follows its fields: the example link gives its results.
    QTest::mouseClick(window.controls().end1.dbmPicture, Qt::LeftButton);
    QTest::mouseClick(window.controls().end2.dbmPicture, Qt::LeftButton);
    typeExampleLink(window, QLocale().decimalPoint());
    fireTimer(window.controls().Timer1);
    const QString example = resultTexts(window).join(QLatin1Char('|'));
    const QString expected = QStringLiteral("32.30 dBm|33.50 dBm|6.061 Km|115.8 dB|13.68 m")
                                 .replace(QLatin1Char('.'), QLocale().decimalPoint());
    std::printf("example link afterwards: %s\n", qPrintable(example));
    if (example != expected) {
        std::printf("FAIL: the example link gives %s, not %s\n", qPrintable(example),
                    qPrintable(expected));
        failed = true;
    }
    std::printf(failed ? "soak FAILED\n" : "soak passed\n");
    return failed ? 1 : 0;
}
