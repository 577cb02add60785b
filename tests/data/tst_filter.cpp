#include <QtTest/QTest>
#include <stdexcept>

#include "data/DataSet.h"
#include "data/WhereText.h"
#include "support/TestSupport.h"

namespace {

const QVariant Null;

// Id, ClassId, CataCode, Name, Qty, BizDate, Flag, Note
void FillWares(TDataSet& ds) {
    ds.CreateField(TFieldKind::Integer, QStringLiteral("Id"));
    ds.CreateField(TFieldKind::Integer, QStringLiteral("ClassId"));
    ds.CreateField(TFieldKind::Text, QStringLiteral("CataCode"));
    ds.CreateField(TFieldKind::Text, QStringLiteral("Name"));
    ds.CreateField(TFieldKind::Float, QStringLiteral("Qty"));
    ds.CreateField(TFieldKind::DateTime, QStringLiteral("BizDate"));
    ds.CreateField(TFieldKind::Boolean, QStringLiteral("Flag"));
    ds.CreateField(TFieldKind::Memo, QStringLiteral("Note"));
    const auto day = [](int d) { return QVariant(QDateTime(QDate(2013, 1, d), QTime(0, 0))); };
    const QList<QVariantList> rows{
        {1, 3, "3.", "Apple", 1.5, day(4), true, "red"},
        {2, 4, "3.4.", "Pineapple", 2.0, day(5), false, Null},
        {3, Null, Null, "O'Brien", -2.0, day(31), Null, "it's"},
        {4, 9, "3.4.9.", "apple pie", 10.0, QVariant(QDateTime(QDate(2013, 1, 5), QTime(10, 30))),
         true, "50% off"},
        {5, 33, "33.", "螺丝", 0.0, Null, false, "big_box"},
        {6, 5, "5.", Null, Null, QVariant(QDateTime(QDate(2013, 2, 1), QTime(0, 0))), true, ""},
    };
    ds.Open();
    for (const QVariantList& r : rows)
        ds.AppendRow(r.constData(), int(r.size()));
    ds.EndLoad();
}

QList<qint64> Ids(const TDataSet& ds) {
    QList<qint64> ids;
    for (int v = 0; v < ds.RecordCount(); ++v)
        ids << ds.Field(0)->IntegerAt(v);
    return ids;
}

}  // namespace

class FilterTest : public QObject {
    Q_OBJECT
private slots:
    void filter_data();
    void filter();
    void malformedFilter_data();
    void malformedFilter();
    void filterSwitchesAndKeepsTextAcrossLoads();
    void indexedFilterMatchesScan();
    void textFilterAfterReload();
    void filterAndSortBeforeFieldsExist();
    void clientConditionText_data();
    void clientConditionText();
    void serverConditionText_data();
    void serverConditionText();
    void emptyConditionSwitchesFilterOff();
};

