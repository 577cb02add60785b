#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "data/QuerySet.h"

// The statements that write one reference table.
struct TMasterSql {
    QString Table;  // whose max(Id)+1 is a new row's key
    QString Insert;
    QString Update;
    QString Delete;
};

namespace MasterRows {

// A text bound as text: an empty text is stored as '' rather than Null, so the equality tests
// of the duplicate rule and of searches see what the user typed.
QVariant TextParam(const QString& text);

// Inserts (isNew: under a new key read inside the transaction) or updates one row, in one
// transaction. `check`, when given, runs first inside it and stops the save by returning
// false. True when the statement affected exactly one row; only then is `id` set to the new
// key. A failing statement rolls back and throws EDatabaseError.
bool Save(TDatabase& db, const TMasterSql& sql, bool isNew, int& id, TDBParameters params,
          const std::function<bool()>& check = {});
// Deletes the row; true when exactly one row went. A row still used by documents is refused
// by the database: EDatabaseError, nothing deleted.
bool Remove(TDatabase& db, const TMasterSql& sql, int id);

// Locates the row with the Id in the set; edits it when found, else appends a row.
void EditOrAppend(TDataSet& set, int id);

}  // namespace MasterRows

// One text column of a value record: the column's name and the record's member.
template <class R>
struct TTextColumn {
    const char* Name;
    QString R::*Member;
};

// A reference set whose value record holds Id and texts: open, open by Id, and the copies
// between the current row and a record.
template <class R>
class TMasterSet : public TQuerySet {
public:
    using Record = R;

    // Runs the open statement; the row count (-1 after a failed statement).
    int Open() { return OpenSql(openSql_); }
    // Selects the row of one Id (Id -1 gives an empty set with the fields); true when exactly
    // one row came back.
    bool OpenById(int id) { return OpenSql(byIdSql_, {DBParam(byIdParam_, id)}) == 1; }

    // The current row as a record (a Null text reads as empty, a Null Id as 0).
    void GetRecord(R& record) const {
        record.Id = int(IdFld->AsInteger());
        for (const TTextColumn<R>& c : columns_)
            record.*c.Member = FieldByName(QLatin1String(c.Name))->AsString();
    }
    // Mirrors a stored record into the local rows (nothing reaches the database).
    void PutRecord(const R& record) {
        MasterRows::EditOrAppend(*this, record.Id);
        IdFld->SetValue(record.Id);
        for (const TTextColumn<R>& c : columns_)
            FieldByName(QLatin1String(c.Name))->SetValue(record.*c.Member);
        Post();
    }

    // Id and every text column as parameters of the insert and update statements.
    static TDBParameters Params(const R& record, const QList<TTextColumn<R>>& columns) {
        TDBParameters p;
        for (const TTextColumn<R>& c : columns)
            p << DBParam(QLatin1String(c.Name), MasterRows::TextParam(record.*c.Member));
        p << DBParam(QStringLiteral("Id"), record.Id);
        return p;
    }

    TField* IdFld = nullptr;

protected:
    TMasterSet(TDatabase* database, QObject* parent, const QString& openSql, const QString& byIdSql,
               QList<TTextColumn<R>> columns, const QString& byIdParam = QStringLiteral("Id"))
        : TQuerySet(database, parent),
          openSql_(openSql),
          byIdSql_(byIdSql),
          byIdParam_(byIdParam),
          columns_(std::move(columns)) {}

private:
    QString openSql_;
    QString byIdSql_;
    QString byIdParam_;
    QList<TTextColumn<R>> columns_;
};
