// The channel selector: choosing a channel in Combo1 (mouse or keyboard) or
// typing a channel number writes its frequency, 2407 + 5n MHz, into
// txtFrequency with a leading blank; texts that are no channel leave it.

#include "frm_main.h"
#include "input_test_support.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

using namespace tarvanel;
using namespace tarvanel::testing;

namespace {

// Opens the list and clicks the item, as a user does with the mouse.
bool pickWithMouse(QComboBox* combo, int index) {
    // An editable box opens its list from the arrow at its right.
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = true;
    const QRect arrow = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxArrow, combo);
    QTest::mouseClick(combo, Qt::LeftButton, {}, arrow.center());
    QAbstractItemView* view = combo->view();
    if (!QTest::qWaitForWindowExposed(view->window())) return false;
    const QModelIndex item = view->model()->index(index, 0);
    view->scrollTo(item);
    const QPoint at = view->visualRect(item).center();
    QTest::mouseMove(view->viewport(), at);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    return !view->isVisible();
}

} // namespace

class TestChannelSelector : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void startsEmpty() {
        const auto window = openWindowIn(QStringLiteral("en_US"));
        QVERIFY(window);
        const auto& c = window->controls();
        QCOMPARE(c.Combo1->count(), 13);
        QCOMPARE(c.Combo1->currentText(), QString());
        QCOMPARE(c.txtFrequency->text(), QStringLiteral("0"));
    }

    void chooseWithMouse_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("frequency");
        QTest::newRow("channel 1") << 0 << " 1"
                                   << " 2412";
        QTest::newRow("channel 3") << 2 << " 3"
                                   << " 2422";
        QTest::newRow("channel 13") << 12 << " 13"
                                    << " 2472";
    }

    void chooseWithMouse() {
        QFETCH(int, index);
        QFETCH(QString, item);
        QFETCH(QString, frequency);
        const auto window = openWindowIn(QStringLiteral("de_DE"));
        QVERIFY(window);
        const auto& c = window->controls();
        QVERIFY(pickWithMouse(c.Combo1, index));
        QCOMPARE(c.Combo1->currentText(), item);
        QCOMPARE(c.txtFrequency->text(), frequency);
    }

    // Arrow keys in the closed box step through the channels; in the open
    // list, Down and Return choose.
    void chooseWithKeyboard() {
        const auto window = openWindowIn(QStringLiteral("en_US"));
        QVERIFY(window);
        const auto& c = window->controls();
        QVERIFY(tabInto(c.Combo1));
        QWidget* box = QApplication::focusWidget();
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(c.Combo1->currentText(), QStringLiteral(" 1"));
        QCOMPARE(c.txtFrequency->text(), QStringLiteral(" 2412"));
        QTest::keyClick(box, Qt::Key_Down);
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(c.Combo1->currentText(), QStringLiteral(" 3"));
        QCOMPARE(c.txtFrequency->text(), QStringLiteral(" 2422"));
        for (int channel = 4; channel <= 13; ++channel)
            QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(c.Combo1->currentText(), QStringLiteral(" 13"));
        QCOMPARE(c.txtFrequency->text(), QStringLiteral(" 2472"));
        QTest::keyClick(box, Qt::Key_Down); // there is no channel 14
        QCOMPARE(c.txtFrequency->text(), QStringLiteral(" 2472"));
        QTest::keyClick(box, Qt::Key_Up);
        QCOMPARE(c.txtFrequency->text(), QStringLiteral(" 2467"));

        QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier); // opens the list
        QAbstractItemView* view = c.Combo1->view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        QTest::keyClick(view, Qt::Key_Home);
        QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Return);
        QVERIFY(!view->isVisible());
        QCOMPARE(c.Combo1->currentText(), QStringLiteral(" 3"));
        QCOMPARE(c.txtFrequency->text(), QStringLiteral(" 2422"));
    }

    void typed_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");      // key by key into the empty box
        QTest::addColumn<QStringList>("steps");  // txtFrequency after each key
        const QString was = QStringLiteral("0"); // the field as the window opens
        for (const char* locale : {"en_US", "de_DE", "el_GR"}) {
            QTest::addRow("%s 13", locale) << locale << "13" << QStringList{" 2412", " 2472"};
            QTest::addRow("%s 0", locale) << locale << "0" << QStringList{" 2407"};
            QTest::addRow("%s -1", locale) << locale << "-1" << QStringList{was, " 2402"};
            QTest::addRow("%s 1e3", locale)
                << locale << "1e3" << QStringList{" 2412", " 2412", " 7407"};
            QTest::addRow("%s -500", locale)
                << locale << "-500" << QStringList{was, " 2382", " 2157", "-93"};
            QTest::addRow("%s letters", locale) << locale << "ab" << QStringList{was, was};
            QTest::addRow("%s 6073", locale) // the last digit makes the frequency overflow
                << locale << "6073" << QStringList{" 2437", " 2707", " 5442", " 5442"};
        }
        QTest::newRow("de_DE 2,5") << "de_DE"
                                   << "2,5" << QStringList{" 2417", " 2417", " 2417"};
        QTest::newRow("de_DE 3,5") << "de_DE"
                                   << "3,5" << QStringList{" 2422", " 2422", " 2427"};
        QTest::newRow("el_GR 2,5") << "el_GR"
                                   << "2,5" << QStringList{" 2417", " 2417", " 2417"};
        QTest::newRow("en_US 2.5") << "en_US"
                                   << "2.5" << QStringList{" 2417", " 2417", " 2417"};
        QTest::newRow("en_US 3.5") << "en_US"
                                   << "3.5" << QStringList{" 2422", " 2422", " 2427"};
        // The other separator makes no number: the field keeps the last channel.
        QTest::newRow("en_US 3,5") << "en_US"
                                   << "3,5" << QStringList{" 2422", " 2422", " 2422"};
        QTest::newRow("de_DE 3.5") << "de_DE"
                                   << "3.5" << QStringList{" 2422", " 2422", " 2422"};
    }

    void typed() {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QStringList, steps);
        QCOMPARE(steps.size(), typed.size());
        const auto window = openWindowIn(locale);
        QVERIFY(window);
        const auto& c = window->controls();
        QLineEdit* edit = c.Combo1->lineEdit();
        QTest::mouseClick(edit, Qt::LeftButton);
        for (qsizetype i = 0; i < typed.size(); ++i) {
            QTest::keyClicks(edit, typed.mid(i, 1));
            QCOMPARE(c.Combo1->currentText(), typed.left(i + 1));
            QCOMPARE(c.txtFrequency->text(), steps.at(i));
        }
    }

    // Deleting the box's text leaves the frequency; so does pasting letters.
    void deletingAndPastingLetters() {
        const auto window = openWindowIn(QStringLiteral("el_GR"));
        QVERIFY(window);
        const auto& c = window->controls();
        QLineEdit* edit = c.Combo1->lineEdit();
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClicks(edit, QStringLiteral("5"));
        QCOMPARE(c.txtFrequency->text(), QStringLiteral(" 2432"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(c.Combo1->currentText(), QString());
        QCOMPARE(c.txtFrequency->text(), QStringLiteral(" 2432"));

        QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(c.Combo1->currentText(), QStringLiteral("abc"));
        QCOMPARE(c.txtFrequency->text(), QStringLiteral(" 2432"));

        QGuiApplication::clipboard()->setText(QStringLiteral("11"));
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(c.txtFrequency->text(), QStringLiteral(" 2462"));
    }

    // The frequency typed by hand does not move the combo box.
    void typingAFrequencyLeavesTheChannel() {
        const auto window = openWindowIn(QStringLiteral("en_US"));
        QVERIFY(window);
        const auto& c = window->controls();
        QVERIFY(pickWithMouse(c.Combo1, 2));
        QCOMPARE(c.txtFrequency->text(), QStringLiteral(" 2422"));
        typeInto(c.txtFrequency, QStringLiteral("2450"));
        QCOMPARE(c.txtFrequency->text(), QStringLiteral("2450"));
        QCOMPARE(c.Combo1->currentText(), QStringLiteral(" 3"));
        QCOMPARE(c.Combo1->currentIndex(), 2);
    }
};

QTEST_MAIN(TestChannelSelector)
#include "tst_channel_selector.moc"