void FilterTest::filter_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QList<qint64>>("ids");
    using L = QList<qint64>;

    QTest::newRow("integer equality") << "Id = 3" << L{3};
    QTest::newRow("field names without regard to case") << "iD=3" << L{3};
    QTest::newRow("not equal") << "Id <> 3" << L{1, 2, 4, 5, 6};
    QTest::newRow("!= too") << "Id != 3" << L{1, 2, 4, 5, 6};
    QTest::newRow("range") << "Id > 2 and Id <= 4" << L{3, 4};
    QTest::newRow("value on the left") << "2 < Id and 4 >= Id" << L{3, 4};
    QTest::newRow("and binds tighter than or") << "Id = 1 or Id = 2 and Qty > 5" << L{1};
    QTest::newRow("parentheses") << "(Id = 1 or Id = 2) and Qty > 1.6" << L{2};
    QTest::newRow("not") << "not Id = 1" << L{2, 3, 4, 5, 6};
    QTest::newRow("not over parentheses") << "not (Id = 1 or Id > 2)" << L{2};
    QTest::newRow("keywords in capitals") << "Id = 1 OR Id = 2 AND NOT Id = 2" << L{1};
    QTest::newRow("negative number") << "Qty < -1" << L{3};
    QTest::newRow("fraction") << "Qty >= 1.5 and Qty < 2.5" << L{1, 2};
    QTest::newRow("integer literal on a float field") << "Qty = 2" << L{2};
    QTest::newRow("number in quotes") << "Id = '4'" << L{4};
    QTest::newRow("two fields") << "Qty > Id" << L{1, 4};
    QTest::newRow("bracketed name") << "[Note] = 'red'" << L{1};

    QTest::newRow("like contains") << "Name like '%apple%'" << L{1, 2, 4};
    QTest::newRow("like without regard to case") << "Name like 'APPLE%'" << L{1, 4};
    QTest::newRow("like one character") << "Name like '_pple'" << L{1};
    QTest::newRow("like * as %") << "Name like '*pie'" << L{4};
    QTest::newRow("not like (nulls stay out)") << "Name not like '%apple%'" << L{3, 5};
    QTest::newRow("like Chinese") << "Name like '%螺%'" << L{5};
    QTest::newRow("like on a memo") << "Note like '%off%'" << L{4};
    QTest::newRow("like on an integer") << "ClassId like '3%'" << L{1, 5};
    QTest::newRow("class prefix keeps 33. out") << "CataCode like '3.%'" << L{1, 2, 4};
    QTest::newRow("parenthesised like") << "(Name like '%pie%')" << L{4};
    QTest::newRow("or of likes as the pickers build it")
        << "(Name like '%螺%') or (Note like '%螺%') or (CataCode like '%5%')" << L{5, 6};
    QTest::newRow("text equality without regard to case") << "Name = 'APPLE'" << L{1};
    QTest::newRow("text order") << "Name < 'b' and Name >= 'a'" << L{1, 4};

    QTest::newRow("is null") << "ClassId is null" << L{3};
    QTest::newRow("is not null") << "Name is not null" << L{1, 2, 3, 4, 5};
    QTest::newRow("= null is the null test") << "ClassId = null" << L{3};
    QTest::newRow("<> null is the not-null test") << "ClassId<>null" << L{1, 2, 4, 5, 6};
    QTest::newRow("null equals nothing") << "ClassId <> 5" << L{1, 2, 4, 5};
    QTest::newRow("not of unknown stays unknown") << "not ClassId = 5" << L{1, 2, 4, 5};
    QTest::newRow("unknown or true") << "ClassId = 1 or Id = 3" << L{3};
    QTest::newRow("empty text is not null") << "Note = ''" << L{6};

    QTest::newRow("quote inside a value") << "Name = 'O''Brien'" << L{3};
    QTest::newRow("quote inside a like") << "Note like '%''%'" << L{3};
    QTest::newRow("quoted value cannot widen the filter")
        << "Name = 'x'' or Id > 0 or Name = '''" << L{};
    QTest::newRow("percent in data matched by like") << "Note like '50%'" << L{4};

    QTest::newRow("date from") << "BizDate >= '2013-01-05'" << L{2, 3, 4, 6};
    QTest::newRow("date range") << "BizDate >= '2013-01-05' and BizDate <= '2013-01-31'"
                                << L{2, 3, 4};
    QTest::newRow("date equality is the whole day start") << "BizDate = '2013-01-05'" << L{2};
    QTest::newRow("date with time") << "BizDate > '2013-01-05 10:00'" << L{3, 4, 6};
    QTest::newRow("#date#") << "BizDate < #2013-01-05#" << L{1};

    QTest::newRow("boolean true") << "Flag = true" << L{1, 4, 6};
    QTest::newRow("boolean 1") << "Flag = 1" << L{1, 4, 6};
    QTest::newRow("boolean false") << "Flag = False" << L{2, 5};
    QTest::newRow("boolean 0") << "Flag = 0" << L{2, 5};
    QTest::newRow("boolean text") << "Flag = 'true'" << L{1, 4, 6};
    QTest::newRow("boolean not equal leaves nulls out") << "Flag <> true" << L{2, 5};

    QTest::newRow("constant true") << "1 = 1" << L{1, 2, 3, 4, 5, 6};
    QTest::newRow("constant false") << "1 = 2 or 'a' = 'b'" << L{};
}

void FilterTest::filter() {
    QFETCH(QString, filter);
    QFETCH(QList<qint64>, ids);
    TDataSet ds;
    FillWares(ds);
    ds.SetFilter(filter);
    QCOMPARE(Ids(ds), (QList<qint64>{1, 2, 3, 4, 5, 6}));  // not switched on yet
    ds.SetFiltered(true);
    QCOMPARE(Ids(ds), ids);
    QCOMPARE(ds.Filter(), filter);
}

