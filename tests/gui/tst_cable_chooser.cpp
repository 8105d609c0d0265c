// The cable chooser: the "..." buttons open the cable list level with the
// clicked button and the next click on either button writes the selected
// cable's loss per metre into the clicked end's loss field.

#include "frm_main.h"
#include "input_test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace tarvanel;
using namespace tarvanel::testing;

namespace {

// List1's top for each end: the top of the end's button, 1890 and 3848 twips.
constexpr int kTopEnd1 = 126;
constexpr int kTopEnd2 = 257;

const QString kClosed = QStringLiteral("...");
const QString kOpen = QStringLiteral("OK");

// The catalogue as the list shows it, with the loss per metre each entry
// writes and the cable loss of 100 m of it, rounded to one decimal.
const struct {
    const char* entry;
    const char* perMetre; // "." for the decimal separator
    const char* per100m;  // likewise
} kCatalogue[] = {
    {"WBC240 - 39.83db/100m", "0.3983", "39.8"},  {"WBC100 - 121.5db/100m", "1.215", "121.5"},
    {"WBC195 - 57.64db/100m", "0.5764", "57.6"},  {"WBC200 - 51.65db/100m", "0.5165", "51.7"},
    {"WBC400 - 22.44db/100m", "0.2244", "22.4"},  {"WBC600 - 14.52db/100m", "0.1452", "14.5"},
    {"LMR900 - 8.6db/100m", "0.086", "8.6"},      {"AirCell 7 - 39.9db/100m", "0.399", "39.9"},
    {"Ecoflex10 - 23.6db/100m", "0.236", "23.6"}, {"Aircom Plus - 22.1db/100m", "0.221", "22.1"},
    {"Ecoflex15 - 16.3db/100m", "0.163", "16.3"}, {"1/4'' Hiflex - 18.33db/100m", "0.1833", "18.3"},
    {"RG316 - 100db/100m", "1", "100"},           {"RG213 - 46db/100m", "0.46", "46"},
};

// Clicks a list entry with the mouse, scrolled into view first.
void clickEntry(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    QVERIFY(item);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    QCOMPARE(list->selectedItems().value(0), item);
}

void press(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class TestCableChooser : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void closedAtStart() {
        const auto window = openWindowIn(QStringLiteral("en_US"));
        QVERIFY(window);
        const auto& c = window->controls();
        QVERIFY(c.List1->isHidden());
        QCOMPARE(c.List1->count(), 0);
        QCOMPARE(c.cmdChoose->text(), kClosed);
        QCOMPARE(c.cmdchoose2->text(), kClosed);
    }

    void openAndClose_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("end");
        for (const char* locale : {"en_US", "de_DE"}) {
            QTest::addRow("%s end1", locale) << locale << 1;
            QTest::addRow("%s end2", locale) << locale << 2;
        }
    }

