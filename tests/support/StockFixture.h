#pragma once

#include <QDate>
#include <QDateTime>

#include "data/Database.h"

// Stock documents written with plain SQL for the tests of the stock figures: one line per
// document, warehouses, wares and document kinds made on demand. Documents get increasing
// creation times in the order they are written, so the ledger order is the writing order
// within a business date. Amounts default to quantity x price.
class TStockFixture {
public:
    explicit TStockFixture(TDatabase& db);

    // Reference rows: warehouse `id`; ware `id` with cost method `costId`.
    void House(int id);
    void Ware(int id, int costId);

    // Each returns the document's Id. `sign` is the head's SignId (-1 a return).
    int PutIn(const QDate& date, int house, int ware, double qty, double price, double fund = Auto,
              int sign = 1);
    int TakeOut(const QDate& date, int house, int ware, double qty, double price,
                double fund = Auto, int sign = 1);
    int Move(const QDate& date, int outHouse, int inHouse, int ware, double qty, double price,
             double fund = Auto);
    // A count line with the signed difference and its signed amount.
    int Regulate(const QDate& date, int house, int ware, double qty, double price,
                 double fund = Auto);
    // Opening balances: the carry row (replaced) and one carrydl row per call.
    void CarryHead(const QDate& endDate, int id = 1);
    void CarryLine(int house, int ware, double qty, double price, double fund = Auto,
                   int mastId = 1);

    // Lines of one ware, one day apart from `firstDay`, in warehouse 1, each its own
    // document: "+10@2" stock-in of 10 at 2.00, "-4@3" stock-out of 4 at 3.00 ("-4": at 0),
    // "g2@5" count gain, "l2@10" count loss (-2, amount -20.00), "m4@2" transfer of 4 from
    // warehouse 1 to 2; "=amount" after the price gives the amount ("+3@33.333=100").
    void Lines(int ware, const QString& lines, const QDate& firstDay = QDate(2021, 1, 1));

    int Count(const QString& table);

    static constexpr double Auto = -1e300;

private:
    int Document(const QString& table, const QString& prefix, const QString& headColumns,
                 const QString& headValues, const TDBParameters& headParams, int ware, double qty,
                 double price, double fund, const QString& lineExtraColumns = {},
                 const QString& lineExtraValues = {}, const TDBParameters& lineParams = {});
    int SignedDocument(const QString& table, const QString& typeTable, const QString& prefix,
                       const QDate& date, int house, int ware, double qty, double price,
                       double fund, int sign);
    void Ensure(const QString& table, int id);
    int MaxPlusOne(const QString& table, const QString& key);

    TDatabase& db_;
};
