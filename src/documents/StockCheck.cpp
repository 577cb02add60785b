#include "documents/StockCheck.h"

#include "shell/AppSettings.h"
#include "valuation/uWareStockSet.h"

namespace {

TStockShortageHandler& ShortageHandler() {
    static TStockShortageHandler handler;
    return handler;
}

template <class Lines>
bool CheckLines(QObject* owner, const QVariant& houseId, const Lines& lines, TDatabase& db) {
    const int control = AppSettings().NegativeStockControl;
    if (control == 0)
        return true;
    TuWareStockSet set(&db);
    set.DisableControls();
    for (const RPutindl& l : lines) {
        set.Append();
        set.WareIdFld->SetValue(l.WareId);
        set.WareCodeFld->SetValue(l.WareCode);
        set.WareNameFld->SetValue(l.WareName);
        set.WarePartNoFld->SetValue(l.WarePartNo);
        set.WareBrandFld->SetValue(l.WareBrand);
        set.WarePackageFld->SetValue(l.WarePackage);
        set.WareUnitFld->SetValue(l.WareUnit);
        set.WareLocationFld->SetValue(l.WareLocation);
        set.WareInPriceFld->SetValue(l.WareInPrice);
        set.WareOutPriceFld->SetValue(l.WareOutPrice);
        set.WareCostIdFld->SetValue(l.WareCostId);
        set.Post();
    }
    set.EnableControls();
    if (set.FindNegatives(houseId.toInt()))
        return true;
    if (ShortageHandler())
        ShortageHandler()(owner, set);
    return control == 1;
}

}  // namespace

void SetStockShortageHandler(TStockShortageHandler handler) {
    ShortageHandler() = std::move(handler);
}

bool StockCheck(QObject* owner, const RPutin& bill, TDatabase& db) {
    return CheckLines(owner, bill.HouseId, bill.Lines, db);
}

bool StockCheck(QObject* owner, const RTakeout& bill, TDatabase& db) {
    return CheckLines(owner, bill.HouseId, bill.Lines, db);
}

bool StockCheck(QObject* owner, const RMove& bill, TDatabase& db) {
    return CheckLines(owner, bill.OutId, bill.Lines, db);
}

bool StockCheck(QObject* owner, const RRegulate& bill, TDatabase& db) {
    return CheckLines(owner, bill.HouseId, bill.Lines, db);
}
