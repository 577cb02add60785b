#include <QtTest/QTest>

#include "data/QuerySet.h"
#include "masterdata/WareCataSet.h"
#include "support/TestSupport.h"

namespace {

RWareCata Cata(int id, const QString& code, const QString& name, int slf, int prt) {
    RWareCata c;
    c.Id = id;
    c.Code = code;
    c.Name = name;
    c.SlfId = slf;
    c.PrtId = prt;
    return c;
}

// Stored tree: 1 五金 (1.) > 2 扳手 (1.2.), 3 办公 (3.); ware 1 in class 2, ware 2 in class 3.
void AddTree(TDatabase& db) {
    for (const RWareCata& c :
         {Cata(1, "1.", "五金", 1, 0), Cata(2, "1.2.", "扳手", 2, 1), Cata(3, "3.", "办公", 3, 0)})
        db.ExecSql(
            QStringLiteral("insert into wareclass(Id, Code, Name, [Note], SlfId, PrtId) "
                           "values(:Id, :Code, :Name, '', :SlfId, :PrtId)"),
            {DBParam(QStringLiteral("Id"), c.Id), DBParam(QStringLiteral("Code"), c.Code),
             DBParam(QStringLiteral("Name"), c.Name), DBParam(QStringLiteral("SlfId"), c.SlfId),
             DBParam(QStringLiteral("PrtId"), c.PrtId)});
    db.Execute(QStringLiteral("insert into ware(Id, ClassId, Code, Name) values(1, 2, 'W1', 'a')"));
    db.Execute(QStringLiteral("insert into ware(Id, ClassId, Code, Name) values(2, 3, 'W2', 'b')"));
}

// "Id:Code:SlfId:PrtId" of every stored class in SlfId order.
QStringList StoredTree(TDatabase& db) {
    TWareCataSet set(&db);
    set.Open();
    QStringList rows;
    for (const RWareCata& c : set.Records())
        rows << QStringLiteral("%1:%2:%3:%4").arg(c.Id).arg(c.Code).arg(c.SlfId).arg(c.PrtId);
    return rows;
}

QVariant ClassOfWare(TDatabase& db, int wareId) {
    TRecordSet rs(&db);
    rs.OpenSql(QStringLiteral("select ClassId from ware where Id=:Id"),
               {DBParam(QStringLiteral("Id"), wareId)});
    return rs.Field(0)->Value();
}

}  // namespace

class WareCataSetTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void openInTreeOrder();
    void removedClassUnclassifiesItsWares();
    void failedSaveStoresNothing();

private:
    TDatabase* db_ = nullptr;
};

void WareCataSetTest::init() {
    db_ = new TDatabase(QStringLiteral("t_warecata"));
    QVERIFY(OpenFreshTestDatabase(*db_));
    AddTree(*db_);
}

void WareCataSetTest::cleanup() {
    delete db_;
    db_ = nullptr;
}

void WareCataSetTest::openInTreeOrder() {
    TWareCataSet set(db_);
    QCOMPARE(set.Open(), 3);
    RWareCata c;
    set.Last();
    set.GetRecord(c);
    QCOMPARE(c.Id, 3);
    QCOMPARE(c.Path, QStringLiteral("办公"));
    QCOMPARE(set.NameFld->DisplayLabel, QStringLiteral("类别"));
    c.Name = QStringLiteral("办公用品");
    set.PutRecord(c);
    QCOMPARE(set.RecordCount(), 3);
    QCOMPARE(set.NameFld->AsString(), QStringLiteral("办公用品"));
}

void WareCataSetTest::removedClassUnclassifiesItsWares() {
    // Class 2 goes; a new class comes in first place, 办公 becomes its child.
    RWareCatas tree = {Cata(0, "1.", "新类", 1, 0), Cata(1, "2.", "五金", 2, 0),
                       Cata(3, "1.3.", "办公", 3, 1)};
    QVERIFY(TWareCataSet::SaveTree(tree, *db_));
    QCOMPARE(tree[0].Id, 4);
    QCOMPARE(StoredTree(*db_), (QStringList{"4:1.:1:0", "1:2.:2:0", "3:1.3.:3:1"}));
    QVERIFY(ClassOfWare(*db_, 1).isNull());
    QCOMPARE(ClassOfWare(*db_, 2).toInt(), 3);
}

void WareCataSetTest::failedSaveStoresNothing() {
    // Class 9 does not exist: its update affects no row, after class 2 was deleted and the
    // new class inserted.
    RWareCatas tree = {Cata(1, "1.", "五金", 1, 0), Cata(0, "2.", "新类", 2, 0),
                       Cata(9, "3.", "幽灵", 3, 0)};
    const RWareCatas before = tree;
    const QStringList stored = StoredTree(*db_);
    try {
        TWareCataSet::SaveTree(tree, *db_);
        QFAIL("the save should fail");
    } catch (const EDatabaseError& e) {
        QCOMPARE(e.Message(), QStringLiteral("保存失败, 没有返回成功值."));
    }
    QVERIFY(!db_->InTransaction());
    QCOMPARE(StoredTree(*db_), stored);
    QCOMPARE(ClassOfWare(*db_, 1).toInt(), 2);
    QCOMPARE(tree[1].Id, 0);
    QCOMPARE(tree.size(), before.size());

    // The same tree without the stray class saves; the new class takes max(Id)+1 after the
    // deletions.
    tree.removeLast();
    QVERIFY(TWareCataSet::SaveTree(tree, *db_));
    QCOMPARE(StoredTree(*db_), (QStringList{"1:1.:1:0", "2:2.:2:0"}));
}

LUMORA_TEST_MAIN(WareCataSetTest)
#include "db_warecataset.moc"
