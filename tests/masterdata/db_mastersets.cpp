#include <QtTest/QTest>

#include "data/QuerySet.h"
#include "masterdata/Captions.h"
#include "masterdata/ClientSet.h"
#include "masterdata/DeptSet.h"
#include "masterdata/EmployeeSet.h"
#include "masterdata/HouseSet.h"
#include "masterdata/PutinTypeSet.h"
#include "masterdata/SignSets.h"
#include "masterdata/WareSet.h"
#include "support/TestSupport.h"

namespace {

enum Kind { House, Dept, Employee, Client, Supplier, PutinType, TakeoutType };

// Saves a record of the kind with the name under the Id; returns the Id after the save.
bool SaveKind(int kind, int& id, const QString& name, TDatabase& db) {
    auto save = [&](auto record, auto fn) {
        record.Id = id;
        record.Name = name;
        const bool ok = fn(record, db);
        id = record.Id;
        return ok;
    };
    switch (kind) {
        case House:
            return save(RHouse{}, [](RHouse& r, TDatabase& d) { return THouseSet::Save(r, d); });
        case Dept:
            return save(RDept{}, [](RDept& r, TDatabase& d) { return TDeptSet::Save(r, d); });
        case Employee:
            return save(REmployee{},
                        [](REmployee& r, TDatabase& d) { return TEmployeeSet::Save(r, d); });
        case Client:
            return save(RClient{}, [](RClient& r, TDatabase& d) { return TClientSet::Save(r, d); });
        case Supplier:
            return save(RSupplier{},
                        [](RSupplier& r, TDatabase& d) { return TSupplierSet::Save(r, d); });
        case PutinType:
            return save(RPutinType{},
                        [](RPutinType& r, TDatabase& d) { return TPutinTypeSet::Save(r, d); });
        default:
            return save(RTakeoutType{},
                        [](RTakeoutType& r, TDatabase& d) { return TTakeoutTypeSet::Save(r, d); });
    }
}

bool RemoveKind(int kind, int id, TDatabase& db) {
    switch (kind) {
        case House:
            return THouseSet::Remove(id, db);
        case Dept:
            return TDeptSet::Remove(id, db);
        case Employee:
            return TEmployeeSet::Remove(id, db);
        case Client:
            return TClientSet::Remove(id, db);
        case Supplier:
            return TSupplierSet::Remove(id, db);
        case PutinType:
            return TPutinTypeSet::Remove(id, db);
        default:
            return TTakeoutTypeSet::Remove(id, db);
    }
}

QString Scalar(TDatabase& db, const QString& sql) {
    TRecordSet rs(&db);
    rs.OpenSql(sql);
    return rs.Field(0)->AsString();
}

}  // namespace

class MasterSetsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void saveAndRemove_data();
    void saveAndRemove();
    void usedRowIsNotDeleted_data();
    void usedRowIsNotDeleted();
    void openByIdAndRecords();
    void clientCaptionsFollowTheVariables();
    void typeSetStoresAndRemovesItsRow();
    void signsComeNormalFirst();

private:
    TDatabase* db_ = nullptr;
};

void MasterSetsTest::init() {
    db_ = new TDatabase(QStringLiteral("t_mastersets"));
    QVERIFY(OpenFreshTestDatabase(*db_));
}

void MasterSetsTest::cleanup() {
    delete db_;
    db_ = nullptr;
}

void MasterSetsTest::saveAndRemove_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("newId");  // an Id that marks a new record
    QTest::newRow("warehouse") << int(House) << "warehouse" << 0;
    QTest::newRow("department") << int(Dept) << "department" << 0;
    QTest::newRow("employee") << int(Employee) << "employee" << 0;
    QTest::newRow("client") << int(Client) << "client" << 0;
    QTest::newRow("supplier") << int(Supplier) << "supplier" << 0;
    QTest::newRow("stock-in type") << int(PutinType) << "putintype" << -1;
    QTest::newRow("stock-out type") << int(TakeoutType) << "takeoutype" << 0;
}

void MasterSetsTest::saveAndRemove() {
    QFETCH(int, kind);
    QFETCH(QString, table);
    QFETCH(int, newId);
    db_->Execute(QStringLiteral("insert into %1(Id, Name) values(5, 'old')").arg(table));

    int id = newId;
    QVERIFY(SaveKind(kind, id, QStringLiteral("O'Neil 一号"), *db_));
    QCOMPARE(id, 6);
    QCOMPARE(Scalar(*db_, QStringLiteral("select Name from %1 where Id=6").arg(table)),
             QStringLiteral("O'Neil 一号"));
    QVERIFY(SaveKind(kind, id, QStringLiteral("二号"), *db_));
    QCOMPARE(id, 6);
    QCOMPARE(Scalar(*db_, QStringLiteral("select count(*) from %1").arg(table)),
             QStringLiteral("2"));

    int missing = 40;
    QVERIFY(!SaveKind(kind, missing, QStringLiteral("无"), *db_));
    QCOMPARE(missing, 40);

    QVERIFY(RemoveKind(kind, 6, *db_));
    QVERIFY(!RemoveKind(kind, 6, *db_));
    QCOMPARE(Scalar(*db_, QStringLiteral("select count(*) from %1").arg(table)),
             QStringLiteral("1"));
}

