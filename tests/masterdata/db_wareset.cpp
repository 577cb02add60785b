#include <QtTest/QTest>

#include "data/QuerySet.h"
#include "masterdata/WareSet.h"
#include "masterdata/WareWhere.h"
#include "support/TestSupport.h"

namespace {

void AddClass(TDatabase& db, int id, const QString& code, const QString& name) {
    db.ExecSql(QStringLiteral("insert into wareclass(Id, Code, Name, SlfId, PrtId) "
                              "values(:Id, :Code, :Name, :Id, 0)"),
               {DBParam(QStringLiteral("Id"), id), DBParam(QStringLiteral("Code"), code),
                DBParam(QStringLiteral("Name"), name)});
}

void AddWare(TDatabase& db, int id, const QVariant& classId, const QString& code,
             const QString& name, const QString& location = QString()) {
    db.ExecSql(QStringLiteral("insert into ware(Id, ClassId, Code, Name, PartNo, Brand, Package, "
                              "Barcode, LookId, Location, CostId) values(:Id, :ClassId, :Code, "
                              ":Name, '', '', '', '', '', :Location, 1)"),
               {DBParam(QStringLiteral("Id"), id),
                DBParam(QStringLiteral("ClassId"),
                        classId.isValid() ? classId : QVariant(QMetaType::fromType<int>())),
                DBParam(QStringLiteral("Code"), code), DBParam(QStringLiteral("Name"), name),
                DBParam(QStringLiteral("Location"), location)});
}

// Classes 3. > 3.4. > 3.4.9. and the sibling 33.; one ware in each, one unclassified.
void AddTree(TDatabase& db) {
    AddClass(db, 1, QStringLiteral("3."), QStringLiteral("三"));
    AddClass(db, 2, QStringLiteral("3.4."), QStringLiteral("三四"));
    AddClass(db, 3, QStringLiteral("3.4.9."), QStringLiteral("三四九"));
    AddClass(db, 4, QStringLiteral("33."), QStringLiteral("三三"));
    AddWare(db, 1, 1, QStringLiteral("W3"), QStringLiteral("甲"), QStringLiteral("A-1"));
    AddWare(db, 2, 2, QStringLiteral("W34"), QStringLiteral("乙"), QStringLiteral("A-2"));
    AddWare(db, 3, 3, QStringLiteral("W349"), QStringLiteral("丙"), QStringLiteral("B-1"));
    AddWare(db, 4, 4, QStringLiteral("W33"), QStringLiteral("丁"), QStringLiteral("B-2"));
    AddWare(db, 5, QVariant(), QStringLiteral("W0"), QStringLiteral("戊"));
}

QStringList Codes(TWareSet& set) {
    QStringList codes;
    for (int v = 0; v < set.RecordCount(); ++v)
        codes << set.CodeFld->StringAt(v);
    return codes;
}

RWare NewWare(const QString& code, const QString& name) {
    RWare w;
    w.Code = code;
    w.Name = name;
    w.PartNo = QStringLiteral("10K");
    w.Brand = QStringLiteral("国巨");
    w.Package = QStringLiteral("0603");
    w.Barcode = QStringLiteral("690001");
    w.LookId = QStringLiteral("DZ");
    w.Unit = QStringLiteral("只");
    w.CostId = 1;
    return w;
}

int WareCount(TDatabase& db) {
    TRecordSet rs(&db);
    rs.OpenSql(QStringLiteral("select count(*) from ware"));
    return int(rs.Field(0)->AsInteger());
}

}  // namespace

class WareSetTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void newWareGetsNextKey();
    void duplicateRule_data();
    void duplicateRule();
    void fieldsAndCostName();
    void classFilter_data();
    void classFilter();
    void classFilterProperty();
    void typedTextWithQuote_data();
    void typedTextWithQuote();
    void nameConditionAlone();
    void locationOnlyOnTheClient();
    void moveToClass();
    void findWare();

private:
    TDatabase* db_ = nullptr;
};

void WareSetTest::init() {
    db_ = new TDatabase(QStringLiteral("t_wareset"));
    QVERIFY(OpenFreshTestDatabase(*db_));
}

void WareSetTest::cleanup() {
    delete db_;
    db_ = nullptr;
}

void WareSetTest::newWareGetsNextKey() {
    QString message;
    RWare a = NewWare(QStringLiteral("A"), QStringLiteral("电阻"));
    QVERIFY(TWareSet::Save(a, message, *db_));
    QCOMPARE(a.Id, 1);
    QVERIFY(message.isEmpty());
    RWare b = NewWare(QStringLiteral("B"), QStringLiteral("电容"));
    b.InPrice = 2.5;
    QVERIFY(TWareSet::Save(b, message, *db_));
    QCOMPARE(b.Id, 2);

    // An update keeps the key; Null numbers stay Null.
    b.Name = QStringLiteral("电容2");
    QVERIFY(TWareSet::Save(b, message, *db_));
    QCOMPARE(b.Id, 2);
    RWare read;
    QVERIFY(TWareSet::FindWare(2, read, *db_));
    QCOMPARE(read.Name, QStringLiteral("电容2"));
    QCOMPARE(read.InPrice.toDouble(), 2.5);
    QVERIFY(read.OutPrice.isNull());
    QVERIFY(read.ClassId.isNull());
    QCOMPARE(WareCount(*db_), 2);

    // An update of a ware that is gone affects no row and reports it.
    RWare gone = NewWare(QStringLiteral("G"), QStringLiteral("无"));
    gone.Id = 77;
    QVERIFY(!TWareSet::Save(gone, message, *db_));
    QCOMPARE(gone.Id, 77);
}

