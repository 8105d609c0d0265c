// The engine's number conventions taken from a QLocale.

#include "qt_number_locale.h"

#include <QTest>

class TestQtNumberLocale : public QObject {
    Q_OBJECT

private slots:
    void conventions_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("minus");
        QTest::addColumn<QString>("plus");
        QTest::addColumn<QString>("exponent");

        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << "."
                               << "-"
                               << "+"
                               << "E";
        QTest::newRow("el_GR") << QLocale(QLocale::Greek, QLocale::Greece) << ","
                               << "-"
                               << "+"
                               << "e";
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << ","
                               << "-"
                               << "+"
                               << "E";
        // Swedish writes the minus as U+2212, more than one byte in UTF-8.
        QTest::newRow("sv_SE") << QLocale(QLocale::Swedish, QLocale::Sweden) << ","
                               << QString(QChar(0x2212)) << "+" << QString::fromUtf8("×10^");
        QTest::newRow("C") << QLocale::c() << "."
                           << "-"
                           << "+"
                           << "e";
    }

    void conventions() {
        QFETCH(QLocale, locale);
        QFETCH(QString, decimal);
        QFETCH(QString, minus);
        QFETCH(QString, plus);
        QFETCH(QString, exponent);

        const tarvanel::NumberLocale numbers = tarvanel::numberLocaleFrom(locale);
        QCOMPARE(QString::fromStdString(numbers.decimal), decimal);
        QCOMPARE(QString::fromStdString(numbers.minus), minus);
        QCOMPARE(QString::fromStdString(numbers.plus), plus);
        QCOMPARE(QString::fromStdString(numbers.exponent), exponent);
    }

    void utf8Bytes() {
        const auto numbers = tarvanel::numberLocaleFrom(QLocale(QLocale::Swedish, QLocale::Sweden));
        QCOMPARE(numbers.minus, std::string("\xE2\x88\x92"));
    }
};

QTEST_MAIN(TestQtNumberLocale)
#include "tst_qt_number_locale.moc"
