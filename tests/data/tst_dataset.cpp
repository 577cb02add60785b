#include <QSignalSpy>
#include <QtTest/QTest>
#include <stdexcept>

#include "data/ClientDataSet.h"
#include "data/DataSet.h"
#include "support/TestSupport.h"

Q_DECLARE_METATYPE(TFieldKind)

namespace {

// A set of (Id, Grp, Name) rows; a Null in the list stays Null.
void Fill(TDataSet& ds, const QList<QVariantList>& rows) {
    if (ds.FieldCount() == 0) {
        ds.CreateField(TFieldKind::Integer, QStringLiteral("Id"));
        ds.CreateField(TFieldKind::Integer, QStringLiteral("Grp"));
        ds.CreateField(TFieldKind::Text, QStringLiteral("Name"));
    }
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

const QVariant Null;

}  // namespace

class DataSetTest : public QObject {
    Q_OBJECT
private slots:
    void storageRoundTrip_data();
    void storageRoundTrip();
    void lenientConversion_data();
    void lenientConversion();
    void deletingKeepsCellsAligned();
    void integersWidenPast32Bits();
    void sort_data();
    void sort();
    void sortUnknownFieldThrows();
    void navigation();
    void locate();
    void appendPostCancel();
    void editCancelRestoresValues();
    void writingStartsEditAndMovingPosts();
    void deleteAndEmptyTable();
    void postedRowFollowsSortAndFilter();
    void sumFieldKeepsCurrentRow();
    void calculatedFields();
    void controlsNotifiedOnceWhenEnabled();
    void fieldNames();
    void addFieldDefSizes_data();
    void addFieldDefSizes();
    void customWhereResetGivesOneBlankRow();
    void applyEditsAsksEditorsWhileEditing();
    void progressAndTiming();
};

void DataSetTest::storageRoundTrip_data() {
    QTest::addColumn<TFieldKind>("kind");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("integer") << TFieldKind::Integer << QVariant(qint64(-42)) << "-42";
    QTest::newRow("integer zero") << TFieldKind::Integer << QVariant(qint64(0)) << "0";
    QTest::newRow("integer null") << TFieldKind::Integer << Null << "";
    QTest::newRow("float") << TFieldKind::Float << QVariant(1234.5) << "1234.5";
    QTest::newRow("float small") << TFieldKind::Float << QVariant(0.1 + 0.2) << "0.3";
    QTest::newRow("float null") << TFieldKind::Float << Null << "";
    QTest::newRow("date") << TFieldKind::DateTime
                          << QVariant(QDateTime(QDate(2013, 1, 5), QTime(0, 0))) << "2013-01-05";
    QTest::newRow("date-time") << TFieldKind::DateTime
                               << QVariant(QDateTime(QDate(1999, 12, 31), QTime(23, 59, 58, 120)))
                               << "1999-12-31 23:59:58";
    QTest::newRow("date null") << TFieldKind::DateTime << Null << "";
    QTest::newRow("true") << TFieldKind::Boolean << QVariant(true) << "True";
    QTest::newRow("false") << TFieldKind::Boolean << QVariant(false) << "False";
    QTest::newRow("boolean null") << TFieldKind::Boolean << Null << "";
    QTest::newRow("text") << TFieldKind::Text << QVariant(QStringLiteral("货品 A-1")) << "货品 A-1";
    QTest::newRow("empty text") << TFieldKind::Text << QVariant(QString(QLatin1String(""))) << "";
    QTest::newRow("text null") << TFieldKind::Text << Null << "";
    QTest::newRow("memo") << TFieldKind::Memo << QVariant(QString(5000, QLatin1Char('x')))
                          << QString(5000, QLatin1Char('x'));
    QTest::newRow("binary") << TFieldKind::Binary << QVariant(QByteArray("a\0b", 3)) << "a";
    QTest::newRow("binary null") << TFieldKind::Binary << Null << "";
}

// Every kind stores and reads back its value, Null stays Null, and an empty text is not Null.
// The value sits between two other rows so neighbouring cells cannot leak into it.
void DataSetTest::storageRoundTrip() {
    QFETCH(TFieldKind, kind);
    QFETCH(QVariant, value);
    QFETCH(QString, text);
    TDataSet ds;
    TField* f = ds.CreateField(kind, QStringLiteral("F"));
    ds.Open();
    ds.Append();
    f->SetValue(kind == TFieldKind::Boolean ? QVariant(!value.toBool()) : QVariant(1));
    ds.Append();
    f->SetValue(value);
    ds.Append();
    f->SetValue(QVariant(2));
    ds.Post();

    ds.MoveTo(1);
    QCOMPARE(f->IsNull(), !value.isValid());
    QCOMPARE(ds.IsNullAt(1, 0), !value.isValid());
    if (value.isValid()) {
        QCOMPARE(f->Value(), value);
        QCOMPARE(f->Value().typeId(), value.typeId());
    } else {
        QVERIFY(!f->Value().isValid());
        QCOMPARE(f->AsInteger(), 0);  // a database Null reads as 0 or empty text
        QCOMPARE(f->AsFloat(), 0.0);
    }
    if (kind != TFieldKind::Binary)
        QCOMPARE(f->AsString(), text);
    QCOMPARE(f->ValueAt(1), f->Value());
}

void DataSetTest::lenientConversion_data() {
    QTest::addColumn<TFieldKind>("kind");
    QTest::addColumn<QVariant>("input");
    QTest::addColumn<QVariant>("stored");

    QTest::newRow("text to integer")
        << TFieldKind::Integer << QVariant(" 12 ") << QVariant(qint64(12));
    QTest::newRow("fraction to integer")
        << TFieldKind::Integer << QVariant(1.6) << QVariant(qint64(2));
    QTest::newRow("bad text to integer is null") << TFieldKind::Integer << QVariant("abc") << Null;
    QTest::newRow("empty text to integer is null") << TFieldKind::Integer << QVariant("") << Null;
    QTest::newRow("bigint count") << TFieldKind::Integer << QVariant(qlonglong(3))
                                  << QVariant(qint64(3));
    QTest::newRow("text to float") << TFieldKind::Float << QVariant("2.25") << QVariant(2.25);
    QTest::newRow("integer to float") << TFieldKind::Float << QVariant(7) << QVariant(7.0);
    QTest::newRow("SQLite date text") << TFieldKind::DateTime << QVariant("2013-01-05")
                                      << QVariant(QDateTime(QDate(2013, 1, 5), QTime(0, 0)));
    QTest::newRow("SQLite date-time text")
        << TFieldKind::DateTime << QVariant("2013-01-05 10:20:30")
        << QVariant(QDateTime(QDate(2013, 1, 5), QTime(10, 20, 30)));
    QTest::newRow("ISO date-time text")
        << TFieldKind::DateTime << QVariant("2013-01-05T10:20:30.5")
        << QVariant(QDateTime(QDate(2013, 1, 5), QTime(10, 20, 30, 500)));
    QTest::newRow("QDate") << TFieldKind::DateTime << QVariant(QDate(2020, 2, 29))
                           << QVariant(QDateTime(QDate(2020, 2, 29), QTime(0, 0)));
    QTest::newRow("bad date is null") << TFieldKind::DateTime << QVariant("2013-02-30") << Null;
    QTest::newRow("1 to boolean") << TFieldKind::Boolean << QVariant(1) << QVariant(true);
    QTest::newRow("'false' to boolean")
        << TFieldKind::Boolean << QVariant("false") << QVariant(false);
    QTest::newRow("number to text") << TFieldKind::Text << QVariant(3.5) << QVariant("3.5");
    QTest::newRow("date to text") << TFieldKind::Text << QVariant(QDate(2013, 1, 5))
                                  << QVariant("2013-01-05");
}

void DataSetTest::lenientConversion() {
    QFETCH(TFieldKind, kind);
    QFETCH(QVariant, input);
    QFETCH(QVariant, stored);
    TDataSet ds;
    TField* f = ds.CreateField(kind, QStringLiteral("F"));
    ds.Open();
    f->SetValue(input);  // on an empty set: appends the row
    QCOMPARE(ds.RecordCount(), 1);
    QCOMPARE(f->IsNull(), !stored.isValid());
    if (stored.isValid())
        QCOMPARE(f->Value(), stored);
}

// The Null marks are bits: deleting a row must move every later mark with its row.
void DataSetTest::deletingKeepsCellsAligned() {
    TDataSet ds;
    TField* n = ds.CreateField(TFieldKind::Integer, QStringLiteral("N"));
    TField* t = ds.CreateField(TFieldKind::Text, QStringLiteral("T"));
    ds.Open();
    for (int i = 0; i < 200; ++i) {
        QVariantList row{i, i % 3 == 0 ? Null : QVariant(QString::number(i))};
        ds.AppendRow(row.constData(), 2);
    }
    ds.EndLoad();
    for (int victim : {130, 64, 63, 0, 5}) {
        QVERIFY(ds.Locate(QStringLiteral("N"), victim));
        ds.Delete();
    }
    QCOMPARE(ds.RecordCount(), 195);
    for (int v = 0; v < ds.RecordCount(); ++v) {
        const qint64 i = n->IntegerAt(v);
        QCOMPARE(ds.IsNullAt(v, 1), i % 3 == 0);
        if (i % 3 != 0)
            QCOMPARE(t->StringAt(v), QString::number(i));
    }
}

void DataSetTest::integersWidenPast32Bits() {
    TDataSet ds;
    TField* f = ds.CreateField(TFieldKind::Integer, QStringLiteral("N"));
    ds.Open();
    ds.Append();
    f->SetValue(-7);
    ds.Append();
    f->SetValue(qint64(1) << 40);
    ds.Post();
    QCOMPARE(f->AsInteger(), qint64(1) << 40);
    ds.First();
    QCOMPARE(f->AsInteger(), -7);
}

void DataSetTest::sort_data() {
    QTest::addColumn<QString>("sortText");
    QTest::addColumn<QList<qint64>>("ids");
    // Rows: Id, Grp, Name (load order 1..7).
    QTest::newRow("load order") << "" << QList<qint64>{1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("integer ascending, nulls first, stable")
        << "Grp" << QList<qint64>{6, 3, 5, 1, 4, 7, 2};
    QTest::newRow("descending, nulls last") << "Grp desc" << QList<qint64>{2, 1, 4, 7, 3, 5, 6};
    QTest::newRow("two keys") << "Grp;Name desc" << QList<qint64>{6, 5, 3, 4, 7, 1, 2};
    QTest::newRow("grid sort text") << "Grp, Name DESC " << QList<qint64>{6, 5, 3, 4, 7, 1, 2};
    QTest::newRow("dialog sort text") << "Grp ASC,Name DESC" << QList<qint64>{6, 5, 3, 4, 7, 1, 2};
    QTest::newRow("texts: letters, then Chinese by pinyin")
        << "name" << QList<qint64>{6, 3, 1, 5, 7, 4, 2};
}

void DataSetTest::sort() {
    QFETCH(QString, sortText);
    QFETCH(QList<qint64>, ids);
    TDataSet ds;
    Fill(ds, {{1, 2, QStringLiteral("banana")},
              {2, 3, QStringLiteral("张三")},
              {3, 1, QStringLiteral("Apple")},
              {4, 2, QStringLiteral("李四")},
              {5, 1, QStringLiteral("cherry")},
              {6, Null, Null},
              {7, 2, QStringLiteral("阿姨")}});
    ds.SetSort(sortText);
    QCOMPARE(Ids(ds), ids);
    QCOMPARE(ds.Sort(), sortText);
    ds.SetSort(QString());
    QCOMPARE(Ids(ds), (QList<qint64>{1, 2, 3, 4, 5, 6, 7}));
}

void DataSetTest::sortUnknownFieldThrows() {
    TDataSet ds;
    Fill(ds, {{1, 1, "a"}, {2, 2, "b"}});
    ds.SetSort(QStringLiteral("Id desc"));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, ds.SetSort(QStringLiteral("Nope")));
    QCOMPARE(ds.Sort(), QStringLiteral("Id desc"));
    QCOMPARE(Ids(ds), (QList<qint64>{2, 1}));
}

void DataSetTest::navigation() {
    TDataSet ds;
    Fill(ds, {});
    QVERIFY(ds.Eof() && ds.Bof());
    QCOMPARE(ds.RecNo(), -1);
    QVERIFY(!ds.Field(0)->Value().isValid());  // an empty set reads as Null

    Fill(ds, {{1, 0, "a"}, {2, 0, "b"}, {3, 0, "c"}});
    QList<qint64> walked;
    for (ds.First(); !ds.Eof(); ds.Next())
        walked << ds.Field(0)->AsInteger();
    QCOMPARE(walked, (QList<qint64>{1, 2, 3}));
    QCOMPARE(ds.RecNo(), 2);

    walked.clear();
    for (ds.Last(); !ds.Bof(); ds.Prior())
        walked << ds.Field(0)->AsInteger();
    QCOMPARE(walked, (QList<qint64>{3, 2, 1}));

    ds.MoveTo(99);
    QCOMPARE(ds.RecNo(), 2);
    ds.MoveTo(-5);
    QCOMPARE(ds.RecNo(), 0);
    QVERIFY(!ds.Eof());
    ds.Close();
    QCOMPARE(ds.RecordCount(), 0);
    QCOMPARE(ds.FieldCount(), 3);
}

void DataSetTest::locate() {
    TDataSet ds;
    Fill(ds, {{1, 5, "a"}, {2, Null, "O'Brien"}, {3, 5, "c"}});
    QVERIFY(ds.Locate(QStringLiteral("name"), QStringLiteral("O'Brien")));
    QCOMPARE(ds.RecNo(), 1);
    QVERIFY(ds.Locate(QStringLiteral("Grp"), 5));
    QCOMPARE(ds.RecNo(), 0);
    QVERIFY(ds.Locate(QStringLiteral("Id"), QStringLiteral("3")));
    QCOMPARE(ds.RecNo(), 2);
    QVERIFY(!ds.Locate(QStringLiteral("Id"), 9));
    QCOMPARE(ds.RecNo(), 2);  // kept
    QVERIFY(ds.Locate(QStringLiteral("Grp"), QVariant()));
    QCOMPARE(ds.RecNo(), 1);
    TField* day = ds.CreateField(TFieldKind::DateTime, QStringLiteral("BizDate"));
    ds.Last();
    day->SetValue(QDate(2013, 1, 5));
    ds.First();
    QVERIFY(ds.Locate(QStringLiteral("BizDate"), QStringLiteral("2013-01-05")));
    QCOMPARE(ds.RecNo(), 2);
    QCOMPARE(day->AsDateTime(), QDateTime(QDate(2013, 1, 5), QTime(0, 0)));
    QCOMPARE(day->AsDate(), QDate(2013, 1, 5));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, ds.Locate(QStringLiteral("Nope"), 1));
}