    // Opening shows the whole catalogue level with the button, over the fields
    // below; a click in the list writes nothing; closing writes the figure.
    void openAndClose() {
        QFETCH(QString, locale);
        QFETCH(int, end);
        const auto window = openWindowIn(locale);
        QVERIFY(window);
        const auto& c = window->controls();
        QPushButton* button = end == 1 ? c.cmdChoose : c.cmdchoose2;
        QPushButton* other = end == 1 ? c.cmdchoose2 : c.cmdChoose;
        QLineEdit* loss = end == 1 ? c.Text4 : c.Text8;
        QLineEdit* otherLoss = end == 1 ? c.Text8 : c.Text4;
        QLabel* label = end == 1 ? c.lblCableLoss : c.lblCableLoss2;
        const QRect laidOut = c.List1->geometry();

        press(button);
        QVERIFY(c.List1->isVisible());
        QCOMPARE(c.List1->y(), end == 1 ? kTopEnd1 : kTopEnd2);
        QCOMPARE(c.List1->x(), laidOut.x());
        QCOMPARE(c.List1->size(), laidOut.size());
        QCOMPARE(button->text(), kOpen);
        QCOMPARE(other->text(), kClosed);
        QCOMPARE(c.List1->count(), 14);
        for (int row = 0; row < 14; ++row)
            QCOMPARE(c.List1->item(row)->text(), QString::fromUtf8(kCatalogue[row].entry));
        // Above the text boxes it covers: a click on the list lands on the list.
        QWidget* under = window->childAt(c.List1->geometry().center());
        QVERIFY(under && (under == c.List1 || c.List1->isAncestorOf(under)));

        for (QLineEdit* field : {c.Text5, c.Text7}) // typing elsewhere keeps it open
            typeInto(field, QStringLiteral("10"));
        for (QLineEdit* field : {c.Text6, c.Text1})
            typeInto(field, QStringLiteral("2"));
        QVERIFY(c.List1->isVisible());

        clickEntry(c.List1, 12); // RG316
        QCOMPARE(loss->text(), QString());
        QVERIFY(c.List1->isVisible());

        press(button);
        QCOMPARE(loss->text(), QStringLiteral("1"));
        QCOMPARE(otherLoss->text(), QString());
        QCOMPARE(label->text(), localized(QStringLiteral("10.5"))); // 1 dB/m x 10 m + 2 x 0.25
        QVERIFY(c.List1->isHidden());
        QCOMPARE(c.cmdChoose->text(), kClosed);
        QCOMPARE(c.cmdchoose2->text(), kClosed);
        QCOMPARE(c.List1->y(), end == 1 ? kTopEnd1 : kTopEnd2);
    }

    void crossEndClosing_data() {
        QTest::addColumn<int>("opener");
        QTest::newRow("opened at end 1, closed at end 2") << 1;
        QTest::newRow("opened at end 2, closed at end 1") << 2;
    }

    // Whichever end opened it, the closing button's end gets the figure and
    // both buttons read "..." again.
    void crossEndClosing() {
        QFETCH(int, opener);
        const auto window = openWindowIn(QStringLiteral("de_DE"));
        QVERIFY(window);
        const auto& c = window->controls();
        QPushButton* opening = opener == 1 ? c.cmdChoose : c.cmdchoose2;
        QPushButton* closing = opener == 1 ? c.cmdchoose2 : c.cmdChoose;
        QLineEdit* openerLoss = opener == 1 ? c.Text4 : c.Text8;
        QLineEdit* closerLoss = opener == 1 ? c.Text8 : c.Text4;
        typeInto(openerLoss, QStringLiteral("0,5"));

        press(opening);
        QCOMPARE(opening->text(), kOpen);
        clickEntry(c.List1, 1); // WBC100
        press(closing);
        QCOMPARE(closerLoss->text(), QStringLiteral("1,215"));
        QCOMPARE(openerLoss->text(), QStringLiteral("0,5"));
        QCOMPARE(c.cmdChoose->text(), kClosed);
        QCOMPARE(c.cmdchoose2->text(), kClosed);
        QVERIFY(c.List1->isHidden());
        QCOMPARE(c.List1->y(), opener == 1 ? kTopEnd2 : kTopEnd1);

        // The next click on the first button opens again, at its own end.
        press(opening);
        QVERIFY(c.List1->isVisible());
        QCOMPARE(opening->text(), kOpen);
        QCOMPARE(closing->text(), kClosed);
        QCOMPARE(c.List1->y(), opener == 1 ? kTopEnd1 : kTopEnd2);
    }

    void noSelectionLeavesTheField_data() {
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("before");
        QTest::newRow("end1 empty") << 1 << "";
        QTest::newRow("end1 typed") << 1 << "0.22";
        QTest::newRow("end2 empty") << 2 << "";
        QTest::newRow("end2 typed") << 2 << "0.10";
    }