void WareSetTest::duplicateRule_data() {
    QTest::addColumn<bool>("edit");  // change the second ware instead of adding a new one
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("saved");
    QTest::newRow("new, all five equal") << false << QString() << false;
    QTest::newRow("edited, all five equal") << true << QString() << false;
    QTest::newRow("new, other barcode") << false << "Barcode" << false;
    QTest::newRow("edited, other look-up code") << true << "LookId" << false;
    QTest::newRow("new, other code") << false << "Code" << true;
    QTest::newRow("new, other brand") << false << "Brand" << true;
    QTest::newRow("edited, other package") << true << "Package" << true;
    QTest::newRow("edited, other part number") << true << "PartNo" << true;
}

void WareSetTest::duplicateRule() {
    QFETCH(bool, edit);
    QFETCH(QString, field);
    QFETCH(bool, saved);
    QString message;
    RWare first = NewWare(QStringLiteral("DZ-1"), QStringLiteral("电阻"));
    QVERIFY(TWareSet::Save(first, message, *db_));
    RWare other = NewWare(QStringLiteral("X"), QStringLiteral("其它"));
    QVERIFY(TWareSet::Save(other, message, *db_));

    RWare w = NewWare(QStringLiteral("DZ-1"), QStringLiteral("电阻"));
    if (edit)
        w.Id = other.Id;
    const QString changed = QStringLiteral("变");
    if (field == QLatin1String("Barcode"))
        w.Barcode = changed;
    else if (field == QLatin1String("LookId"))
        w.LookId = changed;
    else if (field == QLatin1String("Code"))
        w.Code = changed;
    else if (field == QLatin1String("Brand"))
        w.Brand = changed;
    else if (field == QLatin1String("Package"))
        w.Package = changed;
    else if (field == QLatin1String("PartNo"))
        w.PartNo = changed;
    const int idBefore = w.Id;

    QCOMPARE(TWareSet::Save(w, message, *db_), saved);
    QCOMPARE(WareCount(*db_), saved && !edit ? 3 : 2);
    if (saved) {
        QVERIFY(message.isEmpty());
        return;
    }
    QCOMPARE(w.Id, idBefore);
    QCOMPARE(message,
             QStringLiteral("\r\n对不起,已经存在该记录\t\t\r\nDZ-1\r\n电阻\r\n10K\r\n国巨\r\n"
                            "0603\r\n请检查确认Id=%1后重试!")
                 .arg(first.Id));
    RWare stored;
    QVERIFY(TWareSet::FindWare(other.Id, stored, *db_));
    QCOMPARE(stored.Code, QStringLiteral("X"));
}

void WareSetTest::fieldsAndCostName() {
    AddTree(*db_);
    TWareSet set(db_);
    QCOMPARE(set.Open(), 5);
    QVERIFY(set.Locate(QStringLiteral("Id"), 2));
    const RWare w = set.AsData();
    QCOMPARE(w.ClassId.toInt(), 2);
    QCOMPARE(w.CataCode, QStringLiteral("3.4."));
    QCOMPARE(w.CataName, QStringLiteral("三四"));
    QCOMPARE(w.CataPath, QStringLiteral("三四"));
    QCOMPARE(w.CostId, 1);
    QCOMPARE(w.CostName, QStringLiteral("移动加权平均法"));
    QCOMPARE(set.CodeFld->DisplayLabel, QStringLiteral("货号"));
    QVERIFY(!set.IdFld->Visible);
    QVERIFY(set.Locate(QStringLiteral("Id"), 5));
    QVERIFY(set.AsData().ClassId.isNull());
    QVERIFY(set.AsData().CataName.isEmpty());
}

void WareSetTest::classFilter_data() {
    QTest::addColumn<QString>("cataCode");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("class and descendants, not 33.") << "3." << QStringList{"W3", "W34", "W349"};
    QTest::newRow("inner class") << "3.4." << QStringList{"W34", "W349"};
    QTest::newRow("33.") << "33." << QStringList{"W33"};
    QTest::newRow("classified") << "sys-classed" << QStringList{"W3", "W34", "W349", "W33"};
    QTest::newRow("unclassified") << "sys-nulled" << QStringList{"W0"};
    QTest::newRow("all") << "sys-all" << QStringList{"W3", "W34", "W349", "W33", "W0"};
    QTest::newRow("none chosen") << "" << QStringList{"W3", "W34", "W349", "W33", "W0"};
}