void DataSetTest::appendPostCancel() {
    TDataSet ds;
    Fill(ds, {{1, 0, "a"}, {2, 0, "b"}});
    ds.First();
    ds.Append();
    QVERIFY(ds.Inserting() && ds.Editing());
    QCOMPARE(ds.RecordCount(), 3);
    QCOMPARE(ds.RecNo(), 2);
    QVERIFY(ds.Field(0)->IsNull());
    ds.Field(0)->SetValue(9);
    ds.Cancel();  // the appended row goes, the row current before comes back
    QCOMPARE(ds.RecordCount(), 2);
    QCOMPARE(ds.RecNo(), 0);
    QVERIFY(!ds.Editing());

    ds.Append();
    ds.Field(0)->SetValue(3);
    ds.Post();
    QVERIFY(!ds.Editing());
    QCOMPARE(Ids(ds), (QList<qint64>{1, 2, 3}));
    QVERIFY_THROWS_EXCEPTION(std::logic_error, [] {
        TDataSet closed;
        closed.CreateField(TFieldKind::Integer, QStringLiteral("Id"));
        closed.Append();
    }());
}

void DataSetTest::editCancelRestoresValues() {
    TDataSet ds;
    Fill(ds, {{1, 7, "a"}, {2, Null, "b"}});
    ds.MoveTo(1);
    ds.Edit();
    ds.Field(1)->SetValue(8);
    ds.Field(2)->SetNull();
    ds.Cancel();
    QVERIFY(ds.Field(1)->IsNull());
    QCOMPARE(ds.Field(2)->AsString(), QStringLiteral("b"));
    QCOMPARE(ds.RecordCount(), 2);
}

