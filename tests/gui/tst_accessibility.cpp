// What assistive technology reads: every input, result, button and clickable
// picture has a name; inputs are named by their drawn captions, and a result's
// name follows its text.

#include "chrome_label.h"
#include "frm_main.h"
#include "main_window_support.h"
#include "result_label.h"
#include "unit_picture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSet>
#include <QTest>

#include <memory>

using tarvanel::FrmMain;
using namespace tarvanel::testing;

namespace {

QString accessibleName(QWidget* w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_window = openWindowIn(QStringLiteral("en_US"));
        QVERIFY(m_window);
    }
    void cleanup() { closeWindow(m_window); }

    // Every control a user can act on or read a result from has a name, and
    // no two inputs share one.
    void noControlIsNameless() {
        QSet<QString> inputNames;
        int checked = 0;
        for (QWidget* w : m_window->findChildren<QWidget*>()) {
            const bool input =
                qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parentWidget());
            const bool named =
                input || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractButton*>(w) ||
                qobject_cast<QListWidget*>(w) || qobject_cast<tarvanel::ResultLabel*>(w) ||
                qobject_cast<tarvanel::UnitPicture*>(w) || qobject_cast<tarvanel::ChromeLabel*>(w);
            if (!named) continue;
            ++checked;
            const QString name = accessibleName(w);
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(w->objectName()));
            if (input) {
                QVERIFY2(!inputNames.contains(name), qPrintable(name));
                inputNames.insert(name);
            }
        }
        QCOMPARE(inputNames.size(), 13);
        QVERIFY(checked >= 13 + 1 + 2 + 4 + 1 + 7 + 4 + 3);
    }

    void names_data() {
        QTest::addColumn<QString>("name");
        const auto row = [](const char* control, const char* name) {
            QTest::newRow(control) << QString::fromUtf8(name);
        };
        row("txtFrequency", "Συχνότητα");
        row("Combo1", "Κανάλι");
        row("Text2", "Ισχύς εκπομπής Interface No.1");
        row("Text3", "Απολαβή κεραίας (Gain) Interface No.1");
        row("Text4", "Απώλειες καλωδίου Interface No.1");
        row("Text5", "Μήκος καλωδίου Interface No.1");
        row("Text6", "Αριθμός συνδετήρων Interface No.1");
        row("Text10", "Ισχύς εκπομπής Interface No.2");
        row("Text9", "Απολαβή κεραίας (Gain) Interface No.2");
        row("Text8", "Απώλειες καλωδίου Interface No.2");
        row("Text7", "Μήκος καλωδίου Interface No.2");
        row("Text1", "Αριθμός συνδετήρων Interface No.2");
        row("Text11", "Ευαισθησία δέκτη");
        row("Text12", "Fade Margin");
        row("cmdChoose", "Choose cable, Interface No.1");
        row("cmdchoose2", "Choose cable, Interface No.2");
        row("Imgdbm", "Power in dBm, Interface No.1");
        row("imgMw", "Power in mW, Interface No.1");
        row("ImgDbm2", "Power in dBm, Interface No.2");
        row("ImgMw2", "Power in mW, Interface No.2");
        row("lbltitle", "Move window");
        row("lblMinimize", "Minimize");
        row("lblexit", "Exit");
        row("lblEIRP1", "Interface 1 EIRP 0");
        row("lblEIRP2", "Interface 2 EIRP 0");
        row("lblDistance", "Μέγιστη απόσταση 0");
        row("lblFSL", "Free Space Loss 0");
        row("lblFrensel", "Fresnel Zone Radius 0");
    }

    void names() {
        QFETCH(QString, name);
        auto* w = m_window->findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(w != nullptr);
        QCOMPARE(accessibleName(w), name);
    }

    void resultNamesFollowTheirText() {
        const auto& c = m_window->controls();
        typeExampleLink(*m_window, QStringLiteral("."));
        QVERIFY(waitForTick(c.Timer1));
        QCOMPARE(accessibleName(c.lblEIRP1), QStringLiteral("Interface 1 EIRP 32.30 dBm"));
        QCOMPARE(accessibleName(c.lblEIRP2), QStringLiteral("Interface 2 EIRP 33.50 dBm"));
        QCOMPARE(accessibleName(c.lblDistance), QStringLiteral("Μέγιστη απόσταση 6.061 Km"));
        QCOMPARE(accessibleName(c.lblFSL), QStringLiteral("Free Space Loss 115.8 dB"));
        QCOMPARE(accessibleName(c.lblFrensel), QStringLiteral("Fresnel Zone Radius 13.68 m"));

        typeInto(c.Text2, QStringLiteral("10"));
        QVERIFY(waitForTick(c.Timer1));
        QCOMPARE(accessibleName(c.lblEIRP1), QStringLiteral("Interface 1 EIRP 22.30 dBm"));
    }

    // The cable-loss labels are written by other code with plain setText; the
    // unit drawn beside them is read out after the number.
    void cableLossNameFollowsAnyWrite() {
        tarvanel::ResultLabel* loss = m_window->controls().lblCableLoss2;
        QCOMPARE(accessibleName(loss),
                 QStringLiteral("Συνολικές απώλειες καλωδίου Interface No.2 0 dB"));
        static_cast<QLabel*>(loss)->setText(QStringLiteral("1.5"));
        QCOMPARE(accessibleName(loss),
                 QStringLiteral("Συνολικές απώλειες καλωδίου Interface No.2 1.5 dB"));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(loss);
        QCOMPARE(iface->role(), QAccessible::StaticText);
        QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("1.5"));
    }

    void inputsAreEditableText() {
        QAccessibleInterface* iface =
            QAccessible::queryAccessibleInterface(m_window->controls().Text4);
        QVERIFY(iface != nullptr);
        QCOMPARE(iface->role(), QAccessible::EditableText);
        QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("dB/m"));
    }

private:
    std::unique_ptr<FrmMain> m_window;
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
