#include "shell/PickListSet.h"

#include "data/Database.h"

namespace {

const QString SelectOptions = QStringLiteral("select * from options order by [Key]");

}  // namespace

TPickListSet::TPickListSet(TDatabase* database, QObject* parent) : TRecordSet(database, parent) {
    KeyFld = AddField(TFieldKind::Integer, QStringLiteral("Key"));
    LabelFld = AddField(TFieldKind::Text, QStringLiteral("Label"));
    ListFld = AddField(TFieldKind::Memo, QStringLiteral("List"));
}

bool TPickListSet::OpenAll() {
    return Active() || OpenSql(SelectOptions) >= 0;
}

QString TPickListSet::GetList(int index) {
    if (!OpenAll() || index < 0 || index >= RecordCount())
        return {};
    return ListFld->StringAt(index);
}

void TPickListSet::SetList(int index, const QString& text, bool saveNow) {
    if (!OpenAll() || index < 0 || index >= RecordCount())
        return;
    MoveTo(index);
    ListFld->SetValue(text);
    Post();
    if (saveNow)
        StoreCurrent();
}

void TPickListSet::SaveAll() {
    if (!OpenAll())
        return;
    DisableControls();
    try {
        for (int i = 0; i < RecordCount(); ++i) {
            MoveTo(i);
            StoreCurrent();
        }
    } catch (...) {
        EnableControls();
        throw;
    }
    EnableControls();
}

void TPickListSet::StoreCurrent() {
    const TDBParameters params{DBParam(QStringLiteral("Label"), QString()),
                               DBParam(QStringLiteral("List"), ListFld->AsString()),
                               DBParam(QStringLiteral("Key"), KeyFld->AsInteger())};
    TDatabase& db = *Database();
    if (db.ExecSql(QStringLiteral("update options set [Label]=:Label, [List]=:List "
                                  "where [Key]=:Key"),
                   params) == 0)
        db.ExecSql(QStringLiteral("insert into options([Label], [List], [Key])"
                                  "values(:Label, :List, :Key)"),
                   params);
}

int TPickListSet::Count() {
    return OpenAll() ? RecordCount() : 0;
}

void TPickListSet::SetCount(int n) {
    if (!OpenAll())
        return;
    TDatabase& db = *Database();
    while (RecordCount() < n) {
        qint64 key = 0;
        db.InTrans([&] {
            key = db.NewKey(QStringLiteral("options"), QStringLiteral("[Key]"));
            db.ExecSql(
                QStringLiteral("insert into options([Key], List) values (:Key, :List)"),
                {DBParam(QStringLiteral("Key"), key), DBParam(QStringLiteral("List"), QString())});
            return true;
        });
        // The new row goes to the end of the cache, as the key order puts it; edits to the
        // other cached rows are kept.
        Last();
        Append();
        KeyFld->SetValue(key);
        ListFld->SetValue(QString());
        Post();
    }
}

TPickListSet& AppPickLists() {
    static TPickListSet pickLists;
    return pickLists;
}

TOptions::TOptions(TDatabase* database, QObject* parent) : TRecordSet(database, parent) {
    KeyFld = AddField(TFieldKind::Integer, QStringLiteral("Key"));
    ListFld = AddField(TFieldKind::Memo, QStringLiteral("List"));
}

bool TOptions::Load() {
    return OpenSql(SelectOptions) >= 0;
}

QString TOptions::GetList(int index) {
    if (!Active() && !Load())
        return {};
    return index >= 0 && index < RecordCount() ? ListFld->StringAt(index) : QString();
}