void DataSetTest::writingStartsEditAndMovingPosts() {
    TDataSet ds;
    Fill(ds, {{1, 0, "a"}, {2, 0, "b"}});
    ds.First();
    ds.Field(2)->SetValue(QStringLiteral("x"));
    QVERIFY(ds.Editing() && !ds.Inserting());
    ds.Next();  // posts
    QVERIFY(!ds.Editing());
    ds.Prior();
    ds.Cancel();  // nothing pending: the write stays
    QCOMPARE(ds.Field(2)->AsString(), QStringLiteral("x"));
}

void DataSetTest::deleteAndEmptyTable() {
    TDataSet ds;
    Fill(ds, {{1, 0, "a"}, {2, 0, "b"}, {3, 0, "c"}});
    ds.MoveTo(1);
    ds.Delete();
    QCOMPARE(Ids(ds), (QList<qint64>{1, 3}));
    QCOMPARE(ds.Field(0)->AsInteger(), 3);  // the next row becomes current
    QVERIFY(!ds.Eof());
    ds.Delete();  // the last row: its predecessor becomes current and a walk ends
    QCOMPARE(ds.Field(0)->AsInteger(), 1);
    QVERIFY(ds.Eof());

    // The usual delete-while-walking loop visits every row once.
    Fill(ds, {{1, 0, "a"}, {2, 1, "b"}, {3, 1, "c"}, {4, 0, "d"}});
    for (ds.First(); !ds.Eof();) {
        if (ds.Field(1)->AsInteger() == 1)
            ds.Delete();
        else
            ds.Next();
    }
    QCOMPARE(Ids(ds), (QList<qint64>{1, 4}));

    ds.EmptyTable();
    QVERIFY(ds.Active());
    QVERIFY(ds.IsEmpty());
    QCOMPARE(ds.FieldCount(), 3);
    ds.Delete();  // nothing to delete: nothing happens
    QCOMPARE(ds.RecNo(), -1);
}

