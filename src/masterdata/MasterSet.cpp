#include "masterdata/MasterSet.h"

namespace MasterRows {

QVariant TextParam(const QString& text) {
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

bool Save(TDatabase& db, const TMasterSql& sql, bool isNew, int& id, TDBParameters params,
          const std::function<bool()>& check) {
    int newId = id;
    const bool ok = db.InTrans([&] {
        if (check && !check())
            return false;
        if (isNew)
            newId = int(db.NewKey(sql.Table));
        for (TDBParameter& p : params)
            if (p.Name.compare(QLatin1String("Id"), Qt::CaseInsensitive) == 0)
                p.Value = newId;
        return db.ExecSql(isNew ? sql.Insert : sql.Update, params) == 1;
    });
    if (ok)
        id = newId;
    return ok;
}

bool Remove(TDatabase& db, const TMasterSql& sql, int id) {
    return db.ExecSql(sql.Delete, {DBParam(QStringLiteral("Id"), id)}) == 1;
}

void EditOrAppend(TDataSet& set, int id) {
    if (!set.Active())
        set.Open();
    if (set.Locate(QStringLiteral("Id"), id))
        set.Edit();
    else
        set.Append();
}

}  // namespace MasterRows
