#include <QtTest/QTest>
#include <cmath>

#include "data/NumberFormats.h"
#include "support/TestSupport.h"

class NumberFormatsTest : public QObject {
    Q_OBJECT
private slots:
    void formats();
    void rounding_data();
    void rounding();
    void roundingReadsTextBack();
};

namespace {

// Rounding done wholly in text: the value's 15 significant digits, rounded half away from
// zero at the last kept decimal by digit arithmetic on the text, then read back.
double RoundByText(double value, int decimals) {
    if (value == 0)
        return 0;
    QString digits = QString::asprintf("%.14e", std::fabs(value));
    const int exponent = digits.mid(digits.indexOf(QLatin1Char('e')) + 1).toInt() + 1;
    digits = digits.left(1) + digits.mid(2, 14);  // d1..d15, value = 0.d1..d15 * 10^exponent
    const int kept = exponent + decimals;
    if (kept < 0)
        return 0;
    QString whole = digits.left(qMin(kept, 15)) + QString(qMax(0, kept - 15), QLatin1Char('0'));
    if (kept < 15 && digits.at(kept) >= QLatin1Char('5')) {
        int i = whole.size() - 1;
        for (; i >= 0 && whole.at(i) == QLatin1Char('9'); --i)
            whole[i] = QLatin1Char('0');
        if (i < 0)
            whole.prepend(QLatin1Char('1'));
        else
            whole[i] = QChar(whole.at(i).unicode() + 1);
    }
    whole = QString(qMax(0, decimals + 1 - int(whole.size())), QLatin1Char('0')) + whole;
    const QString text =
        whole.left(whole.size() - decimals) + QLatin1Char('.') + whole.right(decimals);
    const double result = text.toDouble();
    return value < 0 ? -result : result;
}

}  // namespace

// Amounts, prices and quantities of every size a document holds: the rounded value is
// exactly the number its rounded text reads as.
void NumberFormatsTest::roundingReadsTextBack() {
    quint64 state = 88172645463325252ull;
    const auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    for (int i = 0; i < 200000; ++i) {
        const int decimals = int(next() % 7);
        const double scale = std::pow(10.0, double(next() % 12) - 3);
        const double value =
            (double(next() % 2000000) - 1000000) / 1000.0 * scale + (next() % 4 == 0 ? 0.005 : 0.0);
        const double got = RoundWith(value, NumberFormatOf(decimals));
        const double want = RoundByText(value, decimals);
        if (got != want)
            QFAIL(qPrintable(QStringLiteral("%1 to %2 decimals: %3, text gives %4")
                                 .arg(value, 0, 'g', 17)
                                 .arg(decimals)
                                 .arg(got, 0, 'g', 17)
                                 .arg(want, 0, 'g', 17)));
    }
}

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
