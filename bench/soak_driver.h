#pragma once

// Plays a long, careless session on the real window: fields rewritten at
// random (typed or set from code, sometimes with texts that are not numbers or
// far too long), units switched, channels typed, the cable chooser opened and
// closed, and the window's timers fired between the changes. After every step
// it checks what must always hold. Used by bench/soak.

#include "app/frm_main.h"
#include "bench/timer_tick.h"
#include "cables/cable_catalogue.h"
#include "engine/link_figures.h"
#include "rules/power_unit_rules.h"
#include "tests/gui/main_window_support.h"
#include "texts/result_text.h"
#include "widgets/click_area.h"
#include "widgets/qt_number_locale.h"
#include "widgets/underline_line.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <random>
#include <vector>

namespace tarvanel::testing {

class SoakDriver {
public:
    SoakDriver(FrmMain& window, unsigned seed)
        : m_window(window)
        , m_c(window.controls())
        , m_random(seed) {
        const QString d = QLocale().decimalPoint();
        m_texts = {"20", "15", "0" + d + "22", "10", "2", "2427", " 2412", "80", "10", "-5", "0",
                   "100", "0" + d + "5", "3" + d + "5", "1e3", "", "17" + d + "355",
                   // not numbers, or numbers out of range
                   "NaN", "1e999999", "-0", QStringLiteral("\u0662\u0660"),
                   QStringLiteral("\uff12\uff10"), QStringLiteral("\u200f20"),
                   QStringLiteral("\u03b1\u03b2"), d, "-", "40000", "1e39", "abc"};
        m_fields = m_window.textFields();
    }

    // One step: a few changes, then a tick of Timer1 (and, every third step,
    // the ticks that refresh the warnings). Returns what went wrong, or an empty string.
    QString step() {
        const int changes = pick(1, 3);
        for (int i = 0; i < changes; ++i)
            changeField();
        if (chance(25)) {
            if (QString fault = useChooser(); !fault.isEmpty()) return fault;
        }
        if (chance(5)) clickClickArea();
        if (chance(5)) typeChannel();
        if (chance(5)) stepChannel();

        fireTimer(m_c.Timer1);
        ++m_ticks;
        if (m_ticks % 3 == 0) {
            // Three ticks in a row: one of them refreshes the warnings.
            fireTimer(m_c.Timer1);
            fireTimer(m_c.Timer1);
            if (QString fault = checkWarnings(); !fault.isEmpty()) return fault;
        }
        return checkAlways();
    }

    // Gives every field once the heaviest thing a step can do to it: a flood
    // typed over. A line edit then keeps an undo history as long as the flood
    // (cleared by the next write from code, its capacity kept), a bounded cost
    // that a soak measures after this rather than as growth.
    void floodAndTypeOverEveryField() {
        for (QLineEdit* field : m_fields) {
            field->setText(QString(field->maxLength(), QLatin1Char('9')));
            typeInto(field,
                     QStringLiteral("17") + QLocale().decimalPoint() + QStringLiteral("355"));
        }
    }

    int ticks() const { return m_ticks; }
    int chooserCycles() const { return m_chooserCycles; }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool chance(int percent) { return pick(1, 100) <= percent; }

    void changeField() {
        QLineEdit* field =
            m_fields[static_cast<std::size_t>(pick(0, static_cast<int>(m_fields.size()) - 1))];
        // Now and then a flood, as long as a field takes.
        if (chance(1)) {
            field->setText(QString(field->maxLength(), QLatin1Char('9')));
            return;
        }
        const QString& text = m_texts[static_cast<std::size_t>(pick(0, int(m_texts.size()) - 1))];
        const bool ascii =
            std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
        if (ascii && chance(30))
            typeInto(field, text);
        else
            field->setText(text);
    }

