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