// A row edited in memory takes its place under the sort, and leaves the view when it no
// longer passes the filter (a script set marks a deleted row with DeleId 0 under "DeleId > 0").
void DataSetTest::postedRowFollowsSortAndFilter() {
    TDataSet ds;
    Fill(ds, {{1, 1, "a"}, {2, 1, "b"}, {3, 1, "c"}});
    ds.SetSort(QStringLiteral("Name"));
    ds.First();
    ds.Field(2)->SetValue(QStringLiteral("z"));
    ds.Post();
    QCOMPARE(Ids(ds), (QList<qint64>{2, 3, 1}));
    QCOMPARE(ds.Field(0)->AsInteger(), 1);  // still current
    ds.Append();
    ds.Field(0)->SetValue(4);
    ds.Field(1)->SetValue(1);
    ds.Field(2)->SetValue(QStringLiteral("a"));
    ds.Post();
    QCOMPARE(Ids(ds), (QList<qint64>{4, 2, 3, 1}));

    ds.SetFilter(QStringLiteral("Grp > 0"));
    ds.SetFiltered(true);
    QVERIFY(ds.Locate(QStringLiteral("Id"), 3));
    ds.Field(1)->SetValue(0);
    ds.Post();
    QCOMPARE(Ids(ds), (QList<qint64>{4, 2, 1}));
    QCOMPARE(ds.Field(0)->AsInteger(), 1);
    ds.SetFiltered(false);
    QCOMPARE(ds.RecordCount(), 4);
}

