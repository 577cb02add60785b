#pragma once

#include <QString>

#include "data/DataSet.h"
#include "data/Database.h"

// A set read from the database: the rows of one statement, loaded into the declared fields
// (or into fields made from the result columns when none are declared). Rows are edited in
// memory only; writes go through TDatabase::ExecSql / Execute.
class TDbSet : public TDataSet {
    Q_OBJECT
public:
    // nullptr means AppDatabase().
    explicit TDbSet(TDatabase* database = nullptr, QObject* parent = nullptr);

    TDataSet* DataSet() { return this; }
    TDatabase* Database() const { return db_; }

    // Runs the statement (opening the connection when it is closed) and loads its rows.
    // Returns the row count, or -1 when the statement or the connection failed: the
    // information box "SQL语句错误,原文如下:\r\n" + SQL + "\r\n\r\n错误提示:\r\n" + the
    // provider's message has then been shown and the set is left closed. Callers test for
    // < 0 before they read. Result columns are matched to the declared fields by name without
    // regard to case; a declared field that the result lacks fails the same way, naming it.
    // A parameter that the SQL text does not contain throws EDatabaseError naming it (a
    // mistake in the program, not in the data).
    int OpenSql(const QString& sql, const TDBParameters& params = {});
    // Runs the statement of the last OpenSql again with the same parameters when the set is
    // open, with bound controls held off meanwhile; a closed set stays closed (returns -1).
    int Reopen();
    const QString& SqlText() const { return sql_; }
    const TDBParameters& Params() const { return params_; }

    int Tag = 0;  // free for the owner

    // In-memory deletes (nothing reaches the database).
    virtual void DeleteCurrent();  // the current row unless the set is empty
    virtual void DeleteAll();      // every row of the view
    // The field's text of every row of the view, first to last, joined with the separator;
    // empty when the set is closed or empty.
    QString JoinValues(const TField* field, const QString& separator) const;

protected:
    // Declares a field; size is applied when it is 0 or more.
    TField* AddDbField(TFieldKind kind, const QString& name, int size, bool visible,
                       const QString& caption);

private:
    void Load(QSqlQuery& query);
    void CreateFieldsFrom(const QSqlRecord& record);
    bool HoldsOnlyDates(const TField& field) const;

    TDatabase* db_;
    QString sql_;
    TDBParameters params_;
    bool autoFields_ = false;    // the fields were made from the last result's columns
    std::vector<bool> guessed_;  // per field: kind not yet known / known only from row one
};

// The query set: the base of the document, finder and report sets.
class TQuerySet : public TDbSet {
    Q_OBJECT
public:
    explicit TQuerySet(TDatabase* database = nullptr, QObject* parent = nullptr);
    // A field with that name, caption and visibility and a display width of 75; size -1
    // leaves the default.
    TField* AddField(TFieldKind kind, const QString& name, int size = -1, bool visible = true,
                     const QString& caption = QString());
};

// The record set: the base of the settings, operator and lookup sets and of AppRecordSet().
class TRecordSet : public TDbSet {
    Q_OBJECT
public:
    explicit TRecordSet(TDatabase* database = nullptr, QObject* parent = nullptr);
    // As TQuerySet::AddField without the display width.
    TField* AddField(TFieldKind kind, const QString& name, int size = -1, bool visible = true,
                     const QString& caption = QString());
};