    void noSelectionLeavesTheField() {
        QFETCH(int, end);
        QFETCH(QString, before);
        const auto window = openWindowIn(QStringLiteral("en_US"));
        QVERIFY(window);
        const auto& c = window->controls();
        QPushButton* button = end == 1 ? c.cmdChoose : c.cmdchoose2;
        QLineEdit* loss = end == 1 ? c.Text4 : c.Text8;
        if (!before.isEmpty()) typeInto(loss, before);

        press(button);
        QVERIFY(c.List1->selectedItems().isEmpty());
        press(button);
        QCOMPARE(loss->text(), before);
        QCOMPARE(button->text(), kClosed);
        QVERIFY(c.List1->isHidden());
    }

    // The list is filled once: it keeps 14 entries and the last selection over
    // many openings, and each closing writes the kept selection again.
    void manyOpenings() {
        const auto window = openWindowIn(QStringLiteral("el_GR"));
        QVERIFY(window);
        const auto& c = window->controls();
        press(c.cmdChoose);
        clickEntry(c.List1, 6); // LMR900
        press(c.cmdChoose);
        QCOMPARE(c.Text4->text(), QStringLiteral("0,086"));

        for (int opening = 0; opening < 25; ++opening) {
            QPushButton* button = opening % 2 == 0 ? c.cmdchoose2 : c.cmdChoose;
            QLineEdit* loss = opening % 2 == 0 ? c.Text8 : c.Text4;
            loss->clear();
            press(button);
            QCOMPARE(c.List1->count(), 14);
            QCOMPARE(c.List1->selectedItems().size(), 1);
            QCOMPARE(c.List1->selectedItems().first()->text(),
                     QStringLiteral("LMR900 - 8.6db/100m"));
            press(button);
            QCOMPARE(loss->text(), QStringLiteral("0,086"));
        }

        press(c.cmdchoose2);
        clickEntry(c.List1, 13); // RG213, the last entry
        press(c.cmdchoose2);
        QCOMPARE(c.Text8->text(), QStringLiteral("0,46"));
        press(c.cmdChoose);
        QCOMPARE(c.List1->selectedItems().first()->text(), QStringLiteral("RG213 - 46db/100m"));
        QCOMPARE(c.List1->count(), 14);
    }

    void everyEntry_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("perMetre");
        QTest::addColumn<QString>("per100m");
        for (const char* locale : {"en_US", "de_DE"}) {
            for (int row = 0; row < 14; ++row) {
                QTest::addRow("%s %s", locale, kCatalogue[row].entry)
                    << locale << row << kCatalogue[row].perMetre << kCatalogue[row].per100m;
            }
        }
    }

    // Each entry writes its loss per metre in the user's number form, at both
    // ends (the end alternates with the entry), and the engine reads it back.
    void everyEntry() {
        QFETCH(QString, locale);
        QFETCH(int, row);
        QFETCH(QString, perMetre);
        QFETCH(QString, per100m);
        const auto window = openWindowIn(locale);
        QVERIFY(window);
        const auto& c = window->controls();
        const bool end1 = row % 2 == 0;
        QPushButton* button = end1 ? c.cmdChoose : c.cmdchoose2;
        QLineEdit* loss = end1 ? c.Text4 : c.Text8;
        QLineEdit* length = end1 ? c.Text5 : c.Text7;
        QLineEdit* connectors = end1 ? c.Text6 : c.Text1;
        QLabel* label = end1 ? c.lblCableLoss : c.lblCableLoss2;
        typeInto(length, QStringLiteral("100"));
        typeInto(connectors, QStringLiteral("0"));

        press(button);
        clickEntry(c.List1, row);
        press(button);
        QCOMPARE(loss->text(), localized(perMetre));
        // The cable-loss label follows the written field: 100 m of the cable.
        QCOMPARE(label->text(), localized(per100m));
    }
};

QTEST_MAIN(TestCableChooser)
#include "tst_cable_chooser.moc"
