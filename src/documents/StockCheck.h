#pragma once

#include <QObject>
#include <functional>

#include "data/Database.h"
#include "documents/MoveBill2.h"
#include "documents/PutinBill2.h"
#include "documents/RegulateBill2.h"
#include "documents/TakeoutBill2.h"

class TuWareStockSet;

// Shown the wares that a save leaves with negative stock (each row with its stock), while the
// saving transaction is still open; the stock-shortage dialog installs itself here.
using TStockShortageHandler = std::function<void(QObject* owner, TuWareStockSet& shortWares)>;
void SetStockShortageHandler(TStockShortageHandler handler);

// The negative-stock check run after a document was written, inside its transaction, by the
// control AppSettings().NegativeStockControl: 0 passes without computing; otherwise the wares
// of the document's lines whose stock in the document's warehouse (the issuing one of a
// transfer) is negative over all dates go to the shortage handler, and the save passes with
// control 1 and is refused with any other. A ware listed is below zero after the save, whether
// or not this document made it so.
bool StockCheck(QObject* owner, const RPutin& bill, TDatabase& db = AppDatabase());
bool StockCheck(QObject* owner, const RTakeout& bill, TDatabase& db = AppDatabase());
bool StockCheck(QObject* owner, const RMove& bill, TDatabase& db = AppDatabase());
bool StockCheck(QObject* owner, const RRegulate& bill, TDatabase& db = AppDatabase());
