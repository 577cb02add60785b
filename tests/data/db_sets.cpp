#include <QtTest/QTest>

#include "data/FieldValue.h"
#include "data/QuerySet.h"
#include "data/WhereText.h"
#include "support/TestSupport.h"

Q_DECLARE_METATYPE(TFieldKind)

namespace {

void CreateTables(TDatabase& db) {
    const bool pg = db.IsServer();
    db.Execute(
        QStringLiteral("create table client (Id integer primary key, Name varchar(50), "
                       "LookId varchar(20))"));
    db.Execute(QStringLiteral("create table item (Id integer primary key, I integer, F %1, "
                              "T varchar(100), D %2, DT %3, B boolean)")
                   .arg(pg ? "double precision" : "DOUBLE", pg ? "date" : "DATETIME",
                        pg ? "timestamp(0)" : "DATETIME"));
}

void AddClient(TDatabase& db, int id, const QString& name) {
    db.ExecSql(QStringLiteral("insert into client(Id, Name) values(:Id, :Name)"),
               {DBParam(QStringLiteral("Id"), id), DBParam(QStringLiteral("Name"), name)});
}

const QString SqlErrorHead = QStringLiteral("\r\nSQL语句错误,原文如下:\r\n");

}  // namespace

class SetsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void maxOfEmptyTableReadsZero();
    void failingStatementShowsMessageAndReturnsMinusOne();
    void missingParameterIsAnError();
    void parametersRoundTrip_data();
    void parametersRoundTrip();
    void countsAndBigIntegers();
    void declaredFieldsMatchedWithoutCase();
    void missingDeclaredFieldNamed();
    void undeclaredFieldsFollowEachStatement();
    void columnTypeTakenFromValues();
    void undeclaredDateColumnsReadAsDates();
    void conditionWithQuoteFindsRowInjectsNothing_data();
    void conditionWithQuoteFindsRowInjectsNothing();
    void reopen();
    void joinValuesAndInMemoryDeletes();
    void appRecordSetAndClosedConnection();

private:
    TDatabase* db_ = nullptr;
};

void SetsTest::init() {
    db_ = new TDatabase(QStringLiteral("t_sets"));
    QVERIFY(OpenEmptyTestDatabase(*db_));
    CreateTables(*db_);
}

void SetsTest::cleanup() {
    delete db_;
    db_ = nullptr;
}

void SetsTest::maxOfEmptyTableReadsZero() {
    TRecordSet rs(db_);
    QCOMPARE(rs.OpenSql(QStringLiteral("select max(Id) from client")), 1);
    QVERIFY(rs.Field(0)->IsNull());
    QCOMPARE(rs.Field(0)->AsInteger(), 0);
    AddClient(*db_, 7, QStringLiteral("a"));
    QCOMPARE(rs.OpenSql(QStringLiteral("select max(Id) from client")), 1);
    QCOMPARE(rs.Field(0)->AsInteger(), 7);
}

void SetsTest::failingStatementShowsMessageAndReturnsMinusOne() {
    PromptRecorder rec;
    TQuerySet q(db_);
    q.AddField(TFieldKind::Integer, QStringLiteral("Id"));
    QCOMPARE(q.OpenSql(QStringLiteral("select Id from client")), 0);
    const QString sql = QStringLiteral("select Id from nosuchtable where Id=:Id");
    QCOMPARE(q.OpenSql(sql, {DBParam(QStringLiteral("Id"), 1)}), -1);
    QVERIFY(!q.Active());
    QCOMPARE(q.RecordCount(), 0);
    QCOMPARE(rec.Prompts.size(), 1);
    QCOMPARE(rec.Prompts[0].first, TPromptKind::Info);
    const QString head = SqlErrorHead + sql + QStringLiteral("\r\n\r\n错误提示:\r\n");
    QVERIFY2(rec.Last().startsWith(head), qPrintable(rec.Last()));
    const QString provider = rec.Last().mid(head.size());
    QVERIFY2(provider.contains(QLatin1String("nosuchtable")), qPrintable(provider));
    // The set works again afterwards.
    QCOMPARE(q.OpenSql(QStringLiteral("select Id from client")), 0);
    QVERIFY(q.Active());
}

