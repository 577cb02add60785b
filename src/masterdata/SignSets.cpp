#include "masterdata/SignSets.h"

#include "masterdata/MasterSet.h"

TPutinSignSet::TPutinSignSet(TDatabase* database, QObject* parent) : TRecordSet(database, parent) {
    IdFld = AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false);
    NameFld = AddField(TFieldKind::Text, QStringLiteral("Name"), 20, false, QStringLiteral("方向"));
}

int TPutinSignSet::Open() {
    return OpenSql(QStringLiteral("select * from putinsign order by Id desc"));
}

RPutinSign TPutinSignSet::AsData() const {
    return {int(IdFld->AsInteger()), NameFld->AsString()};
}

void TPutinSignSet::SetAsData(const RPutinSign& record) {
    IdFld->SetValue(record.Id);
    NameFld->SetValue(record.Name);
}

TTakeoutSignSet::TTakeoutSignSet(TDatabase* database, QObject* parent)
    : TQuerySet(database, parent) {
    IdFld = AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false);
    NameFld = AddField(TFieldKind::Text, QStringLiteral("Name"), 20, false, QStringLiteral("方向"));
}

int TTakeoutSignSet::Open() {
    return OpenSql(QStringLiteral("select * from takeoutsign order by Id desc"));
}

void TTakeoutSignSet::GetRecord(RTakeoutSign& record) const {
    record.Id = int(IdFld->AsInteger());
    record.Name = NameFld->AsString();
}

void TTakeoutSignSet::PutRecord(const RTakeoutSign& record) {
    MasterRows::EditOrAppend(*this, record.Id);
    IdFld->SetValue(record.Id);
    NameFld->SetValue(record.Name);
    Post();
}
