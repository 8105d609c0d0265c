// One refresh tick with a megabyte in every field: first the engine's part
// (computeResultTexts on 1 MB texts), then the window's whole Timer1 handler,
// run offscreen. Prints the time per tick for each kind of flood.

#include "app/frm_main.h"
#include "bench/timer_tick.h"
#include "texts/result_text.h"
#include "widgets/qt_number_locale.h"

#include <QApplication>
#include <QFont>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using namespace tarvanel;

namespace {

constexpr std::size_t kMegabyte = 1 << 20;
constexpr int kRuns = 15;

struct Flood {
    const char* name;
    std::string text;
};

std::string repeated(std::string_view part, std::size_t bytes) {
    std::string text;
    while (text.size() < bytes)
        text += part;
    text.resize(bytes);
    return text;
}

std::vector<Flood> floods() {
    return {
        {"digits (overflow)", repeated("7", kMegabyte)},
        {"letters (not numeric)", repeated("lorem ipsum ", kMegabyte)},
        {"fraction digits (read in full)", "0." + repeated("3", kMegabyte - 2)},
        {"number then blanks", "5" + repeated(" ", kMegabyte - 1)},
        {"zeros then a digit", repeated("0", kMegabyte - 1) + "5"},
    };
}

// Median and worst of kRuns timings of `tick`, in milliseconds.
std::pair<double, double> timeTicks(const std::function<void()>& tick) {
    std::array<double, kRuns> ms{};
    for (double& m : ms) {
        const auto start = std::chrono::steady_clock::now();
        tick();
        m = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
    }
    std::sort(ms.begin(), ms.end());
    return {ms[kRuns / 2], ms.back()};
}

void engineTick(const Flood& flood) {
    const NumberLocale locale = numberLocaleFrom(QLocale());
    const std::string& t = flood.text;
    const LinkFields link{{t, PowerUnit::dBm, t, t, t, t}, {t, PowerUnit::mW, t, t, t, t}, t, t, t};
    const auto [median, worst] = timeTicks([&] {
        const ResultTexts texts = computeResultTexts(link, locale);
        if (texts.eirp1.empty()) std::abort();
    });
    std::printf("  engine  %-32s median %8.3f ms  worst %8.3f ms\n", flood.name, median, worst);
}

void windowTick(FrmMain& window, const Flood& flood, int maxLength) {
    const auto& c = window.controls();
    const QString text = QString::fromStdString(flood.text);
    for (QLineEdit* field : window.textFields()) {
        field->setMaxLength(maxLength);
        field->setText(text);
    }
    QCoreApplication::processEvents();
    const auto [median, worst] = timeTicks([&] { testing::fireTimer(c.Timer1); });
    std::printf("  window  %-32s median %8.3f ms  worst %8.3f ms  (%lld chars per field)\n",
                flood.name, median, worst, static_cast<long long>(c.end1.power->text().size()));
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans")));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    std::printf("Timer1 tick, every field flooded (the interval is 200 ms):\n");
    for (const Flood& flood : floods())
        engineTick(flood);

    FrmMain window;
    window.show();
    QCoreApplication::processEvents();
    // The line edits keep 32767 characters at most; lifted to take the whole megabyte.
    for (const Flood& flood : floods())
        windowTick(window, flood, int(kMegabyte));
    std::printf("as shipped (a line edit keeps at most 32767 characters):\n");
    for (const Flood& flood : floods())
        windowTick(window, flood, 32767);
    return 0;
}