void WareSetTest::classFilter() {
    QFETCH(QString, cataCode);
    QFETCH(QStringList, codes);
    AddTree(*db_);
    RWareWhere where;
    where.Cata.Code = cataCode;

    TWareSet server(db_);
    QCOMPARE(server.Search(where), codes.size());
    QCOMPARE(Codes(server), codes);

    TWareSet client(db_);
    QCOMPARE(client.Open(), 5);
    TWareWhere w;
    w.Assign(where);
    client.ApplyFilter(w);
    QCOMPARE(Codes(client), codes);
    QCOMPARE(client.Filtered(), !cataCode.isEmpty() && cataCode != QLatin1String("sys-all"));
}

void WareSetTest::classFilterProperty() {
    AddTree(*db_);
    TWareSet set(db_);
    set.Open();
    set.SetClassId(QStringLiteral("3."));
    QCOMPARE(Codes(set), (QStringList{"W3", "W34", "W349"}));
    set.SetWareCode(QStringLiteral("4"));
    QCOMPARE(Codes(set), (QStringList{"W34", "W349"}));
    set.SetClassId(QString());
    QCOMPARE(Codes(set), (QStringList{"W34", "W349"}));
    set.SetWareCode(QString());
    QCOMPARE(set.RecordCount(), 5);
    QVERIFY(!set.Filtered());
}

void WareSetTest::typedTextWithQuote_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("found");
    QTest::newRow("apostrophe in the name") << "O'Br" << 1;
    QTest::newRow("injection attempt") << "x' or '1'='1" << 0;
    QTest::newRow("doubled apostrophe") << "''" << 0;
}

void WareSetTest::typedTextWithQuote() {
    QFETCH(QString, typed);
    QFETCH(int, found);
    AddWare(*db_, 1, QVariant(), QStringLiteral("Q1"), QStringLiteral("O'Brien 扳手"));
    AddWare(*db_, 2, QVariant(), QStringLiteral("Q2"), QStringLiteral("普通扳手"));
    PromptRecorder rec;
    RWareWhere where;
    where.WareName = typed;
    TWareSet server(db_);
    QCOMPARE(server.Search(where), found);
    QVERIFY(rec.Prompts.isEmpty());

    TWareSet client(db_);
    client.Open();
    TWareWhere w;
    w.Assign(where);
    client.ApplyFilter(w);
    QCOMPARE(client.RecordCount(), found);
    client.SetWareName(typed);
    QCOMPARE(client.RecordCount(), found);
}

void WareSetTest::nameConditionAlone() {
    TWareWhere w;
    w.WareNameFld->SetValue(QStringLiteral("abc"));
    QCOMPARE(w.SqlText(TDialect(TBackend::SQLite)), QStringLiteral("w.Name like '%abc%'"));
    w.Reset();
    QVERIFY(w.SqlText(TDialect(TBackend::SQLite)).isEmpty());
    QVERIFY(w.FilterText().isEmpty());
}

void WareSetTest::locationOnlyOnTheClient() {
    AddTree(*db_);
    RWareWhere where;
    where.Location = QStringLiteral("B-");
    TWareSet set(db_);
    QCOMPARE(set.Search(where), 5);
    TWareWhere w;
    w.Assign(where);
    set.ApplyFilter(w);
    QCOMPARE(Codes(set), (QStringList{"W349", "W33"}));
}

void WareSetTest::moveToClass() {
    AddTree(*db_);
    TWareSet set(db_);
    set.Open();
    QVERIFY(set.Locate(QStringLiteral("Id"), 5));
    RWareCata cata;
    cata.Id = 4;
    cata.Code = QStringLiteral("33.");
    cata.Name = QStringLiteral("三三");
    QVERIFY(set.MoveToClass(cata));
    QCOMPARE(set.ClassIdFld->AsInteger(), 4);
    QCOMPARE(set.CataNameFld->AsString(), QStringLiteral("三三"));
    QCOMPARE(set.AsData().CataCode, QStringLiteral("33."));
    RWare stored;
    QVERIFY(TWareSet::FindWare(5, stored, *db_));
    QCOMPARE(stored.ClassId.toInt(), 4);

    RWareCata none;
    none.Id = -1;
    none.Code = QStringLiteral("sys-nulled");
    none.Name = QStringLiteral("未分类");
    QVERIFY(set.MoveToClass(none));
    QVERIFY(set.ClassIdFld->IsNull());
    QVERIFY(set.CataNameFld->AsString().isEmpty());
    QVERIFY(TWareSet::FindWare(5, stored, *db_));
    QVERIFY(stored.ClassId.isNull());

    TWareSet empty(db_);
    QVERIFY(!empty.SelectById(99));
    QVERIFY(!empty.MoveToClass(cata));
}

void WareSetTest::findWare() {
    AddTree(*db_);
    RWare w;
    QVERIFY(TWareSet::FindWare(3, w, *db_));
    QCOMPARE(w.Code, QStringLiteral("W349"));
    QCOMPARE(w.CataCode, QStringLiteral("3.4.9."));
    QVERIFY(!TWareSet::FindWare(42, w, *db_));
    TWareSet set(db_);
    QVERIFY(set.SelectById(3));
    QVERIFY(!set.SelectById(42));
}

LUMORA_TEST_MAIN(WareSetTest)
#include "db_wareset.moc"
