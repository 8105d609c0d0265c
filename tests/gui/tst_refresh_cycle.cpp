// The 200 ms refresh of the five result labels and the 600 ms legal-limit
// warnings, driven by typing into the real window under several locales.

#include "frm_main.h"
#include "main_window_support.h"
#include "result_label.h"
#include "underline_line.h"

#include <QLabel>
#include <QLocale>
#include <QTest>

#include <memory>

using tarvanel::FrmMain;
using namespace tarvanel::testing;

class TestRefreshCycle : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_window = openWindowIn(QStringLiteral("en_US"));
        QVERIFY(m_window);
    }
    void cleanup() { closeWindow(m_window); }

    void exampleLink_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("decimal");     // what the user types as separator
        QTest::addColumn<QStringList>("results"); // EIRP1, EIRP2, distance, FSL, Fresnel

        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << "."
                               << QStringList{"32.30 dBm", "33.50 dBm", "6.061 Km", "115.8 dB",
                                              "13.68 m"};
        QTest::newRow("el_GR") << QLocale(QLocale::Greek, QLocale::Greece) << ","
                               << QStringList{"32,30 dBm", "33,50 dBm", "6,061 Km", "115,8 dB",
                                              "13,68 m"};
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << ","
                               << QStringList{"32,30 dBm", "33,50 dBm", "6,061 Km", "115,8 dB",
                                              "13,68 m"};
    }

    void exampleLink() {
        QFETCH(QLocale, locale);
        QFETCH(QString, decimal);
        QFETCH(QStringList, results);
        QLocale::setDefault(locale);

        typeExampleLink(*m_window, decimal);
        QVERIFY(waitForTick(m_window->controls().Timer1));
        QCOMPARE(resultTexts(), results);
    }

    // Under a decimal comma a typed point does not read as a number: the cable
    // loss of link end 1 then counts as 0 and its EIRP is gain + power.
    void pointUnderDecimalComma() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        typeExampleLink(*m_window, QStringLiteral("."));
        QVERIFY(waitForTick(m_window->controls().Timer1));
        QCOMPARE(m_window->controls().lblEIRP1->text(), QStringLiteral("35,00 dBm"));
    }

    void initialFields_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("results");
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates)
                               << QStringList{"0.00 dBm", "0.00 dBm", "0.000 Km", "0.0 dB",
                                              "0.00 m"};
        QTest::newRow("el_GR") << QLocale(QLocale::Greek, QLocale::Greece)
                               << QStringList{"0,00 dBm", "0,00 dBm", "0,000 Km", "0,0 dB",
                                              "0,00 m"};
    }

    void initialFields() {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, results);
        QLocale::setDefault(locale);
        QVERIFY(waitForTick(m_window->controls().Timer1));
        QCOMPARE(resultTexts(), results);
        QVERIFY(waitForTick(m_window->controls().Timer2));
        QVERIFY(m_window->controls().lblBlink1->isHidden());
        QVERIFY(m_window->controls().lblBlink2->isHidden());
    }

    // The refresh never writes the cable-loss labels.
    void cableLossLabelsAreNotRefreshed() {
        const auto& c = m_window->controls();
        typeInto(c.Text2, QStringLiteral("20"));
        typeInto(c.Text3, QStringLiteral("15"));
        QVERIFY(waitForTick(c.Timer1));
        QCOMPARE(c.lblEIRP1->text(), QStringLiteral("35.00 dBm"));
        QCOMPARE(c.lblCableLoss->text(), QStringLiteral("0"));
        QCOMPARE(c.lblCableLoss2->text(), QStringLiteral("0"));
    }

    // A link end's power unit is where its underline lies.
    void powerUnitFollowsUnderline_data() {
        QTest::addColumn<float>("x1");
        QTest::addColumn<float>("x2");
        QTest::addColumn<QString>("power");
        QTest::addColumn<QString>("eirp1");
        QTest::newRow("dBm") << 2920.0f << 3380.0f << "20"
                             << "32.30 dBm";
        QTest::newRow("mW") << 3700.0f << 4080.0f << "100"
                            << "32.30 dBm";
        QTest::newRow("half a milliwatt") << 3700.0f << 4080.0f << "0.5"
                                          << "9.29 dBm";
        QTest::newRow("neither place") << 3000.0f << 3460.0f << "20"
                                       << "12.30 dBm";
    }

    void powerUnitFollowsUnderline() {
        QFETCH(float, x1);
        QFETCH(float, x2);
        QFETCH(QString, power);
        QFETCH(QString, eirp1);
        const auto& c = m_window->controls();
        typeExampleLink(*m_window, QStringLiteral("."));
        c.lnUnderline1->setEnds(x1, x2);
        typeInto(c.Text2, power);
        QVERIFY(waitForTick(c.Timer1));
        QCOMPARE(c.lblEIRP1->text(), eirp1);
        QCOMPARE(c.lblEIRP2->text(), QStringLiteral("33.50 dBm")); // end 2 stays in dBm
    }

    void legalLimitWarning_data() {
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("power");
        QTest::addColumn<QString>("gain");
        QTest::addColumn<bool>("shown");

        for (int end : {1, 2}) {
            const auto tag = [end](const char* what) {
                return QStringLiteral("end %1, %2").arg(end).arg(QLatin1String(what)).toUtf8();
            };
            QTest::newRow(tag("above the limit").constData()) << end << "20"
                                                              << "1" << true;
            QTest::newRow(tag("exactly 20").constData()) << end << "20"
                                                         << "0" << false;
            QTest::newRow(tag("just above 20").constData()) << end << "20.000002"
                                                            << "0" << true;
            QTest::newRow(tag("below the limit").constData()) << end << "10"
                                                              << "9.5" << false;
            QTest::newRow(tag("negative").constData()) << end << "-5"
                                                       << "1.5" << false;
            QTest::newRow(tag("power not numeric").constData()) << end << "abc"
                                                                << "30" << false;
        }
    }

    void legalLimitWarning() {
        QFETCH(int, end);
        QFETCH(QString, power);
        QFETCH(QString, gain);
        QFETCH(bool, shown);

        const auto& c = m_window->controls();
        QLineEdit* powerField = end == 1 ? c.Text2 : c.Text10;
        QLineEdit* gainField = end == 1 ? c.Text3 : c.Text9;
        QLabel* warning = end == 1 ? c.lblBlink1 : c.lblBlink2;
        QLabel* otherWarning = end == 1 ? c.lblBlink2 : c.lblBlink1;

        // Start from a shown warning so that hiding it is seen too.
        typeInto(powerField, QStringLiteral("30"));
        typeInto(gainField, QStringLiteral("0"));
        QVERIFY(waitForTick(c.Timer2));
        QVERIFY(warning->isVisible());

        typeInto(powerField, power);
        typeInto(gainField, gain);
        QVERIFY(waitForTick(c.Timer2));
        QCOMPARE(warning->isVisible(), shown);
        if (shown) QCOMPARE(warning->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(otherWarning->isHidden());
    }

    void clearingThePowerHidesTheWarning() {
        const auto& c = m_window->controls();
        typeInto(c.Text2, QStringLiteral("20"));
        typeInto(c.Text3, QStringLiteral("1"));
        QVERIFY(waitForTick(c.Timer2));
        QVERIFY(c.lblBlink1->isVisible());
        QCOMPARE(c.lblBlink1->palette().color(QPalette::WindowText), QColor(255, 0, 0));

        typeInto(c.Text2, QString());
        QCOMPARE(c.Text2->text(), QString());
        QVERIFY(waitForTick(c.Timer2));
        QVERIFY(c.lblBlink1->isHidden());

        // Shown again later, it is red from the start.
        typeInto(c.Text2, QStringLiteral("25"));
        QVERIFY(waitForTick(c.Timer2));
        QVERIFY(c.lblBlink1->isVisible());
        QCOMPARE(c.lblBlink1->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    }

private:
    QStringList resultTexts() const {
        const auto& c = m_window->controls();
        return {c.lblEIRP1->text(), c.lblEIRP2->text(), c.lblDistance->text(), c.lblFSL->text(),
                c.lblFrensel->text()};
    }

    std::unique_ptr<FrmMain> m_window;
};

QTEST_MAIN(TestRefreshCycle)
#include "tst_refresh_cycle.moc"
