// The engine's number conventions taken from a QLocale, as UTF-8.

#include "app/qt_number_locale.h"

#include <QTest>

class TestQtNumberLocale : public QObject {
    Q_OBJECT

private slots:
    void conventions_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("signs"); // decimal, minus, plus, exponent
        QTest::newRow("en_US") << QLocale("en_US") << QStringList{".", "-", "+", "E"};
        QTest::newRow("el_GR") << QLocale("el_GR") << QStringList{",", "-", "+", "e"};
        QTest::newRow("sv_SE") << QLocale("sv_SE") << QStringList{",", "\u2212", "+", "\u00d710^"};
    }
    void conventions() {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, signs);
        const tarvanel::NumberLocale n = tarvanel::numberLocaleFrom(locale);
        QCOMPARE((std::vector{n.decimal, n.minus, n.plus, n.exponent}),
                 (std::vector{signs[0].toStdString(), signs[1].toStdString(),
                              signs[2].toStdString(), signs[3].toStdString()}));
    }
};

QTEST_MAIN(TestQtNumberLocale)
#include "tst_qt_number_locale.moc"
