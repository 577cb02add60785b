#include "documents/DocumentColumns.h"

#include <QtMath>
#include <stdexcept>

#include "data/qzLib.h"

namespace DocumentColumns {

void AddFundInWords(TDataSet& set) {
    TField* words = set.CreateCalcField(TFieldKind::Text, QStringLiteral("FundCn"), false,
                                        QStringLiteral("金额(大写)"));
    words->Size = 50;
    TField* fund = set.FieldByName(QStringLiteral("Fund"));
    set.SetOnCalcFields([words, fund](TDataSet&) {
        QString text;
        try {
            text = AmountInWords(qAbs(fund->AsFloat()));
        } catch (const std::invalid_argument&) {
            // Beyond the numerals' range: the words stay empty rather than failing the list.
        }
        words->SetValue(text);
    });
}

QString SignedSummarySql(const QString& header, const QString& lines, const TWhereText& where) {
    return QStringLiteral(
               "select WareId, w.Code as WareCode, w.Name as WareName, w.PartNo as WarePartNo, "
               "w.Brand as WareBrand, w.Package as WarePackage, w.Unit as WareUnit, w.Location as "
               "WareLocation, sum(SignId*Qty) as tQty, sum(SignId*%2.Fund) as tFund, Count(*) as "
               "tCnt from %1, %2, ware w where %1.Id=%2.MastId and WareId=w.Id  %3  group by "
               "WareId, w.ClassId, w.Code, w.Name, w.PartNo, w.Brand, w.Package, w.Unit, "
               "w.Location  order by w.ClassId, w.Code, w.Name, w.PartNo, w.Brand")
        .arg(header, lines, where.IsEmpty() ? QString() : QStringLiteral(" and ") + where.Text());
}

QString RowCap(const TDialect& dialect, const QVariant& top) {
    const int n = top.toInt();
    return n > 0 ? dialect.Limit(n) : QString();
}

void AddLineSubSelects(TWhereText& where, const QString& key, const QString& lineTable,
                       const TWhereText& wareConditions, const TWhereText* lineConditions) {
    where.AddSubSelect(key + QStringLiteral(" in (select MastId from ") + lineTable +
                           QStringLiteral(" where WareId in (select Id from ware where %1))"),
                       wareConditions);
    if (lineConditions)
        where.AddSubSelect(key + QStringLiteral(" in (select MastId from ") + lineTable +
                               QStringLiteral(" where %1)"),
                           *lineConditions);
}

}  // namespace DocumentColumns