void DataSetTest::sumFieldKeepsCurrentRow() {
    TDataSet ds;
    TField* id = ds.CreateField(TFieldKind::Integer, QStringLiteral("Id"));
    TField* qty = ds.CreateField(TFieldKind::Float, QStringLiteral("Qty"));
    ds.Open();
    const QList<QVariantList> rows{{1, 1.5}, {2, Null}, {3, 2.25}, {4, -1.0}};
    for (const QVariantList& r : rows)
        ds.AppendRow(r.constData(), 2);
    ds.EndLoad();
    QCOMPARE(ds.SumField(qty), 0.0 + 1.5 + 2.25 - 1.0);
    ds.MoveTo(2);
    QCOMPARE(ds.SumField(id), 10.0);
    QCOMPARE(ds.RecNo(), 2);
    ds.SetFilter(QStringLiteral("Qty > 0"));
    ds.SetFiltered(true);
    QCOMPARE(ds.SumField(qty), 3.75);
    ds.EmptyTable();
    QCOMPARE(ds.SumField(qty), 0.0);
}

void DataSetTest::calculatedFields() {
    TDataSet ds;
    TField* qty = ds.CreateField(TFieldKind::Float, QStringLiteral("Qty"));
    TField* price = ds.CreateField(TFieldKind::Float, QStringLiteral("Price"));
    TField* fund = ds.CreateCalcField(TFieldKind::Float, QStringLiteral("Fund"));
    QVERIFY(fund->Calculated() && !qty->Calculated());
    ds.SetOnCalcFields([&](TDataSet&) { fund->SetValue(qty->AsFloat() * price->AsFloat()); });
    ds.Open();
    const QList<QVariantList> rows{{2.0, 3.0}, {1.5, 4.0}};
    for (const QVariantList& r : rows)
        ds.AppendRow(r.constData(), 2);
    ds.EndLoad();
    QCOMPARE(fund->FloatAt(0), 6.0);
    QCOMPARE(fund->FloatAt(1), 6.0);
    ds.First();
    qty->SetValue(10);
    QVERIFY(ds.Editing());
    ds.Post();
    QCOMPARE(fund->AsFloat(), 30.0);
    ds.SetFilter(QStringLiteral("Fund > 10"));
    ds.SetFiltered(true);
    QCOMPARE(ds.RecordCount(), 1);
}

