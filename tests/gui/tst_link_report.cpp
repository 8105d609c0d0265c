// The link's report as a client gets it: a PDF read back with poppler's tools.
// The summary's sections, the side view and a profile long enough to run onto
// further pages come out as searchable text in their order, every page
// numbered, the table's header on each page it reaches, the fonts embedded
// and the side view drawn as vectors.

#include "report/link_report.h"

#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A realistic summary, as the window copies it.
const QStringList kSummaryLines = {
    "Tarvanel 0.1",
    "Συχνότητα: 2427 MHz",
    "",
    "Interface No.1",
    "Ισχύς εκπομπής: 20 dBm",
    "Αριθμός συνδετήρων: 2",
    "Interface 1 EIRP: 32.30 dBm",
    "Εκτός νόμιμων ορίων",
    "Νόμιμη ισχύς 1: 7.70 dBm (5.89 mW)",
    "",
    "Δέκτης",
    "Ευαισθησία δέκτη: 80 dBm",
    "Fade Margin: 10 dB",
    "",
    "Αποτελέσματα",
    "Μέγιστη απόσταση: 6.061 Km",
    "Αντίστροφα (Interface 2 → Interface 1): 6.061 Km. Οι δύο κατευθύνσεις φτάνουν το ίδιο.",
    "Free Space Loss: 115.8 dB",
    "",
    "Στην απόσταση ζεύξης",
    "Απόσταση ζεύξης: 5 km",
    "Ελεύθερο ύψος: 7.82 m",
    "0.6 × Fresnel 7.46 m (Fresnel 12.43 m) + καμπυλότητα γης 0.37 m",
    "",
    "Διαδρομή ζεύξης",
    "Ύψος κεραίας 1: 32 m",
    "Ζώνη Fresnel: 91 % ελεύθερη",
    "Κλίση κεραίας 2: +0.14°"};

// The lines as the link's sheet holds them: the first group under the title,
// each other after a blank line and under its heading.
tarvanel::Sheet sheetOf(const QStringList& lines) {
    tarvanel::Sheet sheet{lines.front().toStdString(), {{}}};
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].isEmpty()) {
            sheet.sections.push_back({lines[++i].toStdString(), {}, {}});
            continue;
        }
        const qsizetype colon = lines[i].indexOf(": ");
        sheet.sections.back().lines.push_back(
            {colon < 0 ? std::string() : lines[i].left(colon).toStdString(),
             lines[i].mid(colon < 0 ? 0 : colon + 2).toStdString(), tarvanel::Tone::Plain});
    }
    return sheet;
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qFatal("%s failed", qPrintable(program));
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString simplified(const QString& text) {
    return QLatin1Char(' ') + text.simplified() + QLatin1Char(' ');
}

QString distanceOf(int row) {
    return QString::number(0.05 * (row + 1), 'f', 3);
}

} // namespace

class TestLinkReport : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void writesAReadableReport() {
        QRectF box;
        tarvanel::LinkReport report{"Λόφος Υμηττού – Ταράτσα",
                                    QDate(2025, 3, 14),
                                    sheetOf(kSummaryLines),
                                    {},
                                    {},
                                    {},
                                    {},
                                    {},
                                    {}};
        report.drawSideView = [&box](QPainter& painter, const QRectF& area) {
            box = area;
            QPainterPath ground(area.bottomLeft());
            ground.cubicTo(area.center(), area.center() + QPointF(100, 0), area.bottomRight());
            painter.setRenderHint(QPainter::Antialiasing);
            painter.fillPath(ground, QColor(150, 110, 60));
            painter.setPen(QPen(Qt::blue, 1.5));
            painter.drawLine(area.topLeft() + QPointF(10, 20), area.topRight() + QPointF(-10, 60));
        };
        for (int i = 0; i < 120; ++i)
            report.points.push_back({distanceOf(i), QString::number(120 + i % 17 * 3.5, 'f', 1),
                                     QString::number(i % 5 * 2), QString::number(i % 23 - 4.5),
                                     QString::number(90 - i % 40)});
        const QString pdf = m_dir.filePath("αναφορά.pdf");
        QString error;
        QVERIFY2(tarvanel::writeLinkReport(pdf, report, &error), qPrintable(error));

