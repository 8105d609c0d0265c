#include "app/command_line.h"

#include "texts/band_texts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTranslator>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace tarvanel {

namespace {

// The few words QCommandLineParser writes itself, in Greek.
class ParserWords : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        static constexpr std::array<std::pair<const char*, const char*>, 8> kWords{{
            {"Usage: %1", "Χρήση: %1"},
            {"Options:", "Επιλογές:"},
            {"Arguments:", "Ορίσματα:"},
            {"[options]", "[επιλογές]"},
            {"Unknown option '%1'.", "Άγνωστη επιλογή «%1»."},
            {"Unknown options: %1.", "Άγνωστες επιλογές: %1."},
            {"Missing value after '%1'.", "Λείπει τιμή μετά το «%1»."},
            {"Unexpected value after '%1'.", "Περιττή τιμή μετά το «%1»."},
        }};
        if (qstrcmp(context, "QCommandLineParser") != 0) return {};
        for (const auto& [english, greek] : kWords)
            if (qstrcmp(source, english) == 0) return QString::fromUtf8(greek);
        return {};
    }
    bool isEmpty() const override { return false; }
};

const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");

void describe(QCommandLineParser& parser) {
    // Qt's options are single-dash words; "-reverse" must not read as -r -e -v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral("Ισοζύγιο ζεύξης Wi-Fi %1 σημείου προς σημείο.")
                                         .arg(QString::fromStdString(bandNames())));
    parser.addOption({{QStringLiteral("h"), kHelp}, QStringLiteral("Δείχνει αυτή τη βοήθεια.")});
    parser.addOption({{QStringLiteral("v"), kVersion}, QStringLiteral("Δείχνει την έκδοση.")});
    parser.addPositionalArgument(QStringLiteral("σχέδιο"),
                                 QStringLiteral("Σχέδιο ζεύξης (.tarvanel) για άνοιγμα."),
                                 QStringLiteral("[σχέδιο]"));
}

[[noreturn]] void failWith(const QString& message) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 qPrintable(message));
    std::exit(EXIT_FAILURE);
}

} // namespace

void answerHelpOrVersion(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    describe(parser);
    parser.parse(arguments); // Qt's options are unknown here; the next pass judges them
    if (!parser.isSet(kHelp) && !parser.isSet(kVersion)) return;
    QCoreApplication core(argc, argv); // names the program in the help
    ParserWords words;
    QCoreApplication::installTranslator(&words);
    if (parser.isSet(kHelp)) parser.showHelp(EXIT_SUCCESS);
    parser.showVersion();
}

QString planOnCommandLine(const QCoreApplication& app) {
    ParserWords words;
    QCoreApplication::installTranslator(&words);
    QCommandLineParser parser;
    describe(parser);
    if (!parser.parse(app.arguments())) failWith(parser.errorText());
    QCoreApplication::removeTranslator(&words);
    const QStringList plans = parser.positionalArguments();
    if (plans.size() > 1)
        failWith(QStringLiteral("δίνεται ένα μόνο σχέδιο, όχι %1.").arg(plans.size()));
    return plans.value(0);
}

} // namespace tarvanel
