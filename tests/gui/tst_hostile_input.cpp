// Hostile texts pasted or typed into the real window: a megabyte flood, ten
// thousand digits, huge exponents, look-alike digits, invisible characters.
// A field keeps what the line edit accepts; a text that is not a number acts as
// an empty field, one that overflows as a failed calculation (0 shown), and the
// window goes on ticking with well-formed labels.

#include "frm_main.h"
#include "main_window_support.h"
#include "result_label_shape.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <memory>

using tarvanel::FrmMain;
using namespace tarvanel::testing;

namespace {

constexpr int kMegabyte = 1 << 20;

QString repeated(const QString& part, int length) {
    QString text;
    text.reserve(length + part.size());
    while (text.size() < length)
        text += part;
    return text.left(length);
}

// Selects the field's text and pastes the clipboard over it with Ctrl+V.
void pasteInto(QLineEdit* field, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

// Selects the field's text and types over it, one key per character
// (QTest::keyClicks takes ASCII only).
void typeAnyInto(QLineEdit* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

enum class Entry { Typed, Pasted };

} // namespace

Q_DECLARE_METATYPE(Entry)

class TestHostileInput : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        m_window.reset();
        QLocale::setDefault(QLocale::c());
    }

    void hostileText_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Entry>("entry");
        QTest::addColumn<QString>("plain");       // typed plainly, it gives the same results
        QTest::addColumn<QStringList>("results"); // what the labels then show; empty: unchecked

        const QLocale en(QLocale::English, QLocale::UnitedStates);
        const QLocale sv(QLocale::Swedish, QLocale::Sweden); // U+2212 minus sign
        const QLocale el(QLocale::Greek, QLocale::Greece);
        const QString d = "."; // the example link in en_US
        // Link end 1's power, or anything on the path, gone: only the EIRP of end 2 stays.
        const QStringList pathGone = {"0.00 dBm", "33.50 dBm", "0.000 Km", "0.0 dB", "0.00 m"};
        const QStringList pathZero = {"32.30 dBm", "33.50 dBm", "0.000 Km", "0.0 dB", "0.00 m"};

