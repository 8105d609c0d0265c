// A shorter soak of the real window: thousands of timer ticks with the fields
// rewritten at random between them and the cable chooser opened and closed
// hundreds of times. Labels stay well formed, the list never grows, the
// warnings follow the EIRPs. (bench/soak runs the long version and measures
// memory; nothing here is timed.)

#include "frm_main.h"
#include "main_window_support.h"
#include "soak_driver.h"

#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTest>

using tarvanel::FrmMain;
using namespace tarvanel::testing;

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void manyTicks_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<int>("ticks");
        QTest::newRow("el_GR") << QLocale(QLocale::Greek, QLocale::Greece) << 1u << 1000;
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << 2u << 1000;
    }

    void manyTicks() {
        QFETCH(QLocale, locale);
        QFETCH(unsigned, seed);
        QFETCH(int, ticks);
        QLocale::setDefault(locale);
        FrmMain window;
        QVERIFY(showActive(window));
        const auto& c = window.controls();

        SoakDriver driver(window, seed);
        while (driver.ticks() < ticks) {
            const QString fault = driver.step();
            QVERIFY2(fault.isEmpty(),
                     qPrintable(QStringLiteral("tick %1: %2").arg(driver.ticks()).arg(fault)));
        }
        QCOMPARE(driver.ticks(), ticks);
        QVERIFY(driver.chooserCycles() > ticks / 10);
        QCOMPARE(c.List1->count(), 14);
        QVERIFY(c.List1->isHidden());
        QCOMPARE(c.cmdChoose->text(), QStringLiteral("..."));
        QCOMPARE(c.cmdchoose2->text(), QStringLiteral("..."));

        // The window still follows its fields: the example link gives its results.
        QTest::mouseClick(c.Imgdbm, Qt::LeftButton);
        QTest::mouseClick(c.ImgDbm2, Qt::LeftButton);
        typeExampleLink(window, locale.decimalPoint());
        QVERIFY(waitForTick(c.Timer1));
        const QString d = locale.decimalPoint();
        QCOMPARE(c.lblEIRP1->text(), "32" + d + "30 dBm");
        QCOMPARE(c.lblEIRP2->text(), "33" + d + "50 dBm");
        QCOMPARE(c.lblDistance->text(), "6" + d + "061 Km");
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