void SetsTest::missingParameterIsAnError() {
    PromptRecorder rec;
    TQuerySet q(db_);
    try {
        q.OpenSql(QStringLiteral("select * from client where Id=:Id"),
                  {DBParam(QStringLiteral("Id"), 1), DBParam(QStringLiteral("Code"), 2)});
        QFAIL("no error");
    } catch (const EDatabaseError& e) {
        QVERIFY2(e.Message().contains(QLatin1String("Code")), qPrintable(e.Message()));
    }
    QVERIFY(rec.Prompts.isEmpty());
    QVERIFY(!q.Active());
    // Parameter names match without regard to case.
    QCOMPARE(q.OpenSql(QStringLiteral("select * from client where Id=:Id"),
                       {DBParam(QStringLiteral("ID"), 1)}),
             0);
}

void SetsTest::parametersRoundTrip_data() {
    QTest::addColumn<QString>("column");
    QTest::addColumn<TFieldKind>("kind");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("read");  // as the declared field holds it

    const QDateTime day(QDate(2013, 1, 5), QTime(0, 0));
    const QDateTime moment(QDate(2013, 1, 5), QTime(10, 20, 30));
    QTest::newRow("integer") << "I" << TFieldKind::Integer << QVariant(-42)
                             << QVariant(qint64(-42));
    QTest::newRow("float") << "F" << TFieldKind::Float << QVariant(1234.5625)
                           << QVariant(1234.5625);
    QTest::newRow("text with quotes")
        << "T" << TFieldKind::Text << QVariant(QStringLiteral("O'Brien \"x\" ''y'' \\"))
        << QVariant(QStringLiteral("O'Brien \"x\" ''y'' \\"));
    QTest::newRow("Chinese text") << "T" << TFieldKind::Text << QVariant(QStringLiteral("螺丝刀"))
                                  << QVariant(QStringLiteral("螺丝刀"));
    QTest::newRow("date") << "D" << TFieldKind::DateTime << QVariant(QDate(2013, 1, 5))
                          << QVariant(day);
    QTest::newRow("date-time") << "DT" << TFieldKind::DateTime << QVariant(moment)
                               << QVariant(moment);
    QTest::newRow("true") << "B" << TFieldKind::Boolean << QVariant(true) << QVariant(true);
    QTest::newRow("false") << "B" << TFieldKind::Boolean << QVariant(false) << QVariant(false);
    QTest::newRow("null text") << "T" << TFieldKind::Text << QVariant() << QVariant();
    QTest::newRow("null integer") << "I" << TFieldKind::Integer << QVariant() << QVariant();
    QTest::newRow("null date") << "D" << TFieldKind::DateTime << QVariant() << QVariant();
}

// A value bound by name goes in and comes back, into a declared field of its kind and into a
// field made from the result column; a bound value also selects its row.
void SetsTest::parametersRoundTrip() {
    QFETCH(QString, column);
    QFETCH(TFieldKind, kind);
    QFETCH(QVariant, value);
    QFETCH(QVariant, read);
    db_->ExecSql(QStringLiteral("insert into item(Id, %1) values(:Id, :V)").arg(column),
                 {DBParam(QStringLiteral("Id"), 1), DBParam(QStringLiteral("V"), value)});
    db_->ExecSql(QStringLiteral("insert into item(Id) values(2)"));

    TQuerySet q(db_);
    q.AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false);
    TField* f = q.AddField(kind, column, 20, true, QStringLiteral("值"));
    QCOMPARE(f->DisplayWidth, 75);
    QCOMPARE(f->Size, 20);
    const QString sql = QStringLiteral("select Id, %1 from item where Id=:Id").arg(column);
    QCOMPARE(q.OpenSql(sql, {DBParam(QStringLiteral("Id"), 1)}), 1);
    QCOMPARE(f->IsNull(), !read.isValid());
    if (read.isValid())
        QCOMPARE(f->Value(), read);

    TRecordSet rs(db_);
    QCOMPARE(rs.OpenSql(sql, {DBParam(QStringLiteral("id"), 1)}), 1);
    QCOMPARE(rs.FieldCount(), 2);
    QCOMPARE(FieldValue::ToKind(rs.Field(1)->Value(), kind), read);

    if (value.isValid()) {
        TRecordSet byValue(db_);
        QCOMPARE(byValue.OpenSql(QStringLiteral("select Id from item where %1=:V").arg(column),
                                 {DBParam(QStringLiteral("V"), value)}),
                 1);
        QCOMPARE(byValue.Field(0)->AsInteger(), 1);
    }
}

