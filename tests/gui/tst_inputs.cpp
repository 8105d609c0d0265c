// The input behaviour, driven by keys and clicks on the real window: power
// units, cable-loss labels, select-all on focus, the decimal point of Text5,
// the channel selector and the cable chooser.

#include "app/frm_main.h"
#include "cables/cable_catalogue.h"
#include "tests/gui/main_window_support.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace tarvanel::testing;

class TestInputs : public WindowTest {
    Q_OBJECT

    // The power field, underline, option buttons and unit label all tell the
    // unit: the underline lies under that unit's picture.
    void verifyUnit(int end, bool mw, const QString& power) {
        QCOMPARE(get<QLineEdit>("Text2", end)->text(), power);
        const QRect picture = get(mw ? "imgMw" : "Imgdbm", end)->geometry();
        const int middle = get("lnUnderline1", end)->geometry().center().x();
        QVERIFY(picture.left() <= middle && middle <= picture.right());
        QVERIFY(get<QRadioButton>(mw ? "Option2" : "Option1", end)->isChecked());
        QCOMPARE(get<QLabel>("lblUnitOfPower", end)->text(), mw ? "mWatts" : "dBm");
    }

private slots:
    void init() { openWindow(true); }
    void cleanup() { m_window.reset(); }

    // Asking for the unit in force (picture or selected option) changes
    // nothing; the other unit, by its picture or by an arrow key on the
    // selected option, converts the field and moves the underline.
    void powerUnits_data() {
        QTest::addColumn<int>("end");
        QTest::addColumn<bool>("byOption");
        QTest::addColumn<QStringList>("texts"); // typed, in mW, back in dBm
        QTest::newRow("end 1, pictures") << 1 << false << QStringList{"20", "100.00", "20.00"};
        QTest::newRow("end 2, pictures") << 2 << false << QStringList{"-30", "0.001", "-30.00"};
        QTest::newRow("end 1, options") << 1 << true << QStringList{"15", "31.62", "15.00"};
        QTest::newRow("end 2, options") << 2 << true << QStringList{"abc", "abc", "abc"};
    }
    void powerUnits() {
        QFETCH(int, end);
        QFETCH(bool, byOption);
        QFETCH(QStringList, texts);
        const auto ask = [&](bool mw) {
            auto* selected = get<QRadioButton>(mw ? "Option1" : "Option2", end);
            selected->setFocus(Qt::TabFocusReason);
            byOption ? QTest::keyClick(selected, mw ? Qt::Key_Right : Qt::Key_Left)
                     : QTest::mouseClick(get(mw ? "imgMw" : "Imgdbm", end), Qt::LeftButton);
        };
        typeInto(get<QLineEdit>("Text2", end), texts[0]);
        for (int mw = 0; mw < 2; ++mw) {
            QTest::mouseClick(get(mw ? "imgMw" : "Imgdbm", end), Qt::LeftButton);
            QTest::mouseClick(get(mw ? "Option2" : "Option1", end), Qt::LeftButton);
            verifyUnit(end, mw, texts[mw]);
            ask(!mw);
            verifyUnit(end, !mw, texts[mw + 1]);
        }
        verifyUnit(3 - end, false, "");
    }

    // Each end's label shows loss per metre x length + 0.25 dB per connector
    // as its fields are typed; the other end's stays.
    void cableLossLabels_data() {
        QTest::addColumn<int>("end");
        QTest::addColumn<QStringList>("typed"); // loss per metre, length, connectors
        QTest::addColumn<QString>("label");
        QTest::newRow("end 1") << 1 << QStringList{"0.22", "10", "2"} << "2.7";
        QTest::newRow("end 2") << 2 << QStringList{"0.025", "100", "2"} << "3";
    }
    void cableLossLabels() {
        QFETCH(int, end);
        QFETCH(QStringList, typed);
        QFETCH(QString, label);
        for (int i = 0; i < 3; ++i)
            typeInto(get<QLineEdit>(QStringList{"Text4", "Text5", "Text6"}[i], end), typed[i]);
        QCOMPARE(get<QLabel>("lblCableLoss", end)->text(), label);
        QCOMPARE(get<QLabel>("lblCableLoss", 3 - end)->text(), "0");
    }