        QTest::newRow("megabyte of digits in Text2")
            << en << "Text2" << repeated("7", kMegabyte) << Entry::Pasted << "1e39" << pathGone;
        QTest::newRow("megabyte of text in txtFrequency")
            << en << "txtFrequency" << repeated("lorem ipsum ", kMegabyte) << Entry::Pasted << ""
            << pathZero;
        QTest::newRow("megabyte of zeros in Text6")
            << en << "Text6" << repeated("0", kMegabyte) << Entry::Pasted << "0" << QStringList{};
        QTest::newRow("10,000 digits in Text11") << en << "Text11" << repeated("1234567890", 10'000)
                                                 << Entry::Pasted << "40000" << pathZero;
        QTest::newRow("10,000 digits in Text5")
            << en << "Text5" << repeated("9", 10'000) << Entry::Pasted << "1e39" << pathGone;
        QTest::newRow("1e999999 in Text3") << en << "Text3"
                                           << "1e999999" << Entry::Typed << "1e39" << pathGone;
        QTest::newRow("1e999999 in Text12") << en << "Text12"
                                            << "1e999999" << Entry::Typed << "1e39" << pathZero;
        QTest::newRow("-0 in Text2") << en << "Text2"
                                     << "-0" << Entry::Typed << "0" << QStringList{};
        QTest::newRow("-0 in txtFrequency") << en << "txtFrequency"
                                            << "-0" << Entry::Typed << "0" << pathZero;
        QTest::newRow("NaN in Text3") << en << "Text3"
                                      << "NaN" << Entry::Typed << "" << pathGone;
        QTest::newRow("Infinity in Text9")
            << en << "Text9"
            << "Infinity" << Entry::Typed << ""
            << QStringList{"32.30 dBm", "0.00 dBm", "0.000 Km", "0.0 dB", "0.00 m"};
        QTest::newRow("Arabic-Indic digits in txtFrequency")
            << en << "txtFrequency" << QStringLiteral("\u0662\u0664\u0662\u0667") << Entry::Typed
            << "" << pathZero;
        QTest::newRow("full-width digits in Text2")
            << en << "Text2" << QStringLiteral("\uff12\uff10") << Entry::Typed << "" << pathGone;
        QTest::newRow("right-to-left mark in Text11")
            << en << "Text11" << QStringLiteral("\u200f80") << Entry::Pasted << "" << pathZero;
        QTest::newRow("non-breaking space in Text4")
            << en << "Text4" << QStringLiteral("0%1\u00a022").arg(d) << Entry::Pasted << ""
            << QStringList{"35.00 dBm", "33.50 dBm", "8.271 Km", "118.5 dB", QString()};
        QTest::newRow("NUL character in Text2")
            << en << "Text2" << QStringLiteral("2") + QChar(0) + QStringLiteral("0")
            << Entry::Pasted << "" << pathGone;
        QTest::newRow("Greek letters in Text10")
            << en << "Text10" << QStringLiteral("\u03b1\u03b2\u03b3") << Entry::Typed << ""
            << QStringList{"32.30 dBm", "0.00 dBm", "6.061 Km", "115.8 dB", QString()};
        QTest::newRow("lone separator in Text12")
            << en << "Text12" << d << Entry::Typed << "" << pathZero;
        QTest::newRow("lone sign in Text3") << en << "Text3"
                                            << "-" << Entry::Typed << "" << pathGone;
        QTest::newRow("lone comma in el_GR")
            << el << "Text3"
            << "," << Entry::Typed << ""
            << QStringList{"0,00 dBm", "33,50 dBm", "0,000 Km", "0,0 dB", "0,00 m"};
        QTest::newRow("lone minus sign in sv_SE")
            << sv << "txtFrequency" << QStringLiteral("\u2212") << Entry::Typed << ""
            << QStringList{"32,30 dBm", "33,50 dBm", "0,000 Km", "0,0 dB", "0,00 m"};
        QTest::newRow("minus sign frequency in sv_SE")
            << sv << "txtFrequency" << QStringLiteral("\u22122427") << Entry::Typed << "-2427"
            << QStringList{"32,30 dBm", "33,50 dBm", QStringLiteral("\u22126,061 Km"), "115,8 dB",
                           QString()};
    }

    void hostileText() {
        QFETCH(QLocale, locale);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(Entry, entry);
        QFETCH(QString, plain);
        QFETCH(QStringList, results);
        QLocale::setDefault(locale);
        m_window = std::make_unique<FrmMain>();
        QVERIFY(showActive(*m_window));
        const auto& c = m_window->controls();
        auto* edit = m_window->findChild<QLineEdit*>(field);
        QVERIFY(edit);
        typeExampleLink(*m_window, locale.decimalPoint());

        if (entry == Entry::Pasted)
            pasteInto(edit, text);
        else
            typeAnyInto(edit, text);
        // A line edit keeps at most maxLength characters of a paste.
        QCOMPARE(edit->text(), text.left(edit->maxLength()));
        QVERIFY(waitForTick(c.Timer1));
        QCOMPARE(malformedResultLabel(*m_window, locale), QString());
        const QStringList hostile = resultLabelTexts(*m_window);
        for (int i = 0; i < results.size(); ++i) {
            if (!results[i].isNull()) QCOMPARE(hostile[i], results[i]);
        }

        typeAnyInto(edit, plain);
        if (plain.isEmpty()) QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(edit->text(), plain);
        QVERIFY(waitForTick(c.Timer1));
        QCOMPARE(hostile, resultLabelTexts(*m_window));
    }

    // A megabyte pasted into every field at once: each field takes what it
    // can, the window keeps ticking, every label stays well formed.
    void floodInEveryField_data() {
        QTest::addColumn<QString>("flood");
        QTest::addColumn<QStringList>("results");
        QTest::newRow("digits") << repeated("9", kMegabyte)
                                << QStringList{"0.00 dBm", "0.00 dBm", "0.000 Km", "0.0 dB",
                                               "0.00 m"};
        QTest::newRow("letters") << repeated(QStringLiteral("\u03b1"), kMegabyte)
                                 << QStringList{"0.00 dBm", "0.00 dBm", "0.000 Km", "0.0 dB",
                                                "0.00 m"};
    }

    void floodInEveryField() {
        QFETCH(QString, flood);
        QFETCH(QStringList, results);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_window = std::make_unique<FrmMain>();
        QVERIFY(showActive(*m_window));
        const auto& c = m_window->controls();
        for (QLineEdit* field :
             {c.txtFrequency, c.Text2, c.Text3, c.Text4, c.Text5, c.Text6, c.Text10, c.Text9,
              c.Text8, c.Text7, c.Text1, c.Text11, c.Text12}) {
            pasteInto(field, flood);
            QCOMPARE(field->text().size(), qMin<qsizetype>(flood.size(), field->maxLength()));
        }
        for (int tick = 0; tick < 3; ++tick) {
            QVERIFY(waitForTick(c.Timer1));
            QCOMPARE(resultLabelTexts(*m_window), results);
        }
        QVERIFY(waitForTick(c.Timer2));
        QVERIFY(c.lblBlink1->isHidden());
        QVERIFY(c.lblBlink2->isHidden());
        QCOMPARE(c.lblCableLoss->text(), QStringLiteral("0"));
        QCOMPARE(c.lblCableLoss2->text(), QStringLiteral("0"));
    }

private:
    std::unique_ptr<FrmMain> m_window;
};

QTEST_MAIN(TestHostileInput)
#include "tst_hostile_input.moc"
