#pragma once

#include <QDate>
#include <QMap>
#include <QString>

class TDatabase;

// The timed stock figures, each on a connected benchmark database. Times are milliseconds.
namespace StockFigures {

// The yardstick: "select WareId, sum(Qty) ... group by WareId" over the four line tables,
// every row fetched. *rows gets the number of result rows.
double ScanMs(TDatabase& db, int runs, qint64* rows = nullptr);

struct TPair {
    int House = 1;
    int Ware = 1;
};

// One stock look-up of the document editor: a new TWareCalc, OpenHouseWare, SumHouse
// (median of `runs` look-ups).
double BalancePairMs(TDatabase& db, TPair pair, int runs);
// TWareCalc.OpenAll / OpenHouse unbounded, with the sums of every ware read.
double BalanceAllMs(TDatabase& db, int runs);
double BalanceHouseMs(TDatabase& db, int house, int runs);

// The negative-stock check of a 20-line stock-out of busy wares of the warehouse, saved
// (and rolled back) each run, half of its lines issuing more than the stock.
struct TCheckFigures {
    double CheckMs = -1;    // the check the documents run on save; -1 when not built
    double LiteralMs = -1;  // whole-ledger replay: the ledger of every ware, running average
    bool Matches = false;   // both found the same wares at the same stock
    int Negatives = 0;      // wares the literal replay found short
    QString Mismatch;       // what differed
};
TCheckFigures StockCheck(TDatabase& db, int house, int runs);

// A figure run in a child process, with its memory.
struct TMemoryFigures {
    double Ms = -1;
    qint64 Rows = 0;
    long long RssBeforeKiB = 0;  // resident memory before the timed work
    long long PeakKiB = 0;       // the process's peak resident memory afterwards
    QString Error;
};
// TWareInoutSet.OpenAll unbounded.
TMemoryFigures LedgerAll(TDatabase& db);
// TStockCarrier.Carry to the date (changes the database).
TMemoryFigures CarryOver(TDatabase& db, const QDate& endDate);

}  // namespace StockFigures
