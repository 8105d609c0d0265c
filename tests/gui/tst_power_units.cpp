// Switching a link end's power unit: clicks on the "dBm" and "mW" pictures and
// the option buttons selected from the keyboard are one switch. Each moves the
// underline, converts the power field when it converts and keeps the option
// buttons and the unit label in step.

#include "frm_main.h"
#include "input_test_support.h"
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

// One link end's unit controls, as the window names them.
struct End {
    QLineEdit* power;
    UnderlineLine* underline;
    UnitPicture* dbmPicture;
    UnitPicture* mwPicture;
    QRadioButton* dbmOption;
    QRadioButton* mwOption;
    QLabel* unitLabel;
};

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

enum class Path { Pictures, OptionKeys };

// Asks for the unit by a click on its picture, or by selecting its option from
// the keyboard (which only works when the other option is selected).
bool askFor(const End& e, Path path, bool milliwatts) {
    if (path == Path::Pictures) {
        click(milliwatts ? e.mwPicture : e.dbmPicture);
        return true;
    }
    return selectOtherOptionByKeyboard(e);
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

Q_DECLARE_METATYPE(Path)

class TestPowerUnits : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void roundTrip_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("end");
        QTest::addColumn<Path>("path");
        QTest::addColumn<QString>("dbm");        // typed, "." as the separator
        QTest::addColumn<QString>("milliwatts"); // after the switch to mW
        QTest::addColumn<QString>("back");       // after the switch back to dBm
        const struct {
            const char* dbm;
            const char* milliwatts;
            const char* back;
        } powers[] = {{"20", "100.00", "20.00"},
                      {"15", "31.62", "15.00"},
                      {"-30", "0.001", "-30.00"},
                      {"-23", "0.00501", "-23.00"},
                      {"-3.01", "0.5", "-3.01"}};
        for (const char* locale : {"en_US", "de_DE", "el_GR"}) {
            for (int end : {1, 2}) {
                for (Path path : {Path::Pictures, Path::OptionKeys}) {
                    for (const auto& p : powers) {
                        QTest::addRow("%s end%d %s %s", locale, end,
                                      path == Path::Pictures ? "pictures" : "option keys", p.dbm)
                            << locale << end << path << p.dbm << p.milliwatts << p.back;
                    }
                }
            }
        }
    }

    void roundTrip() {
        QFETCH(QString, locale);
        QFETCH(int, end);
        QFETCH(Path, path);
        QFETCH(QString, dbm);
        QFETCH(QString, milliwatts);
        QFETCH(QString, back);
        const auto window = openWindowIn(locale);
        QVERIFY(window);
        const End e = endOf(*window, end);
        typeInto(e.power, localized(dbm));
        VERIFY_UNIT(e, false);

        QVERIFY(askFor(e, path, true));
        QCOMPARE(e.power->text(), localized(milliwatts));
        VERIFY_UNIT(e, true);

        QVERIFY(askFor(e, path, false));
        QCOMPARE(e.power->text(), localized(back));
        VERIFY_UNIT(e, false);

        // The other end took no part.
        const End other = endOf(*window, 3 - end);
        QCOMPARE(other.power->text(), QString());
        VERIFY_UNIT(other, false);
    }

    // Texts that do not convert stay as they are, but the unit switches.
    void unconvertibleTextsStay_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("end");
        QTest::addColumn<Path>("path");
        QTest::addColumn<QString>("milliwatts"); // typed while in mW
        for (const char* locale : {"en_US", "de_DE"}) {
            for (int end : {1, 2}) {
                for (Path path : {Path::Pictures, Path::OptionKeys}) {
                    const char* pathName = path == Path::Pictures ? "pictures" : "option keys";
                    for (const char* text : {"abc", "0", "-5", ""}) {
                        QTest::addRow("%s end%d %s \"%s\"", locale, end, pathName, text)
                            << locale << end << path << text;
                    }
                }
            }
        }
    }

    void unconvertibleTextsStay() {
        QFETCH(QString, locale);
        QFETCH(int, end);
        QFETCH(Path, path);
        QFETCH(QString, milliwatts);
        const auto window = openWindowIn(locale);
        QVERIFY(window);
        const End e = endOf(*window, end);
        QVERIFY(askFor(e, path, true)); // an empty field: nothing to convert
        QCOMPARE(e.power->text(), QString());
        VERIFY_UNIT(e, true);

        typeInto(e.power, milliwatts);
        QVERIFY(askFor(e, path, false));
        QCOMPARE(e.power->text(), milliwatts);
        VERIFY_UNIT(e, false);
    }

    // Letters typed in dBm stay when the end switches to mW.
    void lettersStayInBothDirections() {
        const auto window = openWindowIn(QStringLiteral("en_US"));
        QVERIFY(window);
        const End e = endOf(*window, 1);
        typeInto(e.power, QStringLiteral("abc"));
        click(e.mwPicture);
        QCOMPARE(e.power->text(), QStringLiteral("abc"));
        VERIFY_UNIT(e, true);
        click(e.dbmPicture);
        QCOMPARE(e.power->text(), QStringLiteral("abc"));
        VERIFY_UNIT(e, false);
    }

    // Clicking the unit in force changes nothing, not even the formatting.
    void presentUnitChangesNothing_data() {
        QTest::addColumn<int>("end");
        QTest::addColumn<bool>("inMilliwatts");
        QTest::addColumn<QString>("typed");
        QTest::newRow("end1 dBm") << 1 << false << "20";
        QTest::newRow("end2 dBm") << 2 << false << "20";
        QTest::newRow("end1 mW") << 1 << true << "5";
        QTest::newRow("end2 mW") << 2 << true << "5";
    }

    void presentUnitChangesNothing() {
        QFETCH(int, end);
        QFETCH(bool, inMilliwatts);
        QFETCH(QString, typed);
        const auto window = openWindowIn(QStringLiteral("de_DE"));
        QVERIFY(window);
        const End e = endOf(*window, end);
        if (inMilliwatts) click(e.mwPicture);
        typeInto(e.power, typed);

        for (int i = 0; i < 3; ++i) {
            click(inMilliwatts ? e.mwPicture : e.dbmPicture);
            QCOMPARE(e.power->text(), typed);
            VERIFY_UNIT(e, inMilliwatts);
        }
        // The selected option cannot be selected again: a click on it changes nothing.
        QTest::mouseClick(inMilliwatts ? e.mwOption : e.dbmOption, Qt::LeftButton);
        QCOMPARE(e.power->text(), typed);
        VERIFY_UNIT(e, inMilliwatts);
    }

    // The pictures and the option buttons drive one unit: whichever switched
    // last, the other follows, and the field is converted exactly once.
    void bothPathsAreOneSwitch_data() {
        QTest::addColumn<int>("end");
        QTest::newRow("end1") << 1;
        QTest::newRow("end2") << 2;
    }

    void bothPathsAreOneSwitch() {
        QFETCH(int, end);
        const auto window = openWindowIn(QStringLiteral("en_US"));
        QVERIFY(window);
        const End e = endOf(*window, end);
        typeInto(e.power, QStringLiteral("20"));

        click(e.mwPicture);
        QCOMPARE(e.power->text(), QStringLiteral("100.00"));
        VERIFY_UNIT(e, true);
        QVERIFY(selectOtherOptionByKeyboard(e)); // back to dBm by option
        QCOMPARE(e.power->text(), QStringLiteral("20.00"));
        VERIFY_UNIT(e, false);
        QVERIFY(selectOtherOptionByKeyboard(e)); // to mW by option
        QCOMPARE(e.power->text(), QStringLiteral("100.00"));
        VERIFY_UNIT(e, true);
        click(e.mwPicture); // already mW: nothing
        QCOMPARE(e.power->text(), QStringLiteral("100.00"));
        click(e.dbmPicture);
        QCOMPARE(e.power->text(), QStringLiteral("20.00"));
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
