#pragma once

#include <QString>

#include "data/QuerySet.h"

// One right the operator editor offers: its caption and number.
struct TRightEntry {
    const char* Caption;  // UTF-8
    int Number;
};

// The rights in the order the editor lists them and the rights text is built in.
const TRightEntry* RightsTable(int* count);
// The rights text of the ticked rights: one ",n," entry per ticked row, in table order.
// ticked[i] belongs to row i of the table.
QString BuildRights(const QList<bool>& ticked);
// Which rows of the table a rights text holds.
QList<bool> TickedRights(const QString& rights);

// Every operator but sa, loaded when created. The writers change the database first (a
// failure, such as a login name that exists already, is thrown as EDatabaseError) and then
// mirror the change in the cached rows.
class TOperatorSet : public TRecordSet {
    Q_OBJECT
public:
    explicit TOperatorSet(TDatabase* database = nullptr, QObject* parent = nullptr);

    TField* UserIdField;
    TField* PasswdField;
    TField* NameField;
    TField* ContactField;
    TField* NoteField;
    TField* RightsField;

    bool Load();
    void AddOperator(const QString& loginId, const QString& password, const QString& rights,
                     const QString& note, const QString& contact, const QString& name);
    void UpdateOperator(const QString& loginId, const QString& password, const QString& rights,
                        const QString& note, const QString& contact, const QString& name);
    // Leaves the sa row alone.
    void DeleteOperator(const QString& loginId);
    // The login names, one per line (the login dialog's name list).
    QString LoginNames() const;

private:
    void SetRow(const QString& password, const QString& rights, const QString& note,
                const QString& contact, const QString& name);
};