void SetsTest::countsAndBigIntegers() {
    for (int id = 1; id <= 3; ++id)
        AddClient(*db_, id, QStringLiteral("c%1").arg(id));
    TRecordSet rs(db_);
    QCOMPARE(rs.OpenSql(QStringLiteral("select count(*) as Cnt, 5000000000 as Big from client")),
             1);
    QCOMPARE(rs.Field(0)->Kind(), TFieldKind::Integer);
    QCOMPARE(rs.Field(0)->AsInteger(), 3);
    QCOMPARE(rs.Field(1)->AsInteger(), Q_INT64_C(5000000000));

    TQuerySet q(db_);
    TField* cnt = q.AddField(TFieldKind::Integer, QStringLiteral("Cnt"));
    TField* big = q.AddField(TFieldKind::Float, QStringLiteral("Big"));
    QCOMPARE(q.OpenSql(QStringLiteral("select count(*) as Cnt, 5000000000 as Big from client")), 1);
    QCOMPARE(cnt->AsInteger(), 3);
    QCOMPARE(big->AsFloat(), 5e9);
}

// PostgreSQL returns lower-case names; the declared fields find them.
void SetsTest::declaredFieldsMatchedWithoutCase() {
    AddClient(*db_, 1, QStringLiteral("甲"));
    TQuerySet q(db_);
    TField* ware = q.AddField(TFieldKind::Integer, QStringLiteral("WareId"));
    TField* name = q.AddField(TFieldKind::Text, QStringLiteral("WareName"), 50);
    TField* calc = nullptr;
    {
        TDataSet& ds = q;
        calc = ds.CreateCalcField(TFieldKind::Text, QStringLiteral("Label"));
        ds.SetOnCalcFields([&](TDataSet&) {
            calc->SetValue(name->AsString() + QString::number(ware->AsInteger()));
        });
    }
    QCOMPARE(q.OpenSql(QStringLiteral("select Name as WareName, Id as WareId from client")), 1);
    QCOMPARE(ware->AsInteger(), 1);
    QCOMPARE(name->AsString(), QStringLiteral("甲"));
    QCOMPARE(calc->AsString(), QStringLiteral("甲1"));  // not looked for in the result
}

void SetsTest::missingDeclaredFieldNamed() {
    PromptRecorder rec;
    TQuerySet q(db_);
    q.AddField(TFieldKind::Integer, QStringLiteral("Id"));
    q.AddField(TFieldKind::Text, QStringLiteral("Missing"));
    QCOMPARE(q.OpenSql(QStringLiteral("select Id from client")), -1);
    QVERIFY(!q.Active());
    QCOMPARE(rec.Prompts.size(), 1);
    QVERIFY2(rec.Last().startsWith(SqlErrorHead), qPrintable(rec.Last()));
    QVERIFY2(rec.Last().contains(QLatin1String("Missing")), qPrintable(rec.Last()));
}

// A set without declared fields takes its fields from each statement anew.
void SetsTest::undeclaredFieldsFollowEachStatement() {
    AddClient(*db_, 1, QStringLiteral("a"));
    AddClient(*db_, 2, QStringLiteral("b"));
    TRecordSet rs(db_);
    QCOMPARE(rs.OpenSql(QStringLiteral("select max(Id) from client")), 1);
    QCOMPARE(rs.FieldCount(), 1);
    QCOMPARE(rs.OpenSql(QStringLiteral("select Name, Id, Name as Other from client order by Id")),
             2);
    QCOMPARE(rs.FieldCount(), 3);
    QCOMPARE(rs.Field(0)->FieldName().toLower(), QStringLiteral("name"));
    QCOMPARE(rs.Field(1)->Kind(), TFieldKind::Integer);
    QCOMPARE(rs.FieldByName(QStringLiteral("ID"))->AsInteger(), 1);
    // Repeated result names stay apart.
    QCOMPARE(rs.OpenSql(QStringLiteral("select Id, Id from client order by Id")), 2);
    QCOMPARE(rs.FieldCount(), 2);
    QVERIFY(rs.Field(0)->FieldName().compare(rs.Field(1)->FieldName(), Qt::CaseInsensitive) != 0);
}

