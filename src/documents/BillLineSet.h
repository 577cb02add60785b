#pragma once

#include <type_traits>

#include "data/ClientDataSet.h"
#include "documents/MoveBill2.h"
#include "documents/PutinBill2.h"
#include "documents/RegulateBill2.h"
#include "documents/TakeoutBill2.h"

// The in-memory lines a document editor edits: the ware's texts and reference prices for
// display, quantity, price, amount and note. Counts add the book and counted quantities.
class TBillLineSet : public TQzClientDataSet {
    Q_OBJECT
public:
    TField* dlIdFld;
    TField* MastIdFld;
    TField* WareIdFld;
    TField* WareCodeFld;
    TField* WareNameFld;
    TField* WarePartNoFld;
    TField* WareBrandFld;
    TField* WarePackageFld;
    TField* WareUnitFld;
    TField* WareLocationFld;
    TField* WareInPriceFld;
    TField* WareOutPriceFld;
    TField* WareCostIdFld;
    TField* BookQtyFld = nullptr;  // counts only
    TField* ReguQtyFld = nullptr;  // counts only
    TField* QtyFld;
    TField* PriceFld;
    TField* FundFld;
    TField* dlNoteFld;

protected:
    TBillLineSet(int noteSize, bool counted, QObject* parent);

    // Posts a pending edit and reads every row in order; the current row stays.
    template <class Line>
    QList<Line> ReadLines();
    // Replaces the rows by the lines and goes to the first.
    template <class Line>
    void WriteLines(const QList<Line>& lines);

private:
    QVariant Get(const TField* f) const { return f->IsNull() ? QVariant() : f->Value(); }
};

class TPutindlSet : public TBillLineSet {
    Q_OBJECT
public:
    explicit TPutindlSet(QObject* parent = nullptr) : TBillLineSet(50, false, parent) {}
    RPutindls AsDatas() { return ReadLines<RPutindl>(); }
    void SetAsDatas(const RPutindls& lines) { WriteLines(lines); }
};

class TTakeoutdlSet : public TBillLineSet {
    Q_OBJECT
public:
    explicit TTakeoutdlSet(QObject* parent = nullptr) : TBillLineSet(200, false, parent) {}
    RTakeoutdls AsDatas() { return ReadLines<RTakeoutdl>(); }
    void SetAsDatas(const RTakeoutdls& lines) { WriteLines(lines); }
};

class TMovedlSet : public TBillLineSet {
    Q_OBJECT
public:
    explicit TMovedlSet(QObject* parent = nullptr) : TBillLineSet(250, false, parent) {}
    RMovedls AsDatas() { return ReadLines<RMovedl>(); }
    void SetAsDatas(const RMovedls& lines) { WriteLines(lines); }
};

class TRegulatedlSet : public TBillLineSet {
    Q_OBJECT
public:
    explicit TRegulatedlSet(QObject* parent = nullptr) : TBillLineSet(50, true, parent) {}
    RRegulatedls AsDatas() { return ReadLines<RRegulatedl>(); }
    void SetAsDatas(const RRegulatedls& lines) { WriteLines(lines); }
};

template <class Line>
QList<Line> TBillLineSet::ReadLines() {
    if (Editing())
        Post();
    QList<Line> lines;
    const int current = RecNo();
    DisableControls();
    for (First(); !Eof(); Next()) {
        Line l;
        l.dlId = dlIdFld->AsInteger();
        l.MastId = MastIdFld->AsInteger();
        l.WareId = WareIdFld->AsInteger();
        l.WareCode = WareCodeFld->AsString();
        l.WareName = WareNameFld->AsString();
        l.WarePartNo = WarePartNoFld->AsString();
        l.WareBrand = WareBrandFld->AsString();
        l.WarePackage = WarePackageFld->AsString();
        l.WareUnit = WareUnitFld->AsString();
        l.WareLocation = WareLocationFld->AsString();
        l.WareInPrice = Get(WareInPriceFld);
        l.WareOutPrice = Get(WareOutPriceFld);
        l.WareCostId = int(WareCostIdFld->AsInteger());
        if constexpr (std::is_same_v<Line, RRegulatedl>) {
            l.BookQty = Get(BookQtyFld);
            l.ReguQty = Get(ReguQtyFld);
        }
        l.Qty = Get(QtyFld);
        l.Price = Get(PriceFld);
        l.Fund = Get(FundFld);
        l.dlNote = dlNoteFld->AsString();
        lines << l;
    }
    if (current >= 0)
        MoveTo(current);
    EnableControls();
    return lines;
}

template <class Line>
void TBillLineSet::WriteLines(const QList<Line>& lines) {
    DisableControls();
    if (Editing())
        Cancel();
    EmptyTable();
    for (const Line& l : lines) {
        Append();
        dlIdFld->SetValue(l.dlId);
        MastIdFld->SetValue(l.MastId);
        WareIdFld->SetValue(l.WareId);
        WareCodeFld->SetValue(l.WareCode);
        WareNameFld->SetValue(l.WareName);
        WarePartNoFld->SetValue(l.WarePartNo);
        WareBrandFld->SetValue(l.WareBrand);
        WarePackageFld->SetValue(l.WarePackage);
        WareUnitFld->SetValue(l.WareUnit);
        WareLocationFld->SetValue(l.WareLocation);
        WareInPriceFld->SetValue(l.WareInPrice);
        WareOutPriceFld->SetValue(l.WareOutPrice);
        WareCostIdFld->SetValue(l.WareCostId);
        if constexpr (std::is_same_v<Line, RRegulatedl>) {
            BookQtyFld->SetValue(l.BookQty);
            ReguQtyFld->SetValue(l.ReguQty);
        }
        QtyFld->SetValue(l.Qty);
        PriceFld->SetValue(l.Price);
        FundFld->SetValue(l.Fund);
        dlNoteFld->SetValue(l.dlNote);
        Post();
    }
    First();
    EnableControls();
}
