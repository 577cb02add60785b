#pragma once

#include <QString>

class TDatabase;

// The highest sequence number one document kind may use within one month.
constexpr int MaxBillSequence = 9999;

// The next document code of a kind: the prefix, the server's year and month as "yymm" and a
// four-digit sequence within that prefix and month ("NK26120001"). The sequence continues
// from the numerically highest code of the month. Inside a transaction the table is locked
// first, so two workstations saving at once never get the same code. Empty when the month's
// sequence has reached MaxBillSequence.
QString NewBillCode(const QString& prefix, const QString& table, TDatabase& db);
QString NewBillCode(const QString& prefix, const QString& table);

// The refusal shown when NewBillCode has no code left for the month.
QString BillCodesExhaustedText();
