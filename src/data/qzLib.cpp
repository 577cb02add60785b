#include "data/qzLib.h"

#include <cmath>
#include <stdexcept>

#include "data/DataSet.h"

QString RepeatChar(QChar c, int count) {
    return count > 0 ? QString(count, c) : QString();
}

QString DateText(const QDate& date) {
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QString TodayText() {
    return DateText(QDate::currentDate());
}

bool RequireOpen(const TDataSet* dataSet) {
    if (dataSet && dataSet->Active())
        return true;
    ShowInfo(QStringLiteral("\r\n系统提示：请先打开数据集再操作."));
    return false;
}

QString AmountInWords(double amount) {
    // Digits 0-9, two unused places, then the unit of each of the 15 places of the amount in
    // cents, from 10^12 yuan down to fen.
    static const QString table =
        QStringLiteral("零壹贰叁肆伍陆柒捌玖--万仟佰拾亿仟佰拾万仟佰拾元角分");
    // Banker's rounding of the cents: 0.125 yuan is 12 fen.
    const qint64 cents = qint64(std::nearbyint(amount * 100.0));
    const QString digits = QStringLiteral("%1").arg(cents, 15, 10, QLatin1Char(' '));
    QString text;
    for (int p = 0; p < 15 && p < digits.size(); ++p) {
        const QChar c = digits[p];
        if (c == QLatin1Char(' '))
            continue;
        if (!c.isDigit())
            throw std::invalid_argument("AmountInWords: negative amount");
        text += table[c.digitValue()];
        text += table[12 + p];
    }
    static const char* const steps[][2] = {
        {"零元", "元"}, {"零拾", "零"}, {"零佰", "零"},   {"零仟", "零"}, {"零万", "万"},
        {"零亿", "亿"}, {"亿万", "亿"}, {"零零零", "零"}, {"零零", "零"}, {"零万", "万"},
        {"零亿", "亿"}, {"亿万", "亿"}, {"零元", "元"},
    };
    for (const auto& step : steps)
        text.replace(QString::fromUtf8(step[0]), QString::fromUtf8(step[1]));
    if (text.contains(QStringLiteral("零分")))
        text.replace(QStringLiteral("零角"), QStringLiteral("整"));
    else
        text.replace(QStringLiteral("零角"), QStringLiteral("零"));
    text.remove(QStringLiteral("零分"));
    return text;
}