void FilterTest::malformedFilter_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing value") << "Id ="
                                   << "value or field expected";
    QTest::newRow("unknown field") << "Nope = 1"
                                   << "unknown field \"Nope\"";
    QTest::newRow("open text") << "Name = 'abc"
                               << "not closed by '";
    QTest::newRow("quote ends the text") << "Name = 'O'Brien'"
                                         << "unexpected \"Brien\"";
    QTest::newRow("missing )") << "(Id = 1 or Id = 2"
                               << "missing )";
    QTest::newRow("two conditions without and") << "Id = 1 Id = 2"
                                                << "unexpected \"Id\"";
    QTest::newRow("no comparison") << "Id"
                                   << "comparison expected";
    QTest::newRow("bad date") << "BizDate = 'hello'"
                              << "not a date";
    QTest::newRow("bad number") << "Id = 'abc'"
                                << "not a number";
    QTest::newRow("bad boolean") << "Flag = 'maybe'"
                                 << "not true or false";
    QTest::newRow("ordering against null") << "Id < null"
                                           << "null can only be compared";
    QTest::newRow("strange character") << "Id ~ 1"
                                       << "unexpected character '~'";
    QTest::newRow("like without a pattern") << "Name like"
                                            << "value or field expected";
    QTest::newRow("like on a value") << "'a' like 'a'"
                                     << "like needs a field";
    QTest::newRow("is without null") << "Id is 5"
                                     << "null expected";
    QTest::newRow("dangling and") << "Id = 1 and"
                                  << "value or field expected";
    QTest::newRow("keyword as a value") << "Id = and"
                                        << "value or field expected";
}

void FilterTest::malformedFilter() {
    QFETCH(QString, filter);
    QFETCH(QString, reason);
    TDataSet ds;
    FillWares(ds);
    ds.SetFilter(QStringLiteral("Id > 4"));
    ds.SetFiltered(true);
    try {
        ds.SetFilter(filter);
        QFAIL("no error");
    } catch (const std::invalid_argument& e) {
        const QString message = QString::fromStdString(e.what());
        QVERIFY2(message.contains(reason), qPrintable(message));
        QVERIFY2(message.contains(filter), qPrintable(message));
    }
    // The filter in force stays.
    QCOMPARE(ds.Filter(), QStringLiteral("Id > 4"));
    QCOMPARE(Ids(ds), (QList<qint64>{5, 6}));
}

void FilterTest::filterSwitchesAndKeepsTextAcrossLoads() {
    TDataSet ds;
    FillWares(ds);
    ds.SetFiltered(true);
    ds.SetFilter(QStringLiteral("Flag = true"));
    QCOMPARE(Ids(ds), (QList<qint64>{1, 4, 6}));
    ds.SetFilter(QString());
    QCOMPARE(ds.RecordCount(), 6);
    ds.SetFilter(QStringLiteral("Qty > 1"));
    ds.Close();
    ds.Open();
    const QVariantList row{7, 1, "1.", "New", 3.0};
    ds.AppendRow(row.constData(), int(row.size()));
    const QVariantList low{8, 1, "1.", "Low", 0.5};
    ds.AppendRow(low.constData(), int(low.size()));
    ds.EndLoad();
    QCOMPARE(Ids(ds), (QList<qint64>{7}));
    // Fields made again (a query without declared fields) take the filter too.
    ds.ClearFields();
    ds.CreateField(TFieldKind::Integer, QStringLiteral("ID"));
    ds.CreateField(TFieldKind::Float, QStringLiteral("qty"));
    ds.Open();
    const QVariantList a{1, 5.0}, b{2, 0.0};
    ds.AppendRow(a.constData(), 2);
    ds.AppendRow(b.constData(), 2);
    ds.EndLoad();
    QCOMPARE(Ids(ds), (QList<qint64>{1}));
}