void MasterSetsTest::usedRowIsNotDeleted_data() {
    QTest::addColumn<QString>("use");  // a statement that makes a document use row 1
    QTest::addColumn<int>("kind");     // -1: the ware
    QTest::addColumn<QString>("table");
    QTest::newRow("warehouse of a stock-in")
        << "insert into putin(Id, Code, HouseId) values(1, 'NK1', 1)" << int(House) << "warehouse";
    QTest::newRow("client of a stock-out")
        << "insert into takeout(Id, Code, ClientId) values(1, 'CK1', 1)" << int(Client) << "client";
    QTest::newRow("employee of a transfer")
        << "insert into move(Id, Code, HandmanId) values(1, 'DB1', 1)" << int(Employee)
        << "employee";
    QTest::newRow("ware of a stock-in line")
        << "insert into putindl(dlId, MastId, WareId, Qty) values(1, 1, 1, 2)" << -1 << "ware";
}

void MasterSetsTest::usedRowIsNotDeleted() {
    QFETCH(QString, use);
    QFETCH(int, kind);
    QFETCH(QString, table);
    db_->Execute(QStringLiteral("insert into warehouse(Id, Name) values(1, '总仓')"));
    db_->Execute(QStringLiteral("insert into client(Id, Name) values(1, '客户')"));
    db_->Execute(QStringLiteral("insert into employee(Id, Name) values(1, '张三')"));
    db_->Execute(QStringLiteral("insert into ware(Id, Code, Name) values(1, 'W1', '螺丝')"));
    if (kind < 0)
        db_->Execute(QStringLiteral("insert into putin(Id, Code) values(1, 'NK1')"));
    db_->Execute(use);

    bool refused = false;
    try {
        if (kind < 0)
            TWareSet::Remove(1, *db_);
        else
            RemoveKind(kind, 1, *db_);
    } catch (const EDatabaseError&) {
        refused = true;
    }
    QVERIFY(refused);
    QCOMPARE(Scalar(*db_, QStringLiteral("select count(*) from %1 where Id=1").arg(table)),
             QStringLiteral("1"));
}

void MasterSetsTest::openByIdAndRecords() {
    RClient c;
    c.Name = QStringLiteral("华东电子");
    c.LookId = QStringLiteral("HDDZ");
    c.Lawman = QStringLiteral("李四");
    c.Note = QStringLiteral("长\r\n备注");
    QVERIFY(TClientSet::Save(c, *db_));

    TClientSet set(db_);
    QVERIFY(set.OpenById(c.Id));
    RClient read;
    set.GetRecord(read);
    QCOMPARE(read.Name, c.Name);
    QCOMPARE(read.LookId, c.LookId);
    QCOMPARE(read.Lawman, c.Lawman);
    QCOMPARE(read.Note, c.Note);
    QVERIFY(!set.OpenById(-1));
    QCOMPARE(set.RecordCount(), 0);
    QVERIFY(set.NameFld);

    RDept d;
    d.Name = QStringLiteral("生产部");
    d.Describe = QStringLiteral("外协");
    QVERIFY(TDeptSet::Save(d, *db_));
    TDeptSet depts(db_);
    QVERIFY(depts.OpenById(d.Id));
    RDept dr;
    depts.GetRecord(dr);
    QCOMPARE(dr.Describe, QStringLiteral("外协"));

    // PutRecord edits the row of the Id, or appends one.
    THouseSet houses(db_);
    QCOMPARE(houses.Open(), 0);
    RHouse h;
    h.Name = QStringLiteral("东仓");
    QVERIFY(THouseSet::Save(h, *db_));
    // Texts the record left empty are stored as empty texts, not Null.
    QCOMPARE(Scalar(*db_, QStringLiteral("select count(*) from warehouse where Tel=''")),
             QStringLiteral("1"));
    houses.PutRecord(h);
    h.Mgr = QStringLiteral("王五");
    houses.PutRecord(h);
    QCOMPARE(houses.RecordCount(), 1);
    QCOMPARE(houses.MgrFld->AsString(), QStringLiteral("王五"));
    QCOMPARE(houses.Open(), 1);
    QVERIFY(houses.MgrFld->AsString().isEmpty());
}

void MasterSetsTest::clientCaptionsFollowTheVariables() {
    const QString kept = AppCaptions().ClientName;
    AppCaptions().ClientName = QStringLiteral("会员名称");
    TClientSet clients(db_);
    AppCaptions().ClientName = kept;
    QCOMPARE(clients.NameFld->DisplayLabel, QStringLiteral("会员名称"));
    TSupplierSet suppliers(db_);
    QCOMPARE(suppliers.NameFld->DisplayLabel, QStringLiteral("单位名称"));
    QVERIFY(!suppliers.NoteFld->Visible);
}

void MasterSetsTest::typeSetStoresAndRemovesItsRow() {
    TPutinTypeSet set(db_);
    QCOMPARE(set.Open(), 0);
    QVERIFY(!set.RemoveCurrent());
    RPutinType t;
    t.Name = QStringLiteral("采购入库");
    QVERIFY(set.Store(t));
    QCOMPARE(t.Id, 1);
    QCOMPARE(set.RecordCount(), 1);
    QCOMPARE(Scalar(*db_, QStringLiteral("select count(*) from putintype where Corp is null and "
                                         "Dept is null")),
             QStringLiteral("1"));
    QVERIFY(set.RemoveCurrent());
    QCOMPARE(set.RecordCount(), 0);
    QCOMPARE(Scalar(*db_, QStringLiteral("select count(*) from putintype")), QStringLiteral("0"));
}

void MasterSetsTest::signsComeNormalFirst() {
    TPutinSignSet in(db_);
    QCOMPARE(in.Open(), 2);
    QCOMPARE(in.AsData().Id, 1);
    TTakeoutSignSet out(db_);
    QCOMPARE(out.Open(), 2);
    out.Last();
    RTakeoutSign s;
    out.GetRecord(s);
    QCOMPARE(s.Id, -1);
}

LUMORA_TEST_MAIN(MasterSetsTest)
#include "db_mastersets.moc"
