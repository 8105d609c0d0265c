// The main window as the user first sees it: the window itself, the controls'
// initial state, which control lies above which, the tab order and the timers.

#include "frm_main.h"
#include "main_window_support.h"
#include "result_label.h"
#include "underline_line.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <memory>

using tarvanel::FrmMain;

namespace {

// The named control that holds the focus (an editable combo box focuses its own
// line edit).
QString focusedControl() {
    for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            return w->objectName();
    }
    return QStringLiteral("<none>");
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_window = std::make_unique<FrmMain>();
        m_window->show(); // no event is processed: the timers have not ticked
    }
    void cleanup() { m_window.reset(); }

    void window() {
        FrmMain& w = *m_window;
        QVERIFY(w.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(w.size(), QSize(550, 362));
        QCOMPARE(w.minimumSize(), QSize(550, 362));
        QCOMPARE(w.maximumSize(), QSize(550, 362));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tarvanel 0.1"));
        QVERIFY(w.windowIcon().availableSizes().contains(QSize(32, 32)));
        for (QWidget* control : w.findChildren<QWidget*>())
            QVERIFY2(control->font().family() == QLatin1String("DejaVu Sans"),
                     qPrintable(control->objectName()));
    }

    // A few controls' places, in pixels (15 twips each).
    void spotGeometry_data() {
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("txtFrequency") << QRect(80, 34, 41, 19);
        QTest::newRow("Text12") << QRect(150, 339, 43, 19);
        QTest::newRow("List1") << QRect(144, 176, 153, 67);
        QTest::newRow("lblEIRP1") << QRect(472, 84, 233, 25); // reaches past the right edge
    }
    void spotGeometry() {
        QFETCH(QRect, geometry);
        auto* control = m_window->findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(control != nullptr);
        QCOMPARE(control->geometry(), geometry);
    }

    void initialState() {
        const auto& c = m_window->controls();
        QCOMPARE(c.txtFrequency->text(), QStringLiteral("0"));
        const auto fields = m_window->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(fields.size(), 13);
        for (QLineEdit* field : fields)
            if (field != c.txtFrequency)
                QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
        const auto results = m_window->findChildren<tarvanel::ResultLabel*>();
        QCOMPARE(results.size(), 7);
        for (QLabel* result : results)
            QCOMPARE(result->text(), QStringLiteral("0"));

        QCOMPARE(c.Combo1->count(), 13);
        for (int n = 1; n <= 13; ++n)
            QCOMPARE(c.Combo1->itemText(n - 1), QStringLiteral(" %1").arg(n));
        QCOMPARE(c.Combo1->currentText(), QString());

        QVERIFY(c.List1->isHidden());
        QCOMPARE(c.List1->count(), 0); // filled when the chooser first opens
        QCOMPARE(c.cmdChoose->text(), QStringLiteral("..."));
        QCOMPARE(c.cmdchoose2->text(), QStringLiteral("..."));
        QVERIFY(c.lblBlink1->isHidden());
        QVERIFY(c.lblBlink2->isHidden());

        // Both link ends start in dBm.
        QCOMPARE(c.lnUnderline1->x1(), 2920.0f);
        QCOMPARE(c.lnUnderline2->x1(), 2920.0f);
        QVERIFY(c.Option1->isChecked() && !c.Option2->isChecked());
        QVERIFY(c.Option4->isChecked() && !c.Option3->isChecked());
        QCOMPARE(c.lblUnitOfPower->text(), QStringLiteral("dBm"));
        QCOMPARE(c.lblUnitOfPower_2->text(), QStringLiteral("dBm"));

        for (auto [timer, interval] : {std::pair{c.Timer1, 200}, std::pair{c.Timer2, 600}}) {
            QVERIFY(timer->isActive());
            QCOMPARE(timer->interval(), interval);
        }
    }

    // No label lies over an input: a click on an input's middle reaches it.
    void inputsAreNotCoveredByLabels() {
        int checked = 0;
        for (QWidget* input : m_window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!input->isVisible() || input->focusPolicy() == Qt::NoFocus ||
                !m_window->rect().contains(input->geometry()))
                continue;
            QWidget* hit = m_window->childAt(input->geometry().center());
            QVERIFY2(hit == input || input->isAncestorOf(hit), qPrintable(input->objectName()));
            ++checked;
        }
        QCOMPARE(checked, 16); // the text boxes, Combo1 and the two "..." buttons
    }

    void shownChooserListCoversTextBoxes() {
        const auto& c = m_window->controls();
        c.List1->show();
        int covered = 0;
        for (QLineEdit* box : m_window->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
            const QRect overlap = box->geometry() & c.List1->geometry();
            if (overlap.isEmpty()) continue;
            ++covered;
            QWidget* hit = m_window->childAt(overlap.center());
            QVERIFY2(hit == c.List1 || c.List1->isAncestorOf(hit), qPrintable(box->objectName()));
        }
        QCOMPARE(covered, 3); // Text6, Text10 and Text9
    }

    void tabOrder_data() {
        QTest::addColumn<bool>("chooserOpen");
        QTest::addColumn<QStringList>("visits");
        const QStringList start = {"Combo1",    "Option1",   "Option4", "Text2",  "Text3",
                                   "Text4",     "Text5",     "Text6",   "Text12", "Text11",
                                   "Text1",     "Text7",     "Text8",   "Text9",  "Text10",
                                   "cmdChoose", "cmdchoose2"};
        QTest::newRow("at start") << false << start + QStringList{"txtFrequency"};
        QTest::newRow("chooser open") << true << start + QStringList{"List1", "txtFrequency"};
    }
    void tabOrder() {
        QFETCH(bool, chooserOpen);
        QFETCH(QStringList, visits);
        const auto& c = m_window->controls();
        if (chooserOpen) c.List1->show();
        QVERIFY(tarvanel::testing::showActive(*m_window));
        c.txtFrequency->setFocus(Qt::MouseFocusReason);
        QCOMPARE(focusedControl(), QStringLiteral("txtFrequency"));
        for (const QString& expected : visits) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(focusedControl(), expected);
        }
    }

private:
    std::unique_ptr<FrmMain> m_window;
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
