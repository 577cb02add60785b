#include "data/NumberFormats.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

QString QtyFormat = QStringLiteral("0.");
QString PriceFormat = QStringLiteral("0.");
QString FundFormat = QStringLiteral("0.00");

QString NumberFormatOf(int decimals) {
    const int n = ((decimals % 256) + 256) % 256;
    return QStringLiteral("0.") + QString(n, QLatin1Char('0'));
}

void SetNumberFormats(int qtyDecimals, int priceDecimals) {
    QtyFormat = NumberFormatOf(qtyDecimals);
    PriceFormat = NumberFormatOf(priceDecimals);
    FundFormat = QStringLiteral("0.00");
}

int DecimalsOf(const QString& format) {
    const int dot = format.indexOf(QLatin1Char('.'));
    return dot < 0 ? 0 : int(format.size()) - dot - 1;
}

double RoundWith(double value, const QString& format) {
    if (!std::isfinite(value) || value == 0.0) {
        return value;
    }
    const int decimals = DecimalsOf(format);
    // The 15-digit decimal text of the value, as a digit string and a decimal exponent:
    // value = 0.d1d2...d15 * 10^exponent.
    char text[64];
    std::snprintf(text, sizeof text, "%.14e", std::fabs(value));
    char digits[16];
    digits[0] = text[0];
    std::memcpy(digits + 1, text + 2, 14);
    digits[15] = '\0';
    const int exponent = std::atoi(std::strchr(text, 'e') + 1) + 1;

    // Digits kept: those before the decimal point plus `decimals` after it.
    const int kept = exponent + decimals;
    if (kept < 0) {
        return 0.0;
    }
    long double whole = 0;  // the kept digits as an integer
    for (int i = 0; i < kept && i < 15; ++i) {
        whole = whole * 10 + (digits[i] - '0');
    }
    for (int i = 15; i < kept; ++i) {
        whole *= 10;
    }
    if (kept < 15 && digits[kept] >= '5') {
        whole += 1;  // half away from zero: the sign is applied afterwards
    }
    double result;
    if (decimals == 0) {
        result = double(whole);
    } else if (whole < 9007199254740992.0L && decimals <= 22) {
        // Both operands are exact doubles (an integer below 2^53, a power of ten up to 1e22),
        // so the correctly rounded quotient is the nearest double to the rounded text: what
        // reading that text back gives, without printing it.
        static const double powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
        result = double(whole) / powers[decimals];
    } else {
        // Reading the rounded text back gives the nearest double to it.
        result = double(whole / std::pow(10.0L, decimals));
        char back[64];
        std::snprintf(back, sizeof back, "%.*f", decimals, result);
        result = std::strtod(back, nullptr);
    }
    return value < 0 ? -result : result;
}

double RoundQty(double value) {
    return RoundWith(value, QtyFormat);
}
double RoundPrice(double value) {
    return RoundWith(value, PriceFormat);
}
double RoundFund(double value) {
    return RoundWith(value, FundFormat);
}