// Large sets take "field = value" candidates from an index; the result must equal a plain scan,
// also after rows change.
void FilterTest::indexedFilterMatchesScan() {
    TDataSet ds;
    TField* house = ds.CreateField(TFieldKind::Integer, QStringLiteral("HouseId"));
    TField* ware = ds.CreateField(TFieldKind::Integer, QStringLiteral("WareId"));
    TField* qty = ds.CreateField(TFieldKind::Float, QStringLiteral("Qty"));
    ds.Open();
    const int n = 20000;
    for (int i = 0; i < n; ++i) {
        const QVariantList row{i % 7, i % 101, double(i % 13)};
        ds.AppendRow(row.constData(), 3);
    }
    ds.EndLoad();
    const auto expected = [&](int h, int w, double minQty) {
        int count = 0;
        ds.SetFiltered(false);
        for (int v = 0; v < ds.RecordCount(); ++v)
            count +=
                house->IntegerAt(v) == h && ware->IntegerAt(v) == w && qty->FloatAt(v) > minQty;
        return count;
    };
    for (const auto& [h, w] : {std::pair{3, 17}, std::pair{0, 0}, std::pair{6, 100}}) {
        const int want = expected(h, w, 4);
        ApplyFilter(ds, QStringLiteral("HouseId=%1 and WareId=%2 and Qty > 4").arg(h).arg(w));
        QCOMPARE(ds.RecordCount(), want);
        QVERIFY(want > 0);
    }
    ApplyFilter(ds, QStringLiteral("HouseId=3 and WareId=17"));
    const int before = ds.RecordCount();
    ds.First();
    house->SetValue(4);  // leaves the scope when posted
    ds.Post();
    QCOMPARE(ds.RecordCount(), before - 1);
    const int moved = expected(4, 17, -1000);
    ApplyFilter(ds, QStringLiteral("HouseId=4 and WareId=17"));
    QCOMPARE(ds.RecordCount(), moved);
    ApplyFilter(ds, QStringLiteral("HouseId = 99"));
    QCOMPARE(ds.RecordCount(), 0);
}

// A kept filter must judge the new texts of a reloaded table, not remember the old ones.
void FilterTest::textFilterAfterReload() {
    TDataSet ds;
    TField* name = ds.CreateField(TFieldKind::Text, QStringLiteral("Name"));
    ApplyFilter(ds, QStringLiteral("Name like 'a%'"));
    for (const QStringList& names : {QStringList{"apple", "pear"}, QStringList{"plum", "apricot"},
                                     QStringList{"fig", "grape"}}) {
        ds.Close();
        ds.Open();
        for (const QString& n : names) {
            const QVariant v(n);
            ds.AppendRow(&v, 1);
        }
        ds.EndLoad();
        QStringList seen;
        for (int v = 0; v < ds.RecordCount(); ++v)
            seen << name->StringAt(v);
        QStringList want;
        for (const QString& n : names)
            if (n.startsWith(QLatin1Char('a')))
                want << n;
        QCOMPARE(seen, want);
    }
    ds.EmptyTable();
    ds.Append();
    name->SetValue(QStringLiteral("avocado"));
    ds.Post();
    QCOMPARE(ds.RecordCount(), 1);
}

// A set whose fields come with its first result may be given its filter and sort first.
void FilterTest::filterAndSortBeforeFieldsExist() {
    TDataSet ds;
    ds.SetFilter(QStringLiteral("Id > 1"));
    ds.SetFiltered(true);
    ds.SetSort(QStringLiteral("Id desc"));
    ds.CreateField(TFieldKind::Integer, QStringLiteral("Id"));
    ds.Open();
    for (int i = 1; i <= 3; ++i) {
        const QVariant v(i);
        ds.AppendRow(&v, 1);
    }
    ds.EndLoad();
    QCOMPARE(Ids(ds), (QList<qint64>{3, 2}));
}

void FilterTest::clientConditionText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<qint64>>("ids");
    using L = QList<qint64>;
    QTest::newRow("contains") << "apple"
                              << "Name like '%apple%' and Flag = true" << L{1, 4};
    QTest::newRow("quote finds the row") << "O'Brien"
                                         << "Name like '%O''Brien%' and Flag = true" << L{};
    QTest::newRow("injection attempt is data")
        << "x' or Id > 0 or Name like '"
        << "Name like '%x'' or Id > 0 or Name like ''%' and Flag = true" << L{};
    QTest::newRow("typed % stays a wildcard") << "p%e"
                                              << "Name like '%p%e%' and Flag = true" << L{1, 4};
}

