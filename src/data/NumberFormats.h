#pragma once

#include <QString>

// The process-wide number patterns every quantity, unit price and amount is rounded with:
// "0." followed by one "0" per decimal place. Start-up and the options dialog set them from the
// settings (decimal places of quantities and of prices); amounts always keep two decimals.
extern QString QtyFormat;
extern QString PriceFormat;
extern QString FundFormat;

// The pattern "0." followed by `decimals` zeros (the count is taken modulo 256).
QString NumberFormatOf(int decimals);
// The number of decimals a pattern keeps ("0.00" keeps 2, "0." none).
int DecimalsOf(const QString& format);
// Rebuilds QtyFormat and PriceFormat; FundFormat stays "0.00".
void SetNumberFormats(int qtyDecimals, int priceDecimals);

// Rounds as formatting with the pattern and reading the text back does: the value is first
// written with 15 significant digits, then rounded half away from zero at the pattern's last
// decimal (so 2.675 rounds to 2.68 although its binary value lies just below).
double RoundWith(double value, const QString& format);
double RoundQty(double value);
double RoundPrice(double value);
double RoundFund(double value);
