#include "masterdata/CostTypeSet.h"

TCostTypeSet::TCostTypeSet(TDatabase* database, QObject* parent) : TRecordSet(database, parent) {
    IdFld = AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false);
    NameFld =
        AddField(TFieldKind::Text, QStringLiteral("Name"), 30, true, QStringLiteral("成本核算法"));
}

int TCostTypeSet::Open() {
    return OpenSql(QStringLiteral("select Id,Name from costing"));
}

RCostType TCostTypeSet::AsData() const {
    return {int(IdFld->AsInteger()), NameFld->AsString()};
}

void TCostTypeSet::SetAsData(const RCostType& record) {
    IdFld->SetValue(record.Id);
    NameFld->SetValue(record.Name);
}

QString TCostTypeSet::NameOf(qint64 id) const {
    if (!Active())
        return QString();
    for (int v = 0; v < RecordCount(); ++v)
        if (!IdFld->ValueAt(v).isNull() && IdFld->IntegerAt(v) == id)
            return NameFld->StringAt(v);
    return QString();
}
