#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <functional>

class TDatabase;

// What a generated database holds: reference data and documents over three years.
struct TGenOptions {
    int Wares = 5000;
    int Houses = 20;
    qint64 Lines = 100000;  // document lines of all four kinds together
    quint64 Seed = 20260101;
    QDate FirstDate = QDate(2023, 1, 1);
    int Days = 1096;  // business dates run from FirstDate over this many days
};

// Counts per document kind (0 stock-in, 1 stock-out, 2 transfer, 3 stock count).
struct TGenCounts {
    std::array<qint64, 4> Docs{};
    std::array<qint64, 4> Lines{};
    qint64 TotalLines() const { return Lines[0] + Lines[1] + Lines[2] + Lines[3]; }
};

// Fills a connected, empty database: the schema and the rows of a new installation
// (DatabaseCreator), then warehouses, a class tree, wares, partners, staff and the stock
// documents, written in chronological order by multi-row prepared inserts in a few large
// transactions. Wares recur on a skewed (Zipf-like) distribution, several lines per document;
// stock-outs, returns, transfers and count losses are drawn from the stock the earlier
// documents left, so no warehouse and ware goes below zero. The same options give the same
// database. On failure false with the reason in *error.
bool GenerateStockData(TDatabase& db, const TGenOptions& options, TGenCounts* counts,
                       QString* error,
                       const std::function<void(qint64 written, qint64 total)>& progress = {});

// The ware drawn most often (rank 0), second most often (1) ... by the generator with these
// options: the same ware at every size, since the order does not depend on the lines.
int WareOfRank(const TGenOptions& options, int rank);
