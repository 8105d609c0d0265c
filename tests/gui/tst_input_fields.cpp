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

} // namespace

class TestInputFields : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void selectAllOnFocus_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("where"); // across the field, 0 = left edge; < 0: by Tab
        double where = 0.1;
        for (const char* name : kFields) {
            QTest::addRow("%s by Tab", name) << name << -1.0;
            QTest::addRow("%s by a click at %.1f", name, where) << name << where;
            where = where > 0.8 ? 0.1 : where + 0.4;
        }
    }

    // Tab or a click into a field that holds 12345, type 2: the field holds 2,
    // wherever the click landed. A click into the field that already has the
    // focus places the cursor.
    void selectAllOnFocus() {
        QFETCH(QString, name);
        QFETCH(double, where);
        const auto window = openWindowIn(QStringLiteral("de_DE"));
        QVERIFY(window);
        auto* edit = window->findChild<QLineEdit*>(name);
        QVERIFY(edit);
        edit->setText(QStringLiteral("12345"));
        if (where < 0) {
            QVERIFY(tabInto(edit));
        } else {
            QLineEdit* other = name == QLatin1String("Text12") ? window->controls().Text11
                                                               : window->controls().Text12;
            QTest::mouseClick(other, Qt::LeftButton);
            QVERIFY(other->hasFocus());
            const QPoint at(static_cast<int>(edit->width() * where), edit->height() / 2);
            QTest::mouseClick(edit, Qt::LeftButton, {}, at);
        }
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
        QTest::newRow("en_US end1") << "en_US" << 1;
        QTest::newRow("el_GR end2") << "el_GR" << 2;
    }

    // Every change of a cable field, typed, deleted or written by code, shows
    // the new loss at once; the fields outside the cable rows leave it alone.
    void cableLossLabels() {
        QFETCH(QString, locale);
        QFETCH(int, end);
        const auto window = openWindowIn(locale);
        QVERIFY(window);
        const auto& c = window->controls();
        QLineEdit* const fields[] = {end == 1 ? c.Text4 : c.Text8, end == 1 ? c.Text5 : c.Text7,
                                     end == 1 ? c.Text6 : c.Text1};
        QLabel* label = end == 1 ? c.lblCableLoss : c.lblCableLoss2;
        enum Field { Loss, Length, Connectors };
        enum How { Type, Append, Backspace, Code, Elsewhere };
        // Each step and the label after it, "." as the separator.
        const struct {
            Field field;
            How how;
            const char* text;
            const char* label;
        } steps[] = {{Loss, Type, "0.22", "0"}, // no length yet
                     {Length, Type, "10", "0"}, // no connectors yet
                     {Connectors, Append, "2", "2.7"},
                     {Connectors, Backspace, "", "0"}, // empty: not numeric
                     {Connectors, Append, "2", "2.7"},
                     {Length, Type, "1", "0.7"}, // key by key: 1 m, 10 m, 100 m
                     {Length, Append, "0", "2.7"},
                     {Length, Append, "0", "22.5"},
                     {Loss, Elsewhere, "7", "22.5"},
                     {Loss, Type, "0.025", "3"}, // 2.5 + 0.5: exactly 3
                     {Length, Type, "0", "0.5"},
                     {Connectors, Type, "0", "0"},
                     {Length, Code, "40", "1"},
                     {Connectors, Code, "40000", "0"}}; // the engine cannot count them
        QCOMPARE(label->text(), QStringLiteral("0"));
        for (const auto& step : steps) {
            QLineEdit* edit = fields[step.field];
            const QString text = localized(QString::fromLatin1(step.text));
            if (step.how == Type) typeInto(edit, text);
            if (step.how == Append || step.how == Backspace) QTest::keyClick(edit, Qt::Key_End);
            if (step.how == Append) QTest::keyClicks(edit, text);
            if (step.how == Backspace) QTest::keyClick(edit, Qt::Key_Backspace);
            if (step.how == Code) edit->setText(text);
            if (step.how == Elsewhere)
                for (QLineEdit* other :
                     {c.txtFrequency, c.Text2, c.Text3, c.Text9, c.Text10, c.Text11, c.Text12})
                    typeInto(other, text);
            QCOMPARE(label->text(), localized(QString::fromLatin1(step.label)));
        }
        QCOMPARE((end == 1 ? c.lblCableLoss2 : c.lblCableLoss)->text(), QStringLiteral("0"));
    }

    void points_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("en_US") << QStringLiteral("en_US") << QStringLiteral("1.5");
        QTest::newRow("de_DE") << QStringLiteral("de_DE") << QStringLiteral("1,5");
    }

    // Typed key by key into Text5, the point becomes the user's decimal
    // separator and the length then counts in the cable loss. A typed comma,
    // a pasted point, and a point typed into Text7 stay as they are.
    void points() {
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
        typeInto(c.Text5, QStringLiteral("2,5"));
        QCOMPARE(c.Text5->text(), QStringLiteral("2,5"));

        QGuiApplication::clipboard()->setText(QStringLiteral("1.5"));
        QTest::keyClick(c.Text5, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(c.Text5, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(c.Text5->text(), QStringLiteral("1.5"));
        typeInto(c.Text7, QStringLiteral("1.5"));
        QCOMPARE(c.Text7->text(), QStringLiteral("1.5"));
    }
};

QTEST_MAIN(TestInputFields)
#include "tst_input_fields.moc"
