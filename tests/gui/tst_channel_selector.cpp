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
        for (int channel = 2; channel <= 14; ++channel) // there is no channel 14
            QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(c.Combo1->currentText(), QStringLiteral(" 13"));
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

    // Key by key into the empty box: txtFrequency after each key. Texts that
    // are no channel number, or whose frequency overflows, leave the field.
    void typed_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("steps");
        const QString was = QStringLiteral("0"); // the field as the window opens
        const auto row = [](const char* locale, const char* typed, const QStringList& steps) {
            QTest::addRow("%s %s", locale, typed) << locale << typed << steps;
        };
        row("en_US", "13", {" 2412", " 2472"});
        row("de_DE", "0", {" 2407"});
        row("el_GR", "-1", {was, " 2402"});
        row("en_US", "1e3", {" 2412", " 2412", " 7407"});
        row("de_DE", "-500", {was, " 2382", " 2157", "-93"});
        row("el_GR", "ab", {was, was});
        row("en_US", "6073", {" 2437", " 2707", " 5442", " 5442"}); // the last digit overflows
        row("de_DE", "2,5", {" 2417", " 2417", " 2417"});
        row("el_GR", "3,5", {" 2422", " 2422", " 2427"});
        row("en_US", "3.5", {" 2422", " 2422", " 2427"});
        // The other separator makes no number: the field keeps the last channel.
        row("en_US", "3,5", {" 2422", " 2422", " 2422"});
        row("de_DE", "3.5", {" 2422", " 2422", " 2422"});
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

    // Channel 13 chosen with the mouse; a frequency typed by hand afterwards
    // does not move the combo box.
    void chooseWithMouseThenTypeAFrequency() {
        const auto window = openWindowIn(QStringLiteral("de_DE"));
        QVERIFY(window);
        const auto& c = window->controls();
        QVERIFY(pickWithMouse(c.Combo1, 12));
        QCOMPARE(c.Combo1->currentText(), QStringLiteral(" 13"));
        QCOMPARE(c.txtFrequency->text(), QStringLiteral(" 2472"));
        typeInto(c.txtFrequency, QStringLiteral("2450"));
        QCOMPARE(c.txtFrequency->text(), QStringLiteral("2450"));
        QCOMPARE(c.Combo1->currentIndex(), 12);
    }
};

QTEST_MAIN(TestChannelSelector)
#include "tst_channel_selector.moc"
