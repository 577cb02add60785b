#include "valuation/CostCalc.h"

#include <cmath>
#include <deque>
#include <stdexcept>

#include "data/NumberFormats.h"

namespace {

// Quantities are subtracted in binary; a remainder this close to zero is zero, so a layer
// used up exactly is not taken for a partly used one.
double Snap(double value) {
    return std::fabs(value) < 1e-9 ? 0.0 : value;
}

}  // namespace

bool IsCostMethod(int method) {
    return method >= cmMonthTotal && method <= cmLifo;
}

TCostCalc::TCostCalc(TDatabase* database, QObject* parent)
    : TQzClientDataSet(parent), InoutSet(new TWareInoutSet(database, this)) {
    OrdIdFld = AddField(TFieldKind::Integer, QStringLiteral("OrdId"), true, QStringLiteral("序"));
    BizDateFld =
        AddField(TFieldKind::DateTime, QStringLiteral("BizDate"), true, QStringLiteral("日期"));
    BriefFld =
        AddFieldDef(TFieldKind::Text, QStringLiteral("Brief"), 20, true, QStringLiteral("摘要"));
    StockQtyFld =
        AddField(TFieldKind::Float, QStringLiteral("StockQty"), true, QStringLiteral("数量"));
    InPriceFld =
        AddField(TFieldKind::Float, QStringLiteral("InPrice"), true, QStringLiteral("单价"));
    CostFundFld =
        AddField(TFieldKind::Float, QStringLiteral("CostFund"), true, QStringLiteral("金额"));
    HouseIdFld =
        AddField(TFieldKind::Integer, QStringLiteral("HouseId"), false, QStringLiteral("仓库"));
    BillTypeFld = AddField(TFieldKind::Integer, QStringLiteral("BillType"), false);
    BillIdFld = AddField(TFieldKind::Integer, QStringLiteral("BillId"), false);
    BillCodeFld =
        AddFieldDef(TFieldKind::Text, QStringLiteral("BillCode"), 30, true, QStringLiteral("编号"));
    UserCodeFld =
        AddFieldDef(TFieldKind::Text, QStringLiteral("UserCode"), 30, true, QStringLiteral("单号"));
    CreateTable();
}

int TCostCalc::Prepare(const QDate& upToDate, const QList<int>& wareIds, TLedgerColumns columns,
                       int houseId) {
    return InoutSet->OpenAll(upToDate, wareIds, columns, houseId);
}

void TCostCalc::Calc(int houseId, int wareId, int method) {
    if (InoutSet->Capped())
        throw std::logic_error("cost calculation on a ledger with rows left out");
    WareId = wareId;
    StockQty = 0;
    StockFund = 0;
    StockPrice = 0;
    // Bound grids wait until the table is whole, also when the calculation fails.
    struct THeld {
        TDataSet& set;
        explicit THeld(TDataSet& s) : set(s) { set.DisableControls(); }
        ~THeld() { set.EnableControls(); }
    } held(*this);
    EmptyTable();
    double unmet = 0;
    if (InoutSet->Active()) {
        InoutSet->SetScope(houseId, wareId);
        const int rows = InoutSet->RecordCount();
        if (rows > 0) {
            if (method == cmMonthTotal || method == cmAverage)
                RunningTotal(rows, method == cmAverage);
            else if (method == cmFifo || method == cmLifo)
                unmet = Layers(rows, method == cmFifo);
        }
    }
    // Totals pass.
    double qty = 0;
    double fund = 0;
    const int n = RecordCount();
    for (int v = 0; v < n; ++v) {
        qty += StockQtyFld->FloatAt(v);
        fund += CostFundFld->FloatAt(v);
    }
    StockFund = RoundFund(fund);
    StockQty = RoundQty(qty - unmet);
    if (StockQty != 0)
        StockPrice = RoundPrice(std::fabs(StockFund / StockQty));
    First();
}

void TCostCalc::RunningTotal(int rows, bool average) {
    const TWareInoutSet& l = *InoutSet;
    double q = 0;
    double f = 0;
    // Month by month (year x 100 + month) gives the ledger order again, so one pass serves.
    for (int v = 0; v < rows; ++v) {
        const double rowQty = l.QtyFld->FloatAt(v);
        const double s = rowQty > 0 ? 1.0 : -1.0;
        if (average) {
            if (rowQty == 0)
                continue;
            f = RoundFund(s * RoundFund(l.FundFld->FloatAt(v)) + f);
            q = RoundQty(q + rowQty);
            const double p = q == 0 ? 0 : RoundPrice(f / q);
            if (OnCostCalc)
                OnCostCalc(q, p, f);
        } else {
            q = RoundQty(q + rowQty);
            if (rowQty != 0)
                f = RoundFund(s * l.FundFld->FloatAt(v) + f);
            if (q != 0 && OnCostCalc)
                OnCostCalc(q, RoundPrice(f / q), f);
        }
    }
    Store({{q, q == 0 ? 0 : RoundPrice(f / q), f, rows - 1}});
}

double TCostCalc::Layers(int rows, bool fifo) {
    const TWareInoutSet& l = *InoutSet;
    std::deque<TLayer> layers;
    // Takes n from the layers, oldest first (fifo) or newest first; returns what no layer
    // could cover. A layer used up exactly stays with quantity 0 until the next consumption.
    const auto consume = [&](double n) {
        while (n > 0 && !layers.empty()) {
            TLayer& layer = fifo ? layers.front() : layers.back();
            n = Snap(n - layer.Qty);
            if (n > 0) {
                if (fifo)
                    layers.pop_front();
                else
                    layers.pop_back();
            } else {
                layer.Qty = std::fabs(n);
                layer.Fund = RoundFund(layer.Price * layer.Qty);
                n = 0;
            }
        }
        return n;
    };
    double unmet = 0;
    for (int v = 0; v < rows; ++v) {
        const double rowQty = l.QtyFld->FloatAt(v);
        if (rowQty > 0) {
            layers.push_back({rowQty, l.PriceFld->FloatAt(v), l.FundFld->FloatAt(v), v});
            if (unmet > 0)
                unmet = consume(unmet);
        } else {
            unmet += consume(std::fabs(rowQty));
        }
    }
    Store(std::vector<TLayer>(layers.begin(), layers.end()));
    return unmet;
}

void TCostCalc::Store(const std::vector<TLayer>& result) {
    const TWareInoutSet& l = *InoutSet;
    const int n = FieldCount();
    std::vector<QVariant> row(static_cast<size_t>(n));
    int ord = 0;
    for (const TLayer& layer : result) {
        const int v = layer.LedgerRow;
        row[size_t(OrdIdFld->Index())] = ++ord;
        row[size_t(BizDateFld->Index())] = l.BizDateFld->ValueAt(v);
        row[size_t(BriefFld->Index())] = l.BriefFld->ValueAt(v);
        row[size_t(StockQtyFld->Index())] = layer.Qty;
        row[size_t(InPriceFld->Index())] = layer.Price;
        row[size_t(CostFundFld->Index())] = layer.Fund;
        row[size_t(HouseIdFld->Index())] = l.HouseIdFld->ValueAt(v);
        row[size_t(BillTypeFld->Index())] = l.BillTypeFld->ValueAt(v);
        row[size_t(BillIdFld->Index())] = l.BillIdFld->ValueAt(v);
        row[size_t(BillCodeFld->Index())] = l.BillCodeFld->ValueAt(v);
        row[size_t(UserCodeFld->Index())] = l.UserCodeFld->ValueAt(v);
        AppendRow(row.data(), n);
    }
    EndLoad();
}
