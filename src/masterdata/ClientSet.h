#pragma once

#include <QStringList>

#include "masterdata/MasterRecords.h"
#include "masterdata/MasterSet.h"

// Clients and suppliers: the same columns in two tables.
class TPartnerSet : public TMasterSet<RClient> {
public:
    TField* LookIdFld;
    TField* NameFld;
    TField* LinkmanFld;
    TField* TelFld;
    TField* FaxFld;
    TField* AddrFld;
    TField* ZipFld;
    TField* UrlFld;
    TField* EmailFld;
    TField* LawmanFld;
    TField* TaxIdFld;
    TField* BankFld;
    TField* BankIdFld;
    TField* NoteFld;

protected:
    // captions: LookId, Name, Linkman, Tel, Fax, Addr, Zip, Url, Email, Lawman, TaxId, Bank,
    // BankId, Note.
    TPartnerSet(TDatabase* database, QObject* parent, const QString& openSql,
                const QString& byIdSql, const QStringList& captions);
    static const QList<TTextColumn<RClient>>& Columns();
};

class TClientSet : public TPartnerSet {
public:
    // Captioned by the client caption variables as they are when the set is made.
    explicit TClientSet(TDatabase* database = nullptr, QObject* parent = nullptr);

    static bool Save(RClient& record, TDatabase& db = AppDatabase());
    static bool Remove(int id, TDatabase& db = AppDatabase());
};

class TSupplierSet : public TPartnerSet {
public:
    explicit TSupplierSet(TDatabase* database = nullptr, QObject* parent = nullptr);

    static bool Save(RSupplier& record, TDatabase& db = AppDatabase());
    static bool Remove(int id, TDatabase& db = AppDatabase());
};
