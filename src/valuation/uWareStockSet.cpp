#include "valuation/uWareStockSet.h"

#include "data/Abort.h"
#include "masterdata/Captions.h"
#include "valuation/CostCalc.h"

TuWareStockSet::TuWareStockSet(TDatabase* database, QObject* parent)
    : TQzClientDataSet(parent), calc_(new TCostCalc(database, this)) {
    const TCaptions& c = AppCaptions();
    WareIdFld = AddField(TFieldKind::Integer, QStringLiteral("WareId"), false);
    WareCodeFld =
        AddFieldDef(TFieldKind::Text, QStringLiteral("WareCode"), 30, true, QStringLiteral("货号"));
    WareNameFld = AddFieldDef(TFieldKind::Text, QStringLiteral("WareName"), 30, true, c.WareName);
    WarePartNoFld =
        AddFieldDef(TFieldKind::Text, QStringLiteral("WarePartNo"), 200, true, c.WarePartNo);
    WareBrandFld =
        AddFieldDef(TFieldKind::Text, QStringLiteral("WareBrand"), 30, true, c.WareBrand);
    WarePackageFld =
        AddFieldDef(TFieldKind::Text, QStringLiteral("WarePackage"), 20, true, c.WarePackage);
    WareUnitFld =
        AddFieldDef(TFieldKind::Text, QStringLiteral("WareUnit"), 20, true, QStringLiteral("单位"));
    WareLocationFld =
        AddFieldDef(TFieldKind::Text, QStringLiteral("WareLocation"), 50, true, c.WareLocation);
    WareInPriceFld = AddField(TFieldKind::Float, QStringLiteral("WareInPrice"), true,
                              QStringLiteral("入库参考价"));
    WareOutPriceFld = AddField(TFieldKind::Float, QStringLiteral("WareOutPrice"), true,
                               QStringLiteral("出库参考价"));
    WareCostIdFld = AddField(TFieldKind::Integer, QStringLiteral("WareCostId"), false);
    StockQtyFld =
        AddField(TFieldKind::Float, QStringLiteral("StockQty"), true, QStringLiteral("库存"));
    CreateTable();
}

bool TuWareStockSet::FindNegatives(int houseId) {
    if (IsEmpty())
        return true;
    // Only the document's wares in its warehouse matter; their ledger over all dates gives
    // the same figures as the ledger of every ware, at a cost bounded by their own history.
    QList<int> wares;
    for (int v = 0; v < RecordCount(); ++v)
        wares << int(WareIdFld->IntegerAt(v));
    // A failed read has shown its message; never report "no negative stock" on it.
    if (calc_->Prepare(QDate(), wares, TLedgerColumns::FiguresOnly, houseId) < 0)
        throw EAbort();
    DisableControls();
    int v = 0;
    while (v < RecordCount()) {
        MoveTo(v);
        calc_->Calc(houseId, int(WareIdFld->AsInteger()), cmAverage);
        if (calc_->StockQty >= 0) {
            Delete();
        } else {
            StockQtyFld->SetValue(calc_->StockQty);
            Post();
            ++v;
        }
    }
    First();
    EnableControls();
    return IsEmpty();
}