// SQLite tells an expression column's type by its first row; a Null first row or a whole
// number before a fraction must not lose what follows.
void SetsTest::columnTypeTakenFromValues() {
    TRecordSet rs(db_);
    QCOMPARE(rs.OpenSql(QStringLiteral(
                 "select null as S, 1 as K union all select 2.5, 2 union all select 3, 3")),
             3);
    QCOMPARE(rs.Field(0)->Kind(), TFieldKind::Float);
    QVERIFY(rs.IsNullAt(0, 0));
    QCOMPARE(rs.Field(0)->FloatAt(1), 2.5);
    QCOMPARE(rs.Field(0)->FloatAt(2), 3.0);
    QCOMPARE(rs.SumField(rs.Field(0)), 5.5);

    QCOMPARE(rs.OpenSql(QStringLiteral("select 1 as S union all select 2.5")), 2);
    QCOMPARE(rs.Field(0)->FloatAt(0), 1.0);
    QCOMPARE(rs.Field(0)->FloatAt(1), 2.5);
}

// Fields made from the result columns have the same kinds on both back ends, though SQLite
// reports a date column as text.
void SetsTest::undeclaredDateColumnsReadAsDates() {
    const QDateTime moment(QDate(2013, 1, 5), QTime(10, 20, 30));
    db_->ExecSql(
        QStringLiteral("insert into item(Id, D, DT, T) values(1, :D, :DT, :T)"),
        {DBParam(QStringLiteral("D"), QDate(2013, 1, 5)), DBParam(QStringLiteral("DT"), moment),
         DBParam(QStringLiteral("T"), QStringLiteral("2013-01-05"))});
    db_->ExecSql(QStringLiteral("insert into item(Id, T) values(2, 'not a date')"));
    TRecordSet rs(db_);
    QCOMPARE(rs.OpenSql(QStringLiteral("select D, DT, T from item order by Id")), 2);
    QCOMPARE(rs.Field(0)->Kind(), TFieldKind::DateTime);
    QCOMPARE(rs.Field(1)->Kind(), TFieldKind::DateTime);
    QCOMPARE(rs.Field(0)->AsDate(), QDate(2013, 1, 5));
    QCOMPARE(rs.Field(1)->AsDateTime(), moment);
    QVERIFY(rs.IsNullAt(1, 0));
    // A text column keeps its texts when one of them is no date.
    QCOMPARE(rs.Field(2)->Kind(), TFieldKind::Text);
    QCOMPARE(rs.Field(2)->StringAt(1), QStringLiteral("not a date"));
    ApplyFilter(rs, QStringLiteral("DT >= '2013-01-05' and DT < '2013-01-06'"));
    QCOMPARE(rs.RecordCount(), 1);
}

void SetsTest::conditionWithQuoteFindsRowInjectsNothing_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<qint64>>("ids");
    using L = QList<qint64>;
    QTest::newRow("quote") << "O'Brien" << L{1};
    QTest::newRow("quote, other case") << "o'brien" << L{1};
    QTest::newRow("or injection") << "x' or '1'='1" << L{};
    QTest::newRow("statement injection") << "'; delete from client; --" << L{};
    QTest::newRow("backslash") << "a\\b" << L{3};
    QTest::newRow("trailing backslash") << "b\\" << L{4};
    QTest::newRow("typed wildcard") << "S%th" << L{2};
}

