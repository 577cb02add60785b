#pragma once

#include <QString>
#include <QVariant>

#include "data/DataSet.h"
#include "data/WhereText.h"
#include "masterdata/Captions.h"

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
