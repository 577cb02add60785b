#pragma once

#include <QString>
#include <QVariant>

#include "data/DataSet.h"
#include "data/WhereText.h"
#include "masterdata/Captions.h"
#include "masterdata/FundField.h"

class TDbSet;

// Pieces the document search sets share.
namespace DocumentColumns {

// The ware columns of a line list or per-ware summary: WareId hidden, then code, name, brand,
// package, unit, location and part number with the ware captions ("货号" and "单位" fixed).
template <class Set>
void AddWareColumns(Set& set) {
    const TCaptions& c = AppCaptions();
    set.AddField(TFieldKind::Integer, QStringLiteral("WareId"), -1, false);
    set.AddField(TFieldKind::Text, QStringLiteral("WareCode"), 50, true, QStringLiteral("货号"));
    set.AddField(TFieldKind::Text, QStringLiteral("WareName"), 50, true, c.WareName);
    set.AddField(TFieldKind::Text, QStringLiteral("WareBrand"), 50, true, c.WareBrand);
    set.AddField(TFieldKind::Text, QStringLiteral("WarePackage"), 50, true, c.WarePackage);
    set.AddField(TFieldKind::Text, QStringLiteral("WareUnit"), 50, true, QStringLiteral("单位"));
    set.AddField(TFieldKind::Text, QStringLiteral("WareLocation"), 50, true, c.WareLocation);
    set.AddField(TFieldKind::Text, QStringLiteral("WarePartNo"), 200, true, c.WarePartNo);
}

// Id (hidden), Code "编号", UserCode "单号" and BizDate with the list's date caption.
template <class Set>
void AddBillHeadColumns(Set& set, const QString& dateCaption) {
    set.AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false, QStringLiteral("Id"));
    set.AddField(TFieldKind::Text, QStringLiteral("Code"), 20, true, QStringLiteral("编号"));
    set.AddField(TFieldKind::Text, QStringLiteral("UserCode"), 30, true, QStringLiteral("单号"));
    set.AddField(TFieldKind::DateTime, QStringLiteral("BizDate"), -1, true, dateCaption);
}

// A hidden id column and the visible name column beside it ("HouseId", "HouseName").
template <class Set>
void AddIdName(Set& set, const QString& prefix, int size, const QString& caption) {
    set.AddField(TFieldKind::Integer, prefix + QStringLiteral("Id"), -1, false);
    set.AddField(TFieldKind::Text, prefix + QStringLiteral("Name"), size, true, caption);
}

// Billman "制单人", BillTime, Checkman "审核人", CheckTime and Note "备注".
template <class Set>
void AddBillTrailColumns(Set& set) {
    set.AddField(TFieldKind::Text, QStringLiteral("Billman"), 20, true, QStringLiteral("制单人"));
    set.AddField(TFieldKind::DateTime, QStringLiteral("BillTime"), -1, true,
                 QStringLiteral("制单时间"));
    set.AddField(TFieldKind::Text, QStringLiteral("Checkman"), 20, true, QStringLiteral("审核人"));
    set.AddField(TFieldKind::DateTime, QStringLiteral("CheckTime"), -1, true,
                 QStringLiteral("审核时间"));
    set.AddField(TFieldKind::Text, QStringLiteral("Note"), 50, true, QStringLiteral("备注"));
}

// The columns of a stock-in or stock-out line list: the document's columns, the ware's and the
// line's signed quantity and amount.
template <class Set>
void AddStockLineColumns(Set& set, const QString& partner, const QString& partnerCaption,
                         int signSize, int typeSize, const QString& typeCaption) {
    set.AddField(TFieldKind::Integer, QStringLiteral("KindId"), -1, false,
                 QStringLiteral("KindId"));
    AddBillHeadColumns(set, QStringLiteral("日期"));
    AddIdName(set, QStringLiteral("House"), 50, QStringLiteral("仓库"));
    AddIdName(set, QStringLiteral("Handman"), 50, QStringLiteral("经手人"));
    AddIdName(set, QStringLiteral("Dept"), 50, QStringLiteral("部门"));
    AddIdName(set, QStringLiteral("Sign"), signSize, QStringLiteral("方向"));
    AddIdName(set, QStringLiteral("Type"), typeSize, typeCaption);
    AddIdName(set, partner, 50, partnerCaption);
    set.AddField(TFieldKind::Text, QStringLiteral("BatchNo"), 30, true, AppCaptions().BatchNo);
    AddBillTrailColumns(set);
    AddWareColumns(set);
    set.AddField(TFieldKind::Float, QStringLiteral("sQty"), -1, true, QStringLiteral("数量"));
    set.AddField(TFieldKind::Float, QStringLiteral("Price"), -1, true, QStringLiteral("单价"));
    set.AddField(TFieldKind::Float, QStringLiteral("sFund"), -1, true, QStringLiteral("金额"));
    set.AddField(TFieldKind::Text, QStringLiteral("dlNote"), 50, true, QStringLiteral("明细备注"));
}

// The columns of a per-ware summary: the ware columns, tQty "数量", tFund (money) "金额" and
// tCnt "笔数".
template <class Set>
void AddSummaryColumns(Set& set, TField*& wareId, TField*& qty, TField*& fund, TField*& cnt) {
    AddWareColumns(set);
    wareId = set.FieldByName(QStringLiteral("WareId"));
    qty = set.AddField(TFieldKind::Float, QStringLiteral("tQty"), -1, true, QStringLiteral("数量"));
    fund = TFundField::Apply(
        set.AddField(TFieldKind::Float, QStringLiteral("tFund"), -1, true, QStringLiteral("金额")));
    cnt =
        set.AddField(TFieldKind::Integer, QStringLiteral("tCnt"), -1, true, QStringLiteral("笔数"));
}

// The per-ware summary of stock-in or stock-out lines, signed by the direction, grouped and
// ordered by ware class and code; conditions are appended after the join.
QString SignedSummarySql(const QString& header, const QString& lines, const TWhereText& where);

// The hidden calculated "金额(大写)" column: the amount in words of the absolute Fund of each row.
void AddFundInWords(TDataSet& set);

// " limit n" for a row cap above 0 (a null or 0 cap adds nothing).
QString RowCap(const TDialect& dialect, const QVariant& top);

// The bits of a document-list condition that reach into the lines: "<key> in (select MastId
// from <lines> where ...)" for the ware conditions, and for the line conditions when given.
void AddLineSubSelects(TWhereText& where, const QString& key, const QString& lineTable,
                       const TWhereText& wareConditions,
                       const TWhereText* lineConditions = nullptr);

}  // namespace DocumentColumns
