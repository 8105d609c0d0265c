// The installer's read-outs through the window: a typed link distance gives the
// received level, the margin in green or red and the clearance; the summary on
// the clipboard holds inputs and results.

#include "app/frm_main.h"
#include "tests/gui/main_window_support.h"

#include <QApplication>
#include <QClipboard>

using namespace tarvanel::testing;

class TestReadouts : public WindowTest {
    Q_OBJECT

private slots:
    void init() { openWindow(true); }
    void cleanup() { m_window.reset(); }

    void readoutsAtTheLinkDistance_data() {
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QStringList>("texts"); // received, margin, clearance
        QTest::addColumn<QColor>("marginColour");
        QTest::newRow("5 km") << "5" << QStringList{"-68.33 dBm", "11.67 dB", "7.82 m"}
                              << QColor(0, 128, 0);
        QTest::newRow("10 km") << "10" << QStringList{"-74.35 dBm", "5.65 dB", "12.02 m"}
                               << QColor(255, 0, 0);
        QTest::newRow("no distance") << "-5" << QStringList{"", "", ""} << QColor(0, 128, 0);
    }
    void readoutsAtTheLinkDistance() {
        QFETCH(QString, distance);
        QFETCH(QStringList, texts);
        QFETCH(QColor, marginColour);
        typeExampleLink(*m_window, ".");
        typeFields({"txtLinkDistance", distance});
        QVERIFY(waitForTick(*m_window));
        QCOMPARE(get<QLabel>("lblLegalPower1")->text(), "7.70 dBm (5.89 mW)");
        QCOMPARE(get<QLabel>("lblLegalPower2")->text(), "6.50 dBm (4.47 mW)");
        QCOMPARE(get<QLabel>("lblReceived")->text(), texts[0]);
        QCOMPARE(get<QLabel>("lblMargin")->text(), texts[1]);
        QCOMPARE(get<QLabel>("lblClearance")->text(), texts[2]);
        if (!texts[1].isEmpty())
            QCOMPARE(get<QLabel>("lblMargin")->palette().color(QPalette::WindowText), marginColour);
        QVERIFY(get("lblDistance")->toolTip().contains("6.061 Km")); // the way back
    }

    // The widest realistic text of each read-out, in the label's own font,
    // fits its rectangle, and the rectangle lies inside the two-pixel border.
    void readoutsFitInsideTheBorder() {
        const QHash<QString, QStringList> widest = {
            {"lblLegalPower1", {"-10,00 dBm (0,10 mW)", "30,00 dBm (1000,00 mW)"}},
            {"lblLegalPower2", {"-10,00 dBm (0,10 mW)", "30,00 dBm (1000,00 mW)"}},
            {"lblReceived", {"-100,00 dBm"}},
            {"lblMargin", {"-20,00 dB"}},
            {"lblClearance", {"100,00 m"}}};
        const QRect inside = m_window->rect().adjusted(2, 2, -2, -2);
        int checked = 0;
        for (const tarvanel::ControlRow& row : tarvanel::windowTable()) {
            if (!widest.contains(row.name)) continue;
            auto* label = get<QLabel>(row.name);
            QVERIFY2(inside.contains(label->geometry()), row.name);
            for (const QString& text : widest[row.name]) {
                const int width = QFontMetrics(label->font()).horizontalAdvance(text);
                QVERIFY2(
                    width <= label->contentsRect().width(),
                    qPrintable(QString("%1: %2 px for %3").arg(row.name).arg(width).arg(text)));
            }
            ++checked;
        }
        QCOMPARE(checked, 5);
    }

    // The summary reads like a report: the link, each end, the receiver, the
    // results, the read-outs and the path, in this order, each line with its
    // value; a field without one (here the channel) is left out.
    void copiesASummary() {
        typePath("15");
        QTest::keyClick(m_window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QStringList lines = QApplication::clipboard()->text().split('\n');
        qsizetype at = 0;
        for (const char* expected :
             {"Tarvanel 0.1",
              "Συχνότητα: 2427 MHz",
              "",
              "Interface No.1",
              "Ισχύς εκπομπής: 20 dBm",
              "Αριθμός συνδετήρων: 2",
              "Συνολικές απώλειες καλωδίου: 2.7 dB",
              "Interface 1 EIRP: 32.30 dBm",
              "Εκτός νόμιμων ορίων",
              "Νόμιμη ισχύς 1: 7.70 dBm (5.89 mW)",
              "",
              "Interface No.2",
              "Απώλειες καλωδίου: 0.10 dB/m",
              "Νόμιμη ισχύς 2: 6.50 dBm (4.47 mW)",
              "",
              "Δέκτης",
              "Ευαισθησία δέκτη: 80 dBm",
              "Fade Margin: 10 dB",
              "",
              "Αποτελέσματα",
              "Μέγιστη απόσταση: 6.061 Km",
              "Αντίστροφα (Interface 2 → Interface 1): 6.061 Km. Οι δύο κατευθύνσεις φτάνουν "
              "το ίδιο.",
              "Free Space Loss: 115.8 dB",
              "Fresnel Zone Radius: 13.68 m",
              "",
              "Στην απόσταση ζεύξης",
              "Απόσταση ζεύξης: 5 km",
              "Στάθμη λήψης: -68.33 dBm",
              "Ελεύθερο ύψος: 7.82 m",
              "",
              "Διαδρομή ζεύξης",
              "Ύψος κεραίας 1: 32 m",
              "Συντελεστής γης k: 4/3",
              "Ζώνη Fresnel: 91 % ελεύθερη",
              "Κλίση κεραίας 2: +0.14°"}) {
            const qsizetype found = lines.indexOf(QString::fromUtf8(expected), at);
            QVERIFY2(found >= 0, expected); // and after the line before it
            at = found + 1;
        }
        QVERIFY(!lines.join('\n').contains(": \n") && !lines.join('\n').contains("Κανάλι"));
    }
};

QTEST_MAIN(TestReadouts)
#include "tst_readouts.moc"
