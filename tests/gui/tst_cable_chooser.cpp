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

const QString kClosed = QStringLiteral("...");
const QString kOpen = QStringLiteral("OK");

// One link end's cable controls; the list opens with its top level with the
// end's button (1890 and 3848 twips).
struct CableEnd {
    QPushButton* button;
    QLineEdit* loss;
    QLineEdit* length;
    QLineEdit* connectors;
    QLabel* label;
    int listTop;
};

CableEnd endOf(const FrmMain& window, int end) {
    const auto& c = window.controls();
    if (end == 1) return {c.cmdChoose, c.Text4, c.Text5, c.Text6, c.lblCableLoss, 126};
    return {c.cmdchoose2, c.Text8, c.Text7, c.Text1, c.lblCableLoss2, 257};
}

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

    // Rows for every entry, for a list closed at the other end, and for one
    // closed without a choice.
    void choose_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("opener");
        QTest::addColumn<int>("closer");
        QTest::addColumn<int>("entry"); // clicked in the list; -1: none
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("loss");      // in the closer's loss field afterwards
        QTest::addColumn<QString>("cableLoss"); // 100 m of it, no connectors
        for (int row = 0; row < 14; ++row) {
            const char* locale = row % 2 == 0 ? "en_US" : "de_DE";
            const int end = row % 2 + 1;
            QTest::addRow("%s end%d %s", locale, end, kCatalogue[row].entry)
                << locale << end << end << row << "" << kCatalogue[row].perMetre
                << kCatalogue[row].per100m;
        }
        QTest::newRow("opened at end 1, closed at end 2") << "de_DE" << 1 << 2 << 1 << ""
                                                          << "1.215"
                                                          << "121.5";
        QTest::newRow("opened at end 2, closed at end 1") << "en_US" << 2 << 1 << 1 << "0.22"
                                                          << "1.215"
                                                          << "121.5";
        QTest::newRow("no choice, empty") << "en_US" << 1 << 1 << -1 << ""
                                          << ""
                                          << "0";
        QTest::newRow("no choice, typed") << "de_DE" << 2 << 2 << -1 << "0.10"
                                          << "0.10"
                                          << "10";
    }

    // Opening shows the whole catalogue level with the clicked button, over the
    // fields below; typing elsewhere or a click in the list writes nothing; the
    // next click on either button closes it and writes the chosen cable's loss
    // per metre into that button's end, whose cable-loss label follows.
    void choose() {
        QFETCH(QString, locale);
        QFETCH(int, opener);
        QFETCH(int, closer);
        QFETCH(int, entry);
        QFETCH(QString, before);
        QFETCH(QString, loss);
        QFETCH(QString, cableLoss);
        const auto window = openWindowIn(locale);
        QVERIFY(window);
        const auto& c = window->controls();
        const CableEnd open = endOf(*window, opener);
        const CableEnd close = endOf(*window, closer);
        const CableEnd other = endOf(*window, 3 - closer);
        const QRect laidOut = c.List1->geometry();
        if (!before.isEmpty()) typeInto(close.loss, localized(before));
        typeInto(other.loss, localized(QStringLiteral("0.5")));

        press(open.button);
        QVERIFY(c.List1->isVisible());
        QCOMPARE(c.List1->geometry(), laidOut.translated(0, open.listTop - laidOut.top()));
        QCOMPARE(open.button->text(), kOpen);
        QCOMPARE(endOf(*window, 3 - opener).button->text(), kClosed);
        QCOMPARE(c.List1->count(), 14);
        for (int row = 0; row < 14; ++row)
            QCOMPARE(c.List1->item(row)->text(), QString::fromUtf8(kCatalogue[row].entry));

        typeInto(close.length, QStringLiteral("100"));
        typeInto(close.connectors, QStringLiteral("0"));
        if (entry >= 0) clickEntry(c.List1, entry);
        QCOMPARE(close.loss->text(), localized(before));
        QVERIFY(c.List1->isVisible());

        press(close.button);
        QCOMPARE(close.loss->text(), localized(loss));
        QCOMPARE(close.label->text(), localized(cableLoss));
        QCOMPARE(other.loss->text(), localized(QStringLiteral("0.5")));
        QVERIFY(c.List1->isHidden());
        QCOMPARE(c.cmdChoose->text(), kClosed);
        QCOMPARE(c.cmdchoose2->text(), kClosed);

        // The next click on the first button opens again, at its own end.
        press(open.button);
        QVERIFY(c.List1->isVisible());
        QCOMPARE(c.List1->y(), open.listTop);
        QCOMPARE(open.button->text(), kOpen);
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
    }
};

QTEST_MAIN(TestCableChooser)
#include "tst_cable_chooser.moc"