void SetsTest::conditionWithQuoteFindsRowInjectsNothing() {
    QFETCH(QString, typed);
    QFETCH(QList<qint64>, ids);
    AddClient(*db_, 1, QStringLiteral("O'Brien"));
    AddClient(*db_, 2, QStringLiteral("Smith"));
    AddClient(*db_, 3, QStringLiteral("a\\b"));
    AddClient(*db_, 4, QStringLiteral("ab\\"));
    TWhereText where(db_->Dialect());
    where.AddContains(QStringLiteral("Name"), typed).AddContains(QStringLiteral("LookId"), {});
    TQuerySet q(db_);
    q.AddField(TFieldKind::Integer, QStringLiteral("Id"));
    PromptRecorder rec;
    QVERIFY(q.OpenSql(QStringLiteral("select Id from client") + where.WherePart() +
                      QStringLiteral(" order by Id")) >= 0);
    QVERIFY2(rec.Prompts.isEmpty(), qPrintable(rec.Last()));
    QList<qint64> found;
    for (int v = 0; v < q.RecordCount(); ++v)
        found << q.Field(0)->IntegerAt(v);
    QCOMPARE(found, ids);
    TRecordSet count(db_);
    QCOMPARE(count.OpenSql(QStringLiteral("select count(*) from client")), 1);
    QCOMPARE(count.Field(0)->AsInteger(), 4);
}

void SetsTest::reopen() {
    AddClient(*db_, 1, QStringLiteral("a"));
    TQuerySet q(db_);
    q.Tag = 5;
    QCOMPARE(q.Reopen(), -1);  // never opened: stays closed
    QVERIFY(!q.Active());
    const QString sql = QStringLiteral("select Id, Name from client where Id>=:Id order by Id");
    QCOMPARE(q.OpenSql(sql, {DBParam(QStringLiteral("Id"), 1)}), 1);
    AddClient(*db_, 2, QStringLiteral("b"));
    q.SetSort(QStringLiteral("Id desc"));
    QCOMPARE(q.Reopen(), 2);
    QCOMPARE(q.SqlText(), sql);
    QCOMPARE(q.Params().size(), 1);
    QCOMPARE(q.Field(0)->AsInteger(), 2);  // the sort stays
    QCOMPARE(q.Tag, 5);
    q.Close();
    QCOMPARE(q.Reopen(), -1);
    QVERIFY(!q.Active());
}

void SetsTest::joinValuesAndInMemoryDeletes() {
    AddClient(*db_, 1, QStringLiteral("a"));
    AddClient(*db_, 2, QStringLiteral("b"));
    TRecordSet rs(db_);
    TField* name = rs.AddField(TFieldKind::Text, QStringLiteral("Name"));
    QCOMPARE(rs.JoinValues(name, QStringLiteral("\r\n")), QString());  // closed
    QCOMPARE(rs.OpenSql(QStringLiteral("select Name from client order by Id")), 2);
    QCOMPARE(rs.JoinValues(name, QStringLiteral("\r\n")), QStringLiteral("a\r\nb"));
    QCOMPARE(rs.DataSet(), static_cast<TDataSet*>(&rs));

    rs.First();
    rs.DeleteCurrent();
    QCOMPARE(rs.JoinValues(name, QStringLiteral(",")), QStringLiteral("b"));
    rs.DeleteAll();
    QVERIFY(rs.IsEmpty());
    rs.DeleteCurrent();  // empty: nothing happens
    QCOMPARE(rs.JoinValues(name, QStringLiteral(",")), QString());
    // Nothing reached the database.
    TRecordSet count(db_);
    count.OpenSql(QStringLiteral("select count(*) from client"));
    QCOMPARE(count.Field(0)->AsInteger(), 2);
}

void SetsTest::appRecordSetAndClosedConnection() {
    QVERIFY(AppDatabase().TryConnect(db_->ConnectionString(), nullptr));
    TRecordSet& shared = AppRecordSet();
    QCOMPARE(&shared, &AppRecordSet());
    QCOMPARE(shared.Database(), &AppDatabase());
    AppDatabase().SetConnected(false);  // the next read opens it again
    QCOMPARE(shared.OpenSql(QStringLiteral("select max(Id) from client")), 1);
    QCOMPARE(shared.Field(0)->AsInteger(), 0);
    QVERIFY(AppDatabase().Connected());
    TQuerySet onApp;  // sets default to the process-wide connection
    QCOMPARE(onApp.Database(), &AppDatabase());
    AppDatabase().SetConnected(false);
}

LUMORA_TEST_MAIN(SetsTest)
#include "db_sets.moc"