// The client variant builds filter text from typed values; the set filtered with it finds
// exactly the intended rows.
void FilterTest::clientConditionText() {
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(QList<qint64>, ids);
    TWhereText where = TWhereText::ClientFilter();
    where.AddContains(QStringLiteral("Name"), typed).AddClause(QStringLiteral("Flag = true"));
    QCOMPARE(where.Text(), text);
    TDataSet ds;
    FillWares(ds);
    ApplyFilter(ds, where.Text());
    QCOMPARE(Ids(ds), ids);

    // Without the flag clause the quote case finds its row.
    TWhereText quote = TWhereText::ClientFilter();
    quote.AddTextEquals(QStringLiteral("Name"), QStringLiteral("O'Brien"));
    ApplyFilter(ds, quote.Text());
    QCOMPARE(Ids(ds), (QList<qint64>{3}));
}

void FilterTest::serverConditionText_data() {
    QTest::addColumn<bool>("postgres");
    QTest::addColumn<QString>("text");
    QTest::newRow("SQLite")
        << false
        << "SupplierId=5 and Code like '%A''1\\%' and BizDate>='2013-01-05' and "
           "BizDate<='2013-01-31' and p.Id in (select MastId from putindl where WareId in "
           "(select Id from ware where Name like '%螺%' and ClassId is null))";
    QTest::newRow("PostgreSQL")
        << true
        << "SupplierId=5 and Code ilike '%A''1\\\\%' and BizDate>='2013-01-05' and "
           "BizDate<='2013-01-31' and p.Id in (select MastId from putindl where WareId in "
           "(select Id from ware where Name ilike '%螺%' and ClassId is null))";
}

void FilterTest::serverConditionText() {
    QFETCH(bool, postgres);
    QFETCH(QString, text);
    const TDialect dialect(postgres ? TBackend::PostgreSQL : TBackend::SQLite);
    TWhereText ware(dialect);
    ware.AddContains(QStringLiteral("Name"), QStringLiteral("螺"))
        .AddContains(QStringLiteral("PartNo"), QString())
        .AddIsNull(QStringLiteral("ClassId"));
    TWhereText where(dialect);
    where.AddEquals(QStringLiteral("SupplierId"), 5)
        .AddContains(QStringLiteral("Code"), QStringLiteral("A'1\\"))
        .AddDateFrom(QStringLiteral("BizDate"), QDate(2013, 1, 5))
        .AddDateTo(QStringLiteral("BizDate"), QDate(2013, 1, 31))
        .AddDateTo(QStringLiteral("BizDate"), QDate())
        .AddSubSelect(QStringLiteral("p.Id in (select MastId from putindl where WareId in "
                                     "(select Id from ware where %1))"),
                      ware)
        .AddSubSelect(QStringLiteral("never %1"), TWhereText(dialect));
    QCOMPARE(where.Text(), text);
    QCOMPARE(where.WherePart(), QStringLiteral(" where ") + text);
}

void FilterTest::emptyConditionSwitchesFilterOff() {
    TWhereText where = TWhereText::ClientFilter();
    where.AddContains(QStringLiteral("Name"), QString()).AddDateFrom(QStringLiteral("BizDate"), {});
    QVERIFY(where.IsEmpty());
    QCOMPARE(where.Text(), QString());
    QCOMPARE(where.WherePart(), QString());
    TDataSet ds;
    FillWares(ds);
    ApplyFilter(ds, QStringLiteral("Id = 1"));
    QVERIFY(ds.Filtered());
    ApplyFilter(ds, where.Text());
    QVERIFY(!ds.Filtered());
    QCOMPARE(ds.RecordCount(), 6);

    // " or " conditions drop their first joiner the same way.
    TWhereText any = TWhereText::ClientFilter(QStringLiteral(" or "));
    any.AddClause(QStringLiteral("(Name like '%a%')")).AddClause(QStringLiteral("(Id = 5)"));
    QCOMPARE(any.Text(), QStringLiteral("(Name like '%a%') or (Id = 5)"));
}

LUMORA_TEST_MAIN(FilterTest)
#include "tst_filter.moc"
