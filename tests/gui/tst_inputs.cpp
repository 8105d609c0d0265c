// The input behaviour, driven by keys and clicks on the real window and by
// assistive technology: power units, cable-loss labels, select-all on focus,
// the decimal point of Text5, the channel selector and the cable chooser.

#include "cables/cable_catalogue.h"
#include "tests/gui/main_window_support.h"

#include <QAbstractItemView>
#include <QAccessibleActionInterface>
#include <QAccessibleEditableTextInterface>
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
        QCOMPARE(get("Text2", end)->accessibleDescription(), mw ? "mW" : "dBm");
    }

private slots:
    void init() { openWindow(true); }
    void cleanup() { m_window.reset(); }

    // Asking for the unit in force (picture or selected option) changes
    // nothing; the other unit, by its picture or by an up or down arrow on
    // the selected option, converts the field and moves the underline.
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
            byOption ? QTest::keyClick(selected, mw ? Qt::Key_Down : Qt::Key_Up)
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
    // as its fields are typed; the other end's stays. A datasheet figure
    // typed with a point reads in a decimal-comma locale too.
    void cableLossLabels_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("end");
        QTest::addColumn<QStringList>("typed"); // loss per metre, length, connectors
        QTest::addColumn<QString>("label");
        QTest::newRow("end 1") << QLocale("en_US") << 1 << QStringList{"0.22", "10", "2"} << "2.7";
        QTest::newRow("end 2") << QLocale("en_US") << 2 << QStringList{"0.025", "100", "2"} << "3";
        QTest::newRow("point in el_GR")
            << QLocale("el_GR") << 1 << QStringList{"0.22", "10", "2"} << "2,7";
    }
    void cableLossLabels() {
        QFETCH(QLocale, locale);
        QFETCH(int, end);
        QFETCH(QStringList, typed);
        QFETCH(QString, label);
        QLocale::setDefault(locale);
        typeFields({"Text4", typed[0], "Text5", typed[1], "Text6", typed[2]}, end);
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
        QTest::keyClick(field, Qt::Key_2);
        QCOMPARE(field->text(), "2");
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(2, field->height() / 2));
        QTest::keyClick(field, Qt::Key_9);
        QCOMPARE(field->text(), "92");
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
        QTest::keyClicks(get("Text7"), "1.5");
        QCOMPARE(get<QLineEdit>("Text5")->text() + " " + get<QLineEdit>("Text7")->text(),
                 "1" + locale.decimalPoint() + "5 1.5");
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

    // A screen reader or dictation writes the channel; a chosen item writes
    // its frequency once.
    void followsChannelWritesFromAssistiveTechnology() {
        auto* combo = get<QComboBox>("Combo1");
        auto* frequency = get<QLineEdit>("txtFrequency");
        QAccessible::queryAccessibleInterface(combo->lineEdit())
            ->editableTextInterface()
            ->insertText(0, "7");
        QTRY_COMPARE(frequency->text(), " 2442");
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down); // chooses the first item
        QCOMPARE(frequency->text(), " 2412");
        frequency->setText("2400");
        QTest::qWait(50);
        QCOMPARE(frequency->text(), "2400"); // not written a second time
    }

    // To a screen reader the title strip is one, and the words on it and the
    // unit pictures are buttons it can press.
    void pressesTheClickableAreasAsButtons() {
        const auto accessible = [this](const char* name) {
            return QAccessible::queryAccessibleInterface(get(name));
        };
        QCOMPARE(accessible("lbltitle")->role(), QAccessible::TitleBar);
        QCOMPARE(accessible("lblexit")->role(), QAccessible::Button);
        typeFields({"Text2", "20"});
        accessible("imgMw")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(get<QLineEdit>("Text2")->text(), "100.00");
    }

    // A frame surrounds an end's unit pictures while one of its hidden unit
    // options has the keyboard focus.
    void framesTheUnitPicturesWhileAnOptionHasTheFocus() {
        const auto framed = [this](int end) {
            QWidget* picture = get("Imgdbm", end);
            for (QWidget* w : m_window->findChildren<QWidget*>())
                if (w->isVisible() && w != picture && w->geometry().contains(picture->geometry()))
                    return true;
            return false;
        };
        get("Combo1")->setFocus();
        for (int end : {1, 2, 0}) { // Tab to end 1's option, to end 2's, on past them
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(framed(1), end == 1);
            QCOMPARE(framed(2), end == 2);
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
        const auto caption = [this](int end) { return get<QPushButton>("cmdChoose", end)->text(); };
        typeInto(get<QLineEdit>("Text4", closer), "0.10");
        typeInto(get<QLineEdit>("Text4", 3 - closer), "0.5");
        for (int round = 0; round < 2; ++round) { // the second opening finds the same list
            QVERIFY(
                get("cmdChoose", closer)->accessibleName().startsWith("Άνοιγμα λίστας καλωδίων"));
            QTest::mouseClick(get("cmdChoose", opener), Qt::LeftButton);
            QVERIFY(list->isVisible());
            QVERIFY(get("cmdChoose", closer)
                        ->accessibleName()
                        .endsWith(QString("κλείσιμο της λίστας, Interface No.%1").arg(closer)));
            QCOMPARE(list->y(), get("cmdChoose", opener)->y());
            QCOMPARE(caption(opener) + caption(3 - opener), "OK...");
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
            QCOMPARE(caption(1) + caption(2), "......");
        }
    }
};

QTEST_MAIN(TestInputs)
#include "tst_inputs.moc"
