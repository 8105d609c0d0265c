// Switching a link end's power unit: clicks on the "dBm" and "mW" pictures and
// the option buttons selected from the keyboard are one switch. Each moves the
// underline, converts the power field when it converts and keeps the option
// buttons and the unit label in step.

#include "frm_main.h"
#include "input_test_support.h"
#include "power_units.h"
#include "underline_line.h"
#include "unit_picture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace tarvanel;
using namespace tarvanel::testing;

namespace {

using End = PowerUnitControls;

End endOf(const FrmMain& window, int end) {
    const auto& c = window.controls();
    if (end == 1)
        return {c.Text2, c.lnUnderline1, c.Imgdbm, c.imgMw, c.Option1, c.Option2, c.lblUnitOfPower};
    return {c.Text10,  c.lnUnderline2, c.ImgDbm2,         c.ImgMw2,
            c.Option4, c.Option3,      c.lblUnitOfPower_2};
}

void click(UnitPicture* picture) {
    QTest::mouseClick(picture, Qt::LeftButton);
}

// Focuses the selected option of the end by Tab and moves the selection to the
// other option with an arrow key, as a keyboard user does.
bool selectOtherOptionByKeyboard(const End& e) {
    QRadioButton* selected = e.dbmOption->isChecked() ? e.dbmOption : e.mwOption;
    if (!tabInto(selected)) return false;
    QTest::keyClick(selected, selected == e.dbmOption ? Qt::Key_Right : Qt::Key_Left);
    return !selected->isChecked();
}

// Asks for the unit by a click on its picture, or by selecting its option from
// the keyboard (which only works when the other option is selected).
bool askFor(const End& e, bool byKeys, bool milliwatts) {
    if (byKeys) return selectOtherOptionByKeyboard(e);
    click(milliwatts ? e.mwPicture : e.dbmPicture);
    return true;
}

// The underline, the option buttons and the unit label all tell `mw` or dBm.
#define VERIFY_UNIT(e, mw)                                                                         \
    do {                                                                                           \
        QCOMPARE((e).underline->x1(), (mw) ? 3700.0f : 2920.0f);                                   \
        QCOMPARE((e).underline->x2(), (mw) ? 4080.0f : 3380.0f);                                   \
        QCOMPARE((e).mwOption->isChecked(), (mw));                                                 \
        QCOMPARE((e).dbmOption->isChecked(), !(mw));                                               \
        QCOMPARE((e).unitLabel->text(), (mw) ? QStringLiteral("mWatts") : QStringLiteral("dBm"));  \
    } while (false)

} // namespace

class TestPowerUnits : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Each end by each path, under a decimal point and a decimal comma: the
    // field after each switch. Texts that do not convert stay, but the unit
    // switches all the same.
    void switches_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("end");
        QTest::addColumn<bool>("byKeys");
        QTest::addColumn<bool>("startInMilliwatts"); // switched there with the field empty
        QTest::addColumn<QString>("typed");          // "." as the separator, like the rest
        QTest::addColumn<QStringList>("afterEachSwitch");
        const QList<std::pair<const char*, QStringList>> fromDbm = {
            {"20", {"100.00", "20.00"}},  {"15", {"31.62", "15.00"}},
            {"-30", {"0.001", "-30.00"}}, {"-23", {"0.00501", "-23.00"}},
            {"-3.01", {"0.5", "-3.01"}},  {"abc", {"abc", "abc"}}};
        for (auto [locale, end, byKeys] : {std::tuple{"en_US", 1, false}, {"de_DE", 2, true}}) {
            const char* path = byKeys ? "option keys" : "pictures";
            for (const auto& [typed, after] : fromDbm)
                QTest::addRow("%s end%d %s dBm %s", locale, end, path, typed)
                    << locale << end << byKeys << false << typed << after;
            for (const char* typed : {"abc", "0", "-5", ""})
                QTest::addRow("%s end%d %s mW \"%s\"", locale, end, path, typed)
                    << locale << end << byKeys << true << typed << QStringList{typed};
        }
    }

    void switches() {
        QFETCH(QString, locale);
        QFETCH(int, end);
        QFETCH(bool, byKeys);
        QFETCH(bool, startInMilliwatts);
        QFETCH(QString, typed);
        QFETCH(QStringList, afterEachSwitch);
        const auto window = openWindowIn(locale);
        QVERIFY(window);
        const End e = endOf(*window, end);
        bool mw = startInMilliwatts;
        if (mw) QVERIFY(askFor(e, byKeys, true));
        QCOMPARE(e.power->text(), QString());
        typeInto(e.power, localized(typed));
        VERIFY_UNIT(e, mw);
        for (const QString& expected : afterEachSwitch) {
            mw = !mw;
            QVERIFY(askFor(e, byKeys, mw));
            QCOMPARE(e.power->text(), localized(expected));
            VERIFY_UNIT(e, mw);
        }
        // The other end took no part.
        const End other = endOf(*window, 3 - end);
        QCOMPARE(other.power->text(), QString());
        VERIFY_UNIT(other, false);
    }

    // The pictures and the option buttons drive one unit: whichever switched
    // last, the other follows, and the field is converted exactly once. Asking
    // for the unit in force, by its picture or its selected option, changes
    // nothing, not even the formatting.
    void bothPathsAreOneSwitch() {
        const auto window = openWindowIn(QStringLiteral("en_US"));
        QVERIFY(window);
        const End e = endOf(*window, 2);
        typeInto(e.power, QStringLiteral("20"));
        click(e.dbmPicture);
        QTest::mouseClick(e.dbmOption, Qt::LeftButton);
        QCOMPARE(e.power->text(), QStringLiteral("20"));
        VERIFY_UNIT(e, false);

        click(e.mwPicture);
        QCOMPARE(e.power->text(), QStringLiteral("100.00"));
        QVERIFY(selectOtherOptionByKeyboard(e)); // back to dBm by option
        QCOMPARE(e.power->text(), QStringLiteral("20.00"));
        VERIFY_UNIT(e, false);
        QVERIFY(selectOtherOptionByKeyboard(e)); // to mW by option
        QCOMPARE(e.power->text(), QStringLiteral("100.00"));
        VERIFY_UNIT(e, true);

        typeInto(e.power, QStringLiteral("5"));
        click(e.mwPicture);
        QTest::mouseClick(e.mwOption, Qt::LeftButton);
        QCOMPARE(e.power->text(), QStringLiteral("5"));
        VERIFY_UNIT(e, true);
        click(e.dbmPicture);
        QCOMPARE(e.power->text(), QStringLiteral("6.99"));
        VERIFY_UNIT(e, false);
    }

    // Tab reaches only the selected option of each end, also after a picture
    // switched the unit.
    void tabFollowsTheSelectedOption() {
        const auto window = openWindowIn(QStringLiteral("en_US"));
        QVERIFY(window);
        const End e1 = endOf(*window, 1);
        const End e2 = endOf(*window, 2);
        click(e1.mwPicture);
        click(e2.mwPicture);
        QVERIFY(tabInto(window->controls().Combo1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), e1.mwOption);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), e2.mwOption);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), e1.power);
    }
};

QTEST_MAIN(TestPowerUnits)
#include "tst_power_units.moc"
