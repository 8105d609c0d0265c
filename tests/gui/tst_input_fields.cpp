// The input fields: every one selects its whole text when it gains the focus,
// by Tab or by the mouse; the six cable fields keep their end's cable-loss
// label current; a point typed into Text5 becomes the user's decimal separator.

#include "frm_main.h"
#include "input_test_support.h"
#include "result_label.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

using namespace tarvanel;
using namespace tarvanel::testing;

namespace {

const char* const kFields[] = {"txtFrequency", "Text2",  "Text3", "Text4", "Text5",
                               "Text6",        "Text10", "Text9", "Text8", "Text7",
                               "Text1",        "Text11", "Text12"};

QLineEdit* field(const FrmMain& window, const QString& name) {
    return window.findChild<QLineEdit*>(name);
}

// Deletes the field's last character with Backspace, the caret at the end.
void backspaceAtEnd(QLineEdit* edit) {
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Backspace);
}

} // namespace

class TestInputFields : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void selectAllOnTab_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : kFields)
            QTest::newRow(name) << name;
    }

    // Tab into a field that holds 20, type 2: the field holds 2.
    void selectAllOnTab() {
        QFETCH(QString, name);
        const auto window = openWindowIn(QStringLiteral("en_US"));
        QVERIFY(window);
        QLineEdit* edit = field(*window, name);
        QVERIFY(edit);
        edit->setText(QStringLiteral("20"));
        QVERIFY(tabInto(edit));
        QCOMPARE(edit->selectedText(), QStringLiteral("20"));
        QTest::keyClick(edit, Qt::Key_2);
        QCOMPARE(edit->text(), QStringLiteral("2"));
    }

    void selectAllOnMouseFocus_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("where"); // across the field, 0 = left edge
        for (const char* name : kFields) {
            QTest::addRow("%s left", name) << name << 0.1;
            QTest::addRow("%s middle", name) << name << 0.3;
            QTest::addRow("%s right", name) << name << 0.9;
        }
    }

    // A click that gives the focus selects everything, wherever it lands; a
    // click into the field that already has the focus places the cursor.
    void selectAllOnMouseFocus() {
        QFETCH(QString, name);
        QFETCH(double, where);
        const auto window = openWindowIn(QStringLiteral("de_DE"));
        QVERIFY(window);
        QLineEdit* edit = field(*window, name);
        QVERIFY(edit);
        edit->setText(QStringLiteral("12345"));
        QLineEdit* other =
            name == QLatin1String("Text12") ? window->controls().Text11 : window->controls().Text12;
        QTest::mouseClick(other, Qt::LeftButton);
        QVERIFY(other->hasFocus());

        const QPoint at(static_cast<int>(edit->width() * where), edit->height() / 2);
        QTest::mouseClick(edit, Qt::LeftButton, {}, at);
        QVERIFY(edit->hasFocus());
        QCOMPARE(edit->selectedText(), QStringLiteral("12345"));
        QTest::keyClick(edit, Qt::Key_2);
        QCOMPARE(edit->text(), QStringLiteral("2"));

        edit->setText(QStringLiteral("12345"));
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(2, edit->height() / 2));
        QVERIFY(!edit->hasSelectedText());
        QTest::keyClick(edit, Qt::Key_9);
        QCOMPARE(edit->text(), QStringLiteral("912345"));
    }

    // A drag over part of the text, with the press that gave the focus, keeps
    // the part the user dragged over.
    void dragOnFocusKeepsItsSelection() {
        const auto window = openWindowIn(QStringLiteral("en_US"));
        QVERIFY(window);
        QLineEdit* edit = window->controls().Text3;
        edit->setText(QStringLiteral("12345678"));
        const int y = edit->height() / 2;
        const QPoint partWay(edit->width() / 3, y);
        QTest::mousePress(edit, Qt::LeftButton, {}, QPoint(2, y));
        QVERIFY(edit->hasFocus());
        QMouseEvent drag(QEvent::MouseMove, QPointF(partWay), edit->mapToGlobal(QPointF(partWay)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit, &drag);
        QTest::mouseRelease(edit, Qt::LeftButton, {}, partWay);
        QVERIFY(edit->hasSelectedText());
        QVERIFY(edit->selectedText() != edit->text());
        QVERIFY(edit->text().startsWith(edit->selectedText()));
    }

    void cableLossLabels_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("end");
        for (const char* locale : {"en_US", "de_DE", "el_GR"}) {
            QTest::addRow("%s end1", locale) << locale << 1;
            QTest::addRow("%s end2", locale) << locale << 2;
        }
    }

    // Every change of a cable field, typed or deleted, shows the new loss at once.
    void cableLossLabels() {
        QFETCH(QString, locale);
        QFETCH(int, end);
        const auto window = openWindowIn(locale);
        QVERIFY(window);
        const auto& c = window->controls();
        QLineEdit* loss = end == 1 ? c.Text4 : c.Text8;
        QLineEdit* length = end == 1 ? c.Text5 : c.Text7;
        QLineEdit* connectors = end == 1 ? c.Text6 : c.Text1;
        QLabel* label = end == 1 ? c.lblCableLoss : c.lblCableLoss2;
        QLabel* otherLabel = end == 1 ? c.lblCableLoss2 : c.lblCableLoss;

        QCOMPARE(label->text(), QStringLiteral("0"));
        typeInto(loss, localized(QStringLiteral("0.22")));
        QCOMPARE(label->text(), QStringLiteral("0")); // no length yet
        typeInto(length, QStringLiteral("10"));
        QCOMPARE(label->text(), QStringLiteral("0")); // no connectors yet
        QTest::mouseClick(connectors, Qt::LeftButton);
        QTest::keyClick(connectors, Qt::Key_2);
        QCOMPARE(label->text(), localized(QStringLiteral("2.7")));

        backspaceAtEnd(connectors); // empty: not numeric
        QCOMPARE(label->text(), QStringLiteral("0"));
        QTest::keyClick(connectors, Qt::Key_2);
        QCOMPARE(label->text(), localized(QStringLiteral("2.7")));

        // Key by key through the length: 1 m, then 10 m, then 100 m.
        typeInto(length, QStringLiteral("1"));
        QCOMPARE(label->text(), localized(QStringLiteral("0.7")));
        QTest::keyClick(length, Qt::Key_0);
        QCOMPARE(label->text(), localized(QStringLiteral("2.7")));
        QTest::keyClick(length, Qt::Key_0);
        QCOMPARE(label->text(), localized(QStringLiteral("22.5")));

        typeInto(loss, localized(QStringLiteral("0.025"))); // 2.5 + 0.5: exactly 3
        QCOMPARE(label->text(), QStringLiteral("3"));
        typeInto(length, QStringLiteral("0"));
        QCOMPARE(label->text(), localized(QStringLiteral("0.5")));
        typeInto(connectors, QStringLiteral("0"));
        QCOMPARE(label->text(), QStringLiteral("0"));

        // Writes from code update the label before they return.
        length->setText(QStringLiteral("40"));
        QCOMPARE(label->text(), QStringLiteral("1"));
        connectors->setText(QStringLiteral("40000")); // the engine cannot count them
        QCOMPARE(label->text(), QStringLiteral("0"));

        QCOMPARE(otherLabel->text(), QStringLiteral("0"));
    }

    // Fields outside the cable rows leave both labels alone.
    void otherFieldsLeaveTheLabels() {
        const auto window = openWindowIn(QStringLiteral("el_GR"));
        QVERIFY(window);
        const auto& c = window->controls();
        typeInto(c.Text4, QStringLiteral("0,22"));
        typeInto(c.Text5, QStringLiteral("10"));
        typeInto(c.Text6, QStringLiteral("2"));
        typeInto(c.Text8, QStringLiteral("0,10"));
        typeInto(c.Text7, QStringLiteral("10"));
        typeInto(c.Text1, QStringLiteral("2"));
        QCOMPARE(c.lblCableLoss->text(), QStringLiteral("2,7"));
        QCOMPARE(c.lblCableLoss2->text(), QStringLiteral("1,5"));
        for (QLineEdit* other :
             {c.Text2, c.Text3, c.Text9, c.Text10, c.Text11, c.Text12, c.txtFrequency}) {
            typeInto(other, QStringLiteral("7"));
            QCOMPARE(c.lblCableLoss->text(), QStringLiteral("2,7"));
            QCOMPARE(c.lblCableLoss2->text(), QStringLiteral("1,5"));
        }
    }

    void typedPointInText5_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("en_US") << "en_US"
                               << "1.5";
        QTest::newRow("de_DE") << "de_DE"
                               << "1,5";
        QTest::newRow("el_GR") << "el_GR"
                               << "1,5";
    }

    // Typed key by key, the point becomes the user's decimal separator, and
    // the length then counts in the cable loss.
    void typedPointInText5() {
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        const auto window = openWindowIn(locale);
        QVERIFY(window);
        const auto& c = window->controls();
        typeInto(c.Text4, QStringLiteral("1"));
        typeInto(c.Text6, QStringLiteral("0"));
        typeInto(c.Text5, QStringLiteral("1.5"));
        QCOMPARE(c.Text5->text(), expected);
        QCOMPARE(c.lblCableLoss->text(), expected);
        // A comma typed by the user is left as it is.
        typeInto(c.Text5, QStringLiteral("2,5"));
        QCOMPARE(c.Text5->text(), QStringLiteral("2,5"));
    }

    void pastedAndText7PointsStay_data() {
        QTest::addColumn<QString>("locale");
        QTest::newRow("en_US") << "en_US";
        QTest::newRow("de_DE") << "de_DE";
        QTest::newRow("el_GR") << "el_GR";
    }

    // Pasting 1.5 into Text5 keeps the point; Text7 keeps a typed point.
    void pastedAndText7PointsStay() {
        QFETCH(QString, locale);
        const auto window = openWindowIn(locale);
        QVERIFY(window);
        const auto& c = window->controls();
        QGuiApplication::clipboard()->setText(QStringLiteral("1.5"));
        QTest::mouseClick(c.Text5, Qt::LeftButton);
        QTest::keyClick(c.Text5, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(c.Text5->text(), QStringLiteral("1.5"));

        typeInto(c.Text7, QStringLiteral("1.5"));
        QCOMPARE(c.Text7->text(), QStringLiteral("1.5"));
    }
};

QTEST_MAIN(TestInputFields)
#include "tst_input_fields.moc"