        const QString info = run("pdfinfo", {pdf});
        QVERIFY2(simplified(info).contains(
                     " Title: Αναφορά ζεύξης — Λόφος Υμηττού – Ταράτσα Creator: Tarvanel 0.1 "),
                 qPrintable(info));
        const int pages = QRegularExpression("Pages: +(\\d+)").match(info).captured(1).toInt();
        QVERIFY2(pages > 1, qPrintable(info));
        // The side view box: the column's 180 mm (Qt rounds the margins to points)
        // by 7 cm, in 1/96 inch.
        QVERIFY2(qAbs(box.width() - 180 / 25.4 * 96) < 4 && qAbs(box.height() - 70 / 25.4 * 96) < 1,
                 qPrintable(QString("%1 x %2").arg(box.width()).arg(box.height())));

        // Everything in order: each heading, caption and value, then the side
        // view, then every point once.
        const QStringList pageTexts = run("pdftotext", {"-layout", pdf, "-"}).split('\f');
        const QString all = simplified(pageTexts.join(' '));
        QVERIFY(all.startsWith(" Αναφορά ζεύξης Λόφος Υμηττού – Ταράτσα 14 Μαρτίου 2025 "));
        QStringList expected;
        for (const QString& line : kSummaryLines.mid(1))
            if (!line.isEmpty()) expected << line.split(": ");
        expected << "Πλάγια όψη της διαδρομής"
                 << "Σημεία εδάφους";
        for (int i = 0; i < 120; ++i)
            expected << distanceOf(i);
        qsizetype at = 0;
        for (const QString& text : expected) {
            const QString word = simplified(text);
            const qsizetype found = all.indexOf(word, at);
            QVERIFY2(found >= 0, qPrintable(text));
            at = found + word.size() - 1;
        }
        for (int i = 0; i < 120; ++i) // no point twice
            QCOMPARE(all.count(simplified(distanceOf(i))), 1);
        // Every page numbered; each page with points has a heading and the
        // header row above them, "(συνέχεια)" after the first.
        const QRegularExpression header("Σημεία εδάφους( \\(συνέχεια\\))? .*?Απόσταση \\(km\\) "
                                        "Έδαφος \\(m\\) Κάλυψη \\(m\\) Διάκενο \\(m\\) ");
        int tablePages = 0;
        int continued = 0;
        for (int page = 0, row = 0; page < pages; ++page) {
            const QString text = simplified(pageTexts[page]);
            QVERIFY(text.contains(QString(" Σελίδα %1 από %2 ").arg(page + 1).arg(pages)));
            const qsizetype first = text.indexOf(simplified(distanceOf(row)));
            if (first < 0) continue;
            const QRegularExpressionMatch above = header.match(text);
            QVERIFY2(above.hasMatch() && above.capturedEnd() <= first + 1, qPrintable(text));
            ++tablePages;
            continued += above.hasCaptured(1);
            while (row < 120 && text.contains(simplified(distanceOf(row))))
                ++row;
        }
        QVERIFY(tablePages > 1);
        QCOMPARE(continued, tablePages - 1);
        QVERIFY(simplified(pageTexts[pages - 1]).contains(" " + distanceOf(119) + " "));

        // Fonts embedded with their Unicode maps (text that searches and
        // copies); the side view as vectors, not a picture.
        const QStringList fonts = run("pdffonts", {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!fonts.isEmpty());
        for (const QString& font : fonts)
            QVERIFY2(font.contains("DejaVuSans") &&
                         font.contains(QRegularExpression(" yes +(yes|no) +yes +\\d+ +\\d+$")),
                     qPrintable(font));
        QCOMPARE(run("pdfimages", {"-list", pdf}).count('\n'), 2); // the header lines only
    }

    void failsWithTheFileNamed() {
        const QString pdf = m_dir.filePath("χωρίς φάκελο/αναφορά.pdf");
        QString error;
        tarvanel::LinkReport report;
        report.sheet.title = "Tarvanel 0.1";
        QVERIFY(!tarvanel::writeLinkReport(pdf, report, &error));
        QVERIFY2(error.contains("αναφοράς") && error.contains(pdf), qPrintable(error));
        QVERIFY(!QFile::exists(pdf));
    }
};

QTEST_MAIN(TestLinkReport)
#include "tst_link_report.moc"