    // A click into another field selects all it holds, so a key
    // replaces it; a click into the focused field places the cursor.
    void selectAllOnFocus_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : kFields)
            QTest::newRow(qPrintable(name)) << name;
    }
    void selectAllOnFocus() {
        QFETCH(QString, name);
        auto* field = get<QLineEdit>(name);
        field->setText("12345");
        QTest::mouseClick(get(name == "Text12" ? "Text11" : "Text12"), Qt::LeftButton);
        QTest::mouseClick(field, Qt::LeftButton);
        QVERIFY(field->hasFocus());
        QTest::keyClick(field, Qt::Key_2);
        QCOMPARE(field->text(), "2");
        field->setText("12345");
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(2, field->height() / 2));
        QTest::keyClick(field, Qt::Key_9);
        QCOMPARE(field->text(), "912345");
    }

    // A point typed into Text5 becomes the user's separator; Text7 keeps it.
    void decimalPointOfText5_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("en_US") << QLocale("en_US");
        QTest::newRow("de_DE") << QLocale("de_DE");
    }
    void decimalPointOfText5() {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        QTest::keyClicks(get("Text5"), "1.5");
        QCOMPARE(get<QLineEdit>("Text5")->text(), "1" + locale.decimalPoint() + "5");
        QTest::keyClicks(get("Text7"), "1.5");
        QCOMPARE(get<QLineEdit>("Text7")->text(), "1.5");
    }

    // Typing into the channel box writes the channel's frequency after each
    // key; a text that is no channel (a blank, letters) leaves the field, and
    // nothing the user did not type counts; a click in the open list picks a channel.
    void channelSelector_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("frequencies"); // after each typed key
        QTest::addColumn<int>("clicked");             // in the open list; -1: none
        QTest::newRow("typed 13") << "13" << QStringList{" 2412", " 2472"} << -1;
        QTest::newRow("typed ab") << "ab" << QStringList{"0", "0"} << -1;
        QTest::newRow("typed blank 9 blank") << " 9 " << QStringList{"0", " 2452", " 2452"} << -1;
        QTest::newRow("clicked 11") << "" << QStringList{} << 10;
    }
    void channelSelector() {
        QFETCH(QString, typed);
        QFETCH(QStringList, frequencies);
        QFETCH(int, clicked);
        auto* combo = get<QComboBox>("Combo1");
        QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
        for (qsizetype i = 0; i < typed.size(); ++i) {
            QTest::keyClick(combo->lineEdit(), typed[i].toLatin1());
            QCoreApplication::processEvents();
            QCOMPARE(get<QLineEdit>("txtFrequency")->text(), frequencies[i]);
        }
        QCOMPARE(combo->currentText(), typed);
        if (clicked >= 0) {
            QTest::keyClick(combo->lineEdit(), Qt::Key_Down, Qt::AltModifier);
            QAbstractItemView* view = combo->view();
            QVERIFY(QTest::qWaitForWindowExposed(view->window()));
            view->scrollTo(view->model()->index(clicked, 0));
            const QRect item = view->visualRect(view->model()->index(clicked, 0));
            QTest::mouseMove(view->viewport(), item.center());
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
            QCOMPARE(get<QLineEdit>("txtFrequency")->text(), " 2462");
        }
    }

    // A "..." button opens the list level with itself, captioned "OK"; the next
    // click on either button writes the selected cable (none: nothing) into
    // that end's loss field and closes. The list is filled once.
    void cableChooser_data() {
        QTest::addColumn<int>("opener");
        QTest::addColumn<int>("closer");
        QTest::addColumn<int>("entry"); // clicked in the list; -1: none
        QTest::addColumn<QString>("loss");
        QTest::newRow("RG316 at end 1") << 1 << 1 << 12 << "1";
        QTest::newRow("LMR900 at end 2") << 2 << 2 << 6 << "0.086";
        QTest::newRow("opened at 1, closed at 2") << 1 << 2 << 1 << "1.215";
        QTest::newRow("no pick") << 2 << 2 << -1 << "0.10";
    }
    void cableChooser() {
        QFETCH(int, opener);
        QFETCH(int, closer);
        QFETCH(int, entry);
        QFETCH(QString, loss);
        auto* list = get<QListWidget>("List1");
        typeInto(get<QLineEdit>("Text4", closer), "0.10");
        typeInto(get<QLineEdit>("Text4", 3 - closer), "0.5");
        for (int round = 0; round < 2; ++round) { // the second opening finds the same list
            QTest::mouseClick(get("cmdChoose", opener), Qt::LeftButton);
            QVERIFY(list->isVisible());
            QCOMPARE(list->y(), get("cmdChoose", opener)->y());
            QCOMPARE(get<QPushButton>("cmdChoose", opener)->text(), "OK");
            QCOMPARE(get<QPushButton>("cmdChoose", 3 - opener)->text(), "...");
            QCOMPARE(list->count(), int(tarvanel::kCableCatalogue.size()));
            if (entry >= 0) {
                list->scrollToItem(list->item(entry));
                const QRect item = list->visualItemRect(list->item(entry));
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
            }
            QTest::mouseClick(get("cmdChoose", closer), Qt::LeftButton);
            QCOMPARE(get<QLineEdit>("Text4", closer)->text(), loss);
            QCOMPARE(get<QLineEdit>("Text4", 3 - closer)->text(), "0.5");
            QVERIFY(list->isHidden());
            QCOMPARE(get<QPushButton>("cmdChoose", 1)->text() +
                         get<QPushButton>("cmdChoose", 2)->text(),
                     "......");
        }
    }
};

QTEST_MAIN(TestInputs)
#include "tst_inputs.moc"
