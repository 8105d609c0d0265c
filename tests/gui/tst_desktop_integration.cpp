// The window at home on any desktop: its own colours under a dark theme, a
// visible keyboard focus for the hidden unit options, writes from assistive
// technology, buttons that screen readers can press, Ctrl+Q.

#include "app/frm_main.h"
#include "app/title_strip.h"
#include "widgets/click_area.h"
#include "widgets/window_colours.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleEditableTextInterface>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cmath>
#include <memory>

using tarvanel::FrmMain;

namespace {

double luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

} // namespace

class TestDesktopIntegration : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_window = std::make_unique<FrmMain>();
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    // Text stays legible on what lies beneath it when the desktop is dark.
    void keepsItsOwnColoursUnderADarkTheme() {
        m_window.reset();
        // Light text on dark grounds, as a dark desktop theme hands them out.
        QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35), QColor(0x24, 0x24, 0x24)));
        FrmMain window;
        window.show();
        const auto& c = window.controls();
        for (QWidget* field : window.findChildren<QWidget*>()) {
            const QPalette p = field->palette();
            double ratio = 0;
            if (qobject_cast<QLineEdit*>(field) || qobject_cast<QComboBox*>(field) ||
                qobject_cast<QListWidget*>(field))
                ratio = contrast(p.color(QPalette::Text), p.color(QPalette::Base));
            else if (qobject_cast<QPushButton*>(field))
                ratio = contrast(p.color(QPalette::ButtonText), p.color(QPalette::Button));
            else if (field != c.end1.warning && field != c.end2.warning &&
                     field->parentWidget() == &window)
                ratio = contrast(p.color(QPalette::WindowText), tarvanel::kBackgroundGround);
            else
                continue;
            QVERIFY2(ratio >= 4.5, qPrintable(field->objectName() + QString::number(ratio)));
        }
        const QPalette list = c.Combo1->view()->palette();
        QVERIFY(contrast(list.color(QPalette::Text), list.color(QPalette::Base)) >= 4.5);
    }

    void framesTheUnitPicturesWhileAnOptionHasTheFocus() {
        const auto& c = m_window->controls();
        const auto frameAround = [](QWidget* picture) {
            for (QWidget* w : picture->parentWidget()->findChildren<QWidget*>())
                if (w->isVisible() && w != picture && w->geometry().contains(picture->geometry()))
                    return true;
            return false;
        };
        c.Combo1->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), c.end1.dbmOption);
        QVERIFY(frameAround(c.end1.dbmPicture));
        QVERIFY(!frameAround(c.end2.dbmPicture));
        QTest::keyClick(c.end1.dbmOption, Qt::Key_Down); // every arrow moves to the other unit
        QVERIFY(c.end1.mwOption->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), c.end2.dbmOption);
        QVERIFY(!frameAround(c.end1.dbmPicture));
        QVERIFY(frameAround(c.end2.dbmPicture));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(!frameAround(c.end2.dbmPicture));
    }

    // A screen reader or dictation writes the channel; a chosen item runs once.
    void followsChannelWritesFromAssistiveTechnology() {
        const auto& c = m_window->controls();
        QAccessibleEditableTextInterface* editable =
            accessible(c.Combo1->lineEdit())->editableTextInterface();
        QVERIFY(editable);
        editable->insertText(0, QStringLiteral("7"));
        QTRY_COMPARE(c.txtFrequency->text(), QStringLiteral(" 2442"));

        c.Combo1->setFocus();
        QTest::keyClick(c.Combo1, Qt::Key_Down); // chooses the next item
        const QString chosen = c.txtFrequency->text();
        QVERIFY(chosen != QStringLiteral(" 2442"));
        c.txtFrequency->setText(QStringLiteral("2400"));
        QTest::qWait(50);
        QCOMPARE(c.txtFrequency->text(), QStringLiteral("2400")); // not written a second time
    }

    void pressesTheClickableAreasAsButtons() {
        const auto& c = m_window->controls();
        for (QAbstractButton* area :
             {c.lblMinimize, c.lblexit, c.end1.dbmPicture, c.end2.mwPicture}) {
            QAccessibleInterface* button = accessible(area);
            QCOMPARE(button->role(), QAccessible::Button);
            QVERIFY(button->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::pressAction()));
        }
        QCOMPARE(accessible(c.lbltitle)->role(), QAccessible::TitleBar);
        c.end1.power->setText(QStringLiteral("20"));
        accessible(c.end1.mwPicture)
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(c.end1.power->text(), QStringLiteral("100.00"));
        QCOMPARE(c.end1.power->accessibleDescription(), QStringLiteral("mW"));
    }

    void namesTheChooseButtonByItsNextPress() {
        const auto& c = m_window->controls();
        QVERIFY(c.end2.chooseCable->accessibleName().startsWith(QStringLiteral("Open")));
        QTest::mouseClick(c.end1.chooseCable, Qt::LeftButton);
        QVERIFY(c.end2.chooseCable->accessibleName().startsWith(QStringLiteral("Write")));
        QVERIFY(c.end2.chooseCable->accessibleName().endsWith(QStringLiteral("Interface No.2")));
    }

    void quitsOnCtrlQ() {
        QTest::keyClick(m_window.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!m_window->isVisible());
    }

    // A datasheet figure typed with a point reads in a decimal-comma locale.
    void readsAPointUnderADecimalComma() {
        m_window.reset();
        QLocale::setDefault(QLocale(QStringLiteral("el_GR")));
        FrmMain window;
        const auto& c = window.controls();
        QTest::keyClicks(c.end1.lossPerMetre, QStringLiteral("0.22"));
        QTest::keyClicks(c.end1.length, QStringLiteral("10"));
        QTest::keyClicks(c.end1.connectors, QStringLiteral("2"));
        QCOMPARE(c.end1.cableLoss->text(), QStringLiteral("2,7"));
        QLocale::setDefault(QLocale::c());
    }

private:
    std::unique_ptr<FrmMain> m_window;
};

QTEST_MAIN(TestDesktopIntegration)
#include "tst_desktop_integration.moc"