    // Opens the list from one "..." button, clicks a cable and closes it with
    // one of the two buttons: the clicked end's loss field gets that cable.
    QString useChooser() {
        QPushButton* buttons[] = {m_c.end1.chooseCable, m_c.end2.chooseCable};
        QLineEdit* lossFields[] = {m_c.end1.lossPerMetre, m_c.end2.lossPerMetre};
        QTest::mouseClick(buttons[pick(0, 1)], Qt::LeftButton);
        if (m_c.List1->isHidden()) return QStringLiteral("the chooser did not open");
        if (m_c.List1->count() != int(kCableCatalogue.size()))
            return QStringLiteral("List1 holds %1 entries").arg(m_c.List1->count());

        QListWidgetItem* item = m_c.List1->item(pick(0, m_c.List1->count() - 1));
        m_c.List1->scrollToItem(item);
        QTest::mouseClick(m_c.List1->viewport(), Qt::LeftButton, {},
                          m_c.List1->visualItemRect(item).center());
        if (!item->isSelected()) return QStringLiteral("a click did not select a cable");

        const int end = pick(0, 1);
        QTest::mouseClick(buttons[end], Qt::LeftButton);
        ++m_chooserCycles;
        if (!m_c.List1->isHidden()) return QStringLiteral("the chooser did not close");
        const QString expected = QString::fromStdString(
            lossPerMetreText(list_selection(m_c.List1->row(item)), numberLocaleFrom(QLocale())));
        if (lossFields[end]->text() != expected)
            return QStringLiteral("%1 holds \"%2\" after choosing \"%3\"")
                .arg(lossFields[end]->objectName(), lossFields[end]->text(), item->text());
        return {};
    }

    void clickClickArea() {
        ClickArea* pictures[] = {m_c.end1.dbmPicture, m_c.end1.mwPicture, m_c.end2.dbmPicture,
                                 m_c.end2.mwPicture};
        QTest::mouseClick(pictures[pick(0, 3)], Qt::LeftButton);
    }

    // Types a channel number into the channel box, as the user may.
    void typeChannel() {
        QLineEdit* edit = m_c.Combo1->lineEdit();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, QString::number(pick(0, 14)));
    }

    // Moves to the next or previous channel with the arrow keys, which picks it
    // from the list (and rewrites the box's text, dropping its undo history).
    void stepChannel() { QTest::keyClick(m_c.Combo1, chance(50) ? Qt::Key_Down : Qt::Key_Up); }

    // The warnings show exactly while an EIRP is above the legal limit.
    QString checkWarnings() {
        const LinkInputs inputs = m_window.inputs();
        const LinkFields& fields = inputs.link;
        const NumberLocale locale = numberLocaleFrom(QLocale());
        const std::optional<float> limit = linkFigures(inputs, locale).legalLimitDbm;
        const bool above1 = limit && exceedsLegalLimit(Calc_EIRP1(fields, locale), *limit);
        const bool above2 = limit && exceedsLegalLimit(Calc_EIRP2(fields, locale), *limit);
        if (m_c.end1.warning->isHidden() == above1 || m_c.end2.warning->isHidden() == above2)
            return QStringLiteral("a warning disagrees with its EIRP");
        return {};
    }

    // Every result label reads as an optional minus, digits, the separator, the
    // label's decimals and its unit, e.g. "-3.50 dBm" or "6,061 Km".
    QString checkAlways() {
        const QLocale locale;
        const QStringList texts = resultTexts(m_window);
        const char* units[] = {"{2} dBm", "{2} dBm", "{3} Km", "{1} dB", "{2} m"};
        for (int i = 0; i < 5; ++i) {
            const QRegularExpression shape(
                QStringLiteral("\\A(%1)?[0-9]+%2[0-9]%3\\z")
                    .arg(QRegularExpression::escape(locale.negativeSign()),
                         QRegularExpression::escape(locale.decimalPoint()),
                         QLatin1String(units[i])));
            if (!shape.match(texts[i]).hasMatch())
                return QStringLiteral("malformed result label \"%1\"").arg(texts[i]);
        }
        const int count = m_c.List1->count();
        if (count != 0 && count != int(kCableCatalogue.size()))
            return QStringLiteral("List1 holds %1 entries").arg(count);
        const LinkInputs inputs = m_window.inputs();
        for (const auto& [line, unit] : {std::pair(m_c.end1.underline, inputs.link.end1.unit),
                                         std::pair(m_c.end2.underline, inputs.link.end2.unit)}) {
            if (line->x1() != underlineEndsFor(unit).x1)
                return QStringLiteral("an underline at x1 = %1").arg(line->x1());
        }
        return {};
    }

    FrmMain& m_window;
    const FrmMain::Controls& m_c;
    std::mt19937 m_random;
    std::vector<QString> m_texts;
    QList<QLineEdit*> m_fields;
    int m_ticks = 0;
    int m_chooserCycles = 0;
};

} // namespace tarvanel::testing