void DataSetTest::controlsNotifiedOnceWhenEnabled() {
    TDataSet ds;
    Fill(ds, {{1, 0, "a"}, {2, 0, "b"}});
    QSignalSpy changed(&ds, &TDataSet::DataChanged);
    QSignalSpy rows(&ds, &TDataSet::RowChanged);
    ds.DisableControls();
    ds.DisableControls();
    ds.SetSort(QStringLiteral("Id desc"));
    ds.First();
    ds.Field(2)->SetValue(QStringLiteral("x"));
    ds.Post();
    ds.EnableControls();
    QCOMPARE(changed.count(), 0);
    ds.EnableControls();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(rows.count(), 0);
    ds.First();
    ds.Field(2)->SetValue(QStringLiteral("y"));
    QCOMPARE(rows.count(), 1);
}

void DataSetTest::fieldNames() {
    TDataSet ds;
    TField* code =
        ds.CreateField(TFieldKind::Text, QStringLiteral("Code"), false, QStringLiteral("货号"));
    TField* name = ds.CreateField(TFieldKind::Text, QStringLiteral("Name"));
    QCOMPARE(ds.FindField(QStringLiteral("CODE")), code);
    QCOMPARE(ds.FieldByName(QStringLiteral("name")), name);
    QCOMPARE(code->DisplayLabel, QStringLiteral("货号"));
    QCOMPARE(name->DisplayLabel, QStringLiteral("Name"));
    QVERIFY(!code->Visible);
    QVERIFY(!ds.FindField(QStringLiteral("Nope")));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, ds.FieldByName(QStringLiteral("Nope")));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             ds.CreateField(TFieldKind::Integer, QStringLiteral("code")));
    ds.ClearFields();
    QCOMPARE(ds.FieldCount(), 0);
}

