#pragma once

#include <QDate>
#include <QString>

#include "data/Prompt.h"

class TDataSet;

// The character repeated `count` times; empty for 0 or less.
QString RepeatChar(QChar c, int count);
// A date as 2013-01-15.
QString DateText(const QDate& date);
QString TodayText();
// True when the set is open; otherwise tells the user to open it first.
bool RequireOpen(const TDataSet* dataSet);
// A money amount in Chinese capital numerals as printed on documents ("壹仟零伍元整").
// Defined for 0 to less than 10^13 yuan; a negative amount throws std::invalid_argument.
QString AmountInWords(double amount);
