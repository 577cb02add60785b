#include <QtTest/QTest>

#include "data/NumberFormats.h"
#include "support/TestSupport.h"

class NumberFormatsTest : public QObject {
    Q_OBJECT
private slots:
    void formats();
    void rounding_data();
    void rounding();
};

void NumberFormatsTest::formats() {
    QCOMPARE(NumberFormatOf(0), QStringLiteral("0."));
    QCOMPARE(NumberFormatOf(3), QStringLiteral("0.000"));
    QCOMPARE(NumberFormatOf(258), QStringLiteral("0.00"));  // modulo 256
    SetNumberFormats(3, 2);
    QCOMPARE(QtyFormat, QStringLiteral("0.000"));
    QCOMPARE(PriceFormat, QStringLiteral("0.00"));
    QCOMPARE(FundFormat, QStringLiteral("0.00"));
}

void NumberFormatsTest::rounding_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("rounded");
    QTest::newRow("half up") << 2.5 << "0." << 3.0;
    QTest::newRow("half away negative") << -2.5 << "0." << -3.0;
    QTest::newRow("below half") << 2.49 << "0." << 2.0;
    QTest::newRow("2.675 decimal text") << 2.675 << "0.00" << 2.68;
    QTest::newRow("1.005 decimal text") << 1.005 << "0.00" << 1.01;
    QTest::newRow("-1.005") << -1.005 << "0.00" << -1.01;
    QTest::newRow("33.333") << 100.0 / 3 << "0.00" << 33.33;
    QTest::newRow("sum noise") << 0.1 + 0.2 << "0.00" << 0.3;
    QTest::newRow("tiny to zero") << 0.004 << "0.0" << 0.0;
    QTest::newRow("0.05 to one decimal") << 0.05 << "0.0" << 0.1;
    QTest::newRow("0.5 to whole") << 0.5 << "0." << 1.0;
    QTest::newRow("large") << 123456789.125 << "0.00" << 123456789.13;
    QTest::newRow("more decimals than digits") << 1.25 << "0.00000000000000000000" << 1.25;
    QTest::newRow("zero") << 0.0 << "0.00" << 0.0;
}

void NumberFormatsTest::rounding() {
    QFETCH(double, value);
    QFETCH(QString, format);
    QFETCH(double, rounded);
    QCOMPARE(RoundWith(value, format), rounded);
}

LUMORA_TEST_MAIN(NumberFormatsTest)
#include "tst_numberformats.moc"