void DataSetTest::addFieldDefSizes_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("fieldSize");
    QTest::newRow("20 keeps the default") << 20 << 0;
    QTest::newRow("10 keeps the default") << 10 << 0;
    QTest::newRow("50") << 50 << 50;
    QTest::newRow("140") << 140 << 140;
    QTest::newRow("200 is capped") << 200 << 140;
}

void DataSetTest::addFieldDefSizes() {
    QFETCH(int, size);
    QFETCH(int, fieldSize);
    TQzClientDataSet ds;
    TField* f = ds.AddFieldDef(TFieldKind::Text, QStringLiteral("Name"), size, true,
                               QStringLiteral("品名"));
    QCOMPARE(f->Size, fieldSize);
    QCOMPARE(f->DisplayLabel, QStringLiteral("品名"));
    ds.CreateTable();
    QVERIFY(ds.Active() && ds.IsEmpty());
    QCOMPARE(ds.DataSet(), static_cast<TDataSet*>(&ds));
}

void DataSetTest::customWhereResetGivesOneBlankRow() {
    TCustomWhere where;
    TField* id = where.AddField(TFieldKind::Integer, QStringLiteral("SupplierId"));
    TField* code = where.AddField(TFieldKind::Text, QStringLiteral("Code"));
    where.Reset();  // creates the table on first use
    QCOMPARE(where.RecordCount(), 1);
    id->SetValue(5);
    code->SetValue(QStringLiteral("A"));
    where.Post();
    where.Reset();
    QCOMPARE(where.RecordCount(), 1);
    QVERIFY(id->IsNull());
    QVERIFY(code->IsNull());
    QVERIFY(where.Inserting());  // the row bound editors write into
    code->SetValue(QStringLiteral("B"));
    where.Reset();  // the pending edit is cancelled, not kept
    QCOMPARE(where.RecordCount(), 1);
    QVERIFY(code->IsNull());
}

void DataSetTest::applyEditsAsksEditorsWhileEditing() {
    TCustomWhere where;
    TField* code = where.AddField(TFieldKind::Text, QStringLiteral("Code"));
    where.Reset();
    // A bound editor writes its pending text when asked.
    connect(&where, &TDataSet::ApplyEditsRequested, &where,
            [code] { code->SetValue(QStringLiteral("typed")); });
    QSignalSpy asked(&where, &TDataSet::ApplyEditsRequested);
    where.ApplyEdits();
    QCOMPARE(asked.count(), 1);
    QCOMPARE(code->AsString(), QStringLiteral("typed"));
    QVERIFY(where.Editing());  // not posted
    where.Post();
    where.ApplyEdits();  // nothing is being edited
    QCOMPARE(asked.count(), 1);
}

void DataSetTest::progressAndTiming() {
    TQzClientDataSet calc;
    QList<QPair<int, int>> seen;
    calc.CalcProgressEvent = [&](int total, int current) { seen.append({total, current}); };
    QVERIFY(static_cast<bool>(calc.OnProgress));  // one handler, two names
    int percent = -1;
    calc.OnProgress2 = [&](int p) { percent = p; };
    {
        TQzClientDataSet::TTiming timing(calc);
        calc.ReportProgress(4, 1);
        calc.ReportProgress(4, 4);
        calc.ReportProgress2(50);
    }
    QCOMPARE(seen, (QList<QPair<int, int>>{{4, 1}, {4, 4}}));
    QCOMPARE(percent, 50);
    QVERIFY(calc.LostTime() >= 0);
    TQzClientDataSet silent;
    silent.ReportProgress(1, 1);  // no handler: nothing happens
}

LUMORA_TEST_MAIN(DataSetTest)
#include "tst_dataset.moc"
