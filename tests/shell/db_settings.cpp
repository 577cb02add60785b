#include <QSqlQuery>
#include <QtTest/QTest>

#include "data/NumberFormats.h"
#include "masterdata/Captions.h"
#include "shell/AppSettings.h"
#include "shell/Company.h"
#include "shell/KeyValue.h"
#include "shell/KeyValue2.h"
#include "shell/LoadAppSettings.h"
#include "shell/Operator.h"
#include "shell/PickListSet.h"
#include "shell/ProjRepVariables.h"
#include "support/TestSupport.h"

namespace {

QVariant Scalar(const QString& sql) {
    TDatabase& db = AppDatabase();
    QSqlQuery q = db.NewQuery();
    db.RunQuery(q, sql, {}, {}, true);
    return q.next() ? q.value(0) : QVariant();
}

void Exec(const QString& sql) {
    AppDatabase().Execute(sql);
}

// Forgets the cached keyvalue rows after the table was changed behind their back.
void ResetKeyValues(const QString& sql) {
    AppKeyValue2().Close();
    Exec(sql);
}

// A company window that answers from a script: each Execute takes the next entry, applies its
// values when it is an OK and records what it was shown.
class ScriptedCompanyDialog : public TCompanyDialog {
public:
    struct Step {
        bool ok;
        QString name;
        int id;
    };
    QList<Step> Steps;
    QStringList Shown;  // company names the dialog was filled with
    QList<bool> ReadOnly;

    bool Execute(TCompany& company, bool readOnly) override {
        Shown << company.CompanyName;
        ReadOnly << readOnly;
        if (Steps.isEmpty())
            return false;
        const Step step = Steps.takeFirst();
        if (step.ok) {
            company.CompanyName = step.name;
            company.Id = step.id;
        }
        return step.ok;
    }
};

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void valueReadBack_data();
    void valueReadBack();
    void missingValueGivesDefault();
    void setValueInsertsThenUpdates();

    void readIntInsertsMissingRow();
    void writeIntInsertsMissingRow();
    void booleanPropertiesShareRows();
    void writeRowKeepsOtherColumnsApart();

    void numberFormatsFromDecimals_data();
    void numberFormatsFromDecimals();
    void loadAppSettingsReadsStoredValues();
    void loadAppSettingsOnMissingRows();

    void pickListsOnEmptyTable();
    void pickListsStoreAndKeepOrder();

    void companySaveIntoEmptyTable();
    void companyUpdatesItsRow();
    void hasCompanyNameCountsGbkBytes_data();
    void hasCompanyNameCountsGbkBytes();
    void editCompanyPaths();
    void printVariables();
};

void SettingsTest::initTestCase() {
    QVERIFY(OpenFreshTestDatabase(AppDatabase()));
}

void SettingsTest::cleanupTestCase() {
    AppKeyValue2().Close();
    AppPickLists().Close();
    AppDatabase().SetConnected(false);
}

void SettingsTest::valueReadBack_data() {
    QTest::addColumn<QVariant>("written");
    QTest::addColumn<QString>("asStr");
    QTest::addColumn<int>("asInt");   // with default -7
    QTest::addColumn<int>("asBool");  // 0, 1, or -1 for "the default"
    QTest::newRow("text") << QVariant(QStringLiteral("品名")) << "品名" << -7 << -1;
    QTest::newRow("abc") << QVariant(QStringLiteral("abc")) << "abc" << -7 << -1;
    QTest::newRow("integer") << QVariant(15) << "15" << 15 << 1;
    QTest::newRow("zero") << QVariant(0) << "0" << 0 << 0;
    QTest::newRow("negative") << QVariant(-3) << "-3" << -3 << 1;
    QTest::newRow("true") << QVariant(true) << "True" << -7 << 1;
    QTest::newRow("false") << QVariant(false) << "False" << -7 << 0;
    QTest::newRow("true as text") << QVariant(QStringLiteral("true")) << "true" << -7 << 1;
    QTest::newRow("fraction") << QVariant(2.5) << "2.5" << -7 << -1;
    QTest::newRow("empty text") << QVariant(QString(QLatin1String(""))) << "" << -7 << -1;
    QTest::newRow("integer text") << QVariant(QStringLiteral("2")) << "2" << 2 << 1;
}

void SettingsTest::valueReadBack() {
    QFETCH(QVariant, written);
    QFETCH(QString, asStr);
    QFETCH(int, asInt);
    QFETCH(int, asBool);
    TKeyValue& kv = AppKeyValue();
    kv.SetValue(900, written);
    QCOMPARE(kv.GetStr(900, QStringLiteral("default")), asStr);
    QCOMPARE(kv.GetInt(900, -7), asInt);
    // Read with both defaults: a converted value ignores the default, an unconvertible one
    // follows it.
    if (asBool < 0) {
        QCOMPARE(kv.GetBool(900, true), true);
        QCOMPARE(kv.GetBool(900, false), false);
    } else {
        QCOMPARE(kv.GetBool(900, true), asBool == 1);
        QCOMPARE(kv.GetBool(900, false), asBool == 1);
    }
}

void SettingsTest::missingValueGivesDefault() {
    Exec(QStringLiteral("delete from keyvalue where KeyId=40"));
    TKeyValue& kv = AppKeyValue();
    QVERIFY(kv.GetValue(40).isNull());
    QCOMPARE(kv.GetBool(40, true), true);
    QCOMPARE(kv.GetInt(40, 5), 5);
    QCOMPARE(kv.GetStr(40, QStringLiteral("x")), QStringLiteral("x"));
    // A row made by the typed style has a Null Value: still the default.
    Exec(QStringLiteral("insert into keyvalue(KeyId) values (40)"));
    QVERIFY(kv.GetValue(40).isNull());
    QCOMPARE(kv.GetBool(40, true), true);
    Exec(QStringLiteral("delete from keyvalue where KeyId=40"));
}

void SettingsTest::setValueInsertsThenUpdates() {
    Exec(QStringLiteral("delete from keyvalue where KeyId=901"));
    TKeyValue& kv = AppKeyValue();
    kv.SetValue(901, 3);
    kv.SetValue(901, QStringLiteral("o'neil"));
    QCOMPARE(Scalar(QStringLiteral("select count(*) from keyvalue where KeyId=901")).toInt(), 1);
    QCOMPARE(kv.GetStr(901, QString()), QStringLiteral("o'neil"));
}

void SettingsTest::readIntInsertsMissingRow() {
    ResetKeyValues(QStringLiteral("delete from keyvalue where KeyId=41"));
    TKeyValue2& kv2 = AppKeyValue2();
    QCOMPARE(kv2.ReadInt(41), 0);
    QCOMPARE(Scalar(QStringLiteral("select count(*) from keyvalue where KeyId=41")).toInt(), 1);
    // The cache holds the new row: reading again inserts nothing.
    QCOMPARE(kv2.ReadInt(41), 0);
    QCOMPARE(Scalar(QStringLiteral("select count(*) from keyvalue where KeyId=41")).toInt(), 1);
}

void SettingsTest::writeIntInsertsMissingRow() {
    ResetKeyValues(QStringLiteral("delete from keyvalue where KeyId=37"));
    TKeyValue2& kv2 = AppKeyValue2();
    QVERIFY(kv2.WriteInt(37, 2));
    QCOMPARE(Scalar(QStringLiteral("select Vint from keyvalue where KeyId=37")).toInt(), 2);
    QCOMPARE(kv2.ReadInt(37), 2);
    // A second reader of the table sees the stored value.
    TKeyValue2 other;
    QCOMPARE(other.ReadInt(37), 2);
}

void SettingsTest::booleanPropertiesShareRows() {
    ResetKeyValues(QStringLiteral("delete from keyvalue where KeyId in (0, 1, 2)"));
    TKeyValue2& kv2 = AppKeyValue2();
    QCOMPARE(kv2.FeedbackPrompt(), false);
    kv2.SetFeedbackPrompt(true);
    kv2.SetDailyTipPrompt(false);
    kv2.SetGetStartPrompt(true);
    TKeyValue2 fresh;
    QCOMPARE(fresh.FeedbackPrompt(), true);
    QCOMPARE(fresh.DailyTipPrompt(), false);
    QCOMPARE(fresh.GetStartPrompt(), true);
    QCOMPARE(
        Scalar(QStringLiteral("select count(*) from keyvalue where KeyId in (0, 1, 2)")).toInt(),
        3);
}

void SettingsTest::writeRowKeepsOtherColumnsApart() {
    ResetKeyValues(QStringLiteral("delete from keyvalue where KeyId=902"));
    AppKeyValue().SetValue(902, QStringLiteral("kept"));
    TKeyValue2& kv2 = AppKeyValue2();
    // No row for the update yet in a fresh key: the insert path; then the update path.
    QVERIFY(kv2.WriteRow(903, QStringLiteral("s"), true, 1.5, 4));
    QVERIFY(kv2.WriteRow(902, QStringLiteral("文本"), false, 2.25, 9));
    QVERIFY(kv2.LocateKey(902));
    QCOMPARE(kv2.VstrFld->AsString(), QStringLiteral("文本"));
    QCOMPARE(kv2.VfloatFld->AsFloat(), 2.25);
    QCOMPARE(kv2.VintFld->AsInteger(), 9);
    QCOMPARE(kv2.VboolFld->AsBoolean(), false);
    QCOMPARE(AppKeyValue().GetStr(902, QString()), QStringLiteral("kept"));
    QCOMPARE(Scalar(QStringLiteral("select Vfloat from keyvalue where KeyId=903")).toDouble(), 1.5);
}

void SettingsTest::numberFormatsFromDecimals_data() {
    QTest::addColumn<QVariant>("qty");
    QTest::addColumn<QVariant>("price");
    QTest::addColumn<QString>("qtyFormat");
    QTest::addColumn<QString>("priceFormat");
    QTest::newRow("three and two") << QVariant(3) << QVariant(2) << "0.000"
                                   << "0.00";
    QTest::newRow("zero") << QVariant(0) << QVariant(0) << "0."
                          << "0.";
    QTest::newRow("missing") << QVariant() << QVariant() << "0."
                             << "0.";
    QTest::newRow("not a number") << QVariant(QStringLiteral("x")) << QVariant(4) << "0."
                                  << "0.0000";
}

void SettingsTest::numberFormatsFromDecimals() {
    QFETCH(QVariant, qty);
    QFETCH(QVariant, price);
    QFETCH(QString, qtyFormat);
    QFETCH(QString, priceFormat);
    Exec(QStringLiteral("delete from keyvalue where KeyId in (6, 7)"));
    if (qty.isValid())
        AppKeyValue().SetValue(6, qty);
    if (price.isValid())
        AppKeyValue().SetValue(7, price);
    SetNumberFormats(9, 9);
    LoadAppSettings();
    QCOMPARE(QtyFormat, qtyFormat);
    QCOMPARE(PriceFormat, priceFormat);
    QCOMPARE(FundFormat, QStringLiteral("0.00"));
}

void SettingsTest::loadAppSettingsReadsStoredValues() {
    TKeyValue& kv = AppKeyValue();
    kv.SetValue(10, QStringLiteral("货名"));
    kv.SetValue(20, QStringLiteral("收货单位"));
    kv.SetValue(34, QStringLiteral("说明"));
    kv.SetValue(15, 2);
    kv.SetValue(40, false);
    AppKeyValue2().WriteInt(38, 3);
    LoadAppSettings();
    QCOMPARE(AppCaptions().WareName, QStringLiteral("货名"));
    QCOMPARE(AppCaptions().ClientWord, QStringLiteral("收货单位"));
    QCOMPARE(AppCaptions().ClientNote, QStringLiteral("说明"));
    QCOMPARE(AppCaptions().WarePartNo, QStringLiteral("规格"));
    QCOMPARE(AppSettings().NegativeStockControl, 2);
    QCOMPARE(AppSettings().AllowDuplicateWares, false);
    QCOMPARE(AppSettings().ClientSearchIndex, 3);
}

void SettingsTest::loadAppSettingsOnMissingRows() {
    ResetKeyValues(QStringLiteral("delete from keyvalue where KeyId in (11, 15, 39, 40)"));
    AppSettings().NegativeStockControl = 1;
    AppSettings().AllowDuplicateWares = false;
    AppSettings().WareSearchIndex = 5;
    LoadAppSettings();
    QCOMPARE(AppCaptions().WarePartNo, QString());
    QCOMPARE(AppSettings().NegativeStockControl, 0);
    QCOMPARE(AppSettings().AllowDuplicateWares, true);
    QCOMPARE(AppSettings().WareSearchIndex, 0);
    QCOMPARE(Scalar(QStringLiteral("select count(*) from keyvalue where KeyId=39")).toInt(), 1);
}

void SettingsTest::pickListsOnEmptyTable() {
    Exec(QStringLiteral("delete from options"));
    TPickListSet lists;
    QCOMPARE(lists.Count(), 0);
    QCOMPARE(lists.GetList(0), QString());
    lists.SetCount(6);
    QCOMPARE(lists.Count(), 6);
    QSqlQuery q = AppDatabase().NewQuery();
    AppDatabase().RunQuery(q, QStringLiteral("select [Key], List from options order by [Key]"), {},
                           {}, true);
    QList<int> keys;
    while (q.next()) {
        keys << q.value(0).toInt();
        QCOMPARE(q.value(1).toString(), QString());
    }
    QCOMPARE(keys, (QList<int>{1, 2, 3, 4, 5, 6}));
    // Raising the count to what exists adds nothing.
    lists.SetCount(6);
    QCOMPARE(Scalar(QStringLiteral("select count(*) from options")).toInt(), 6);
}

void SettingsTest::pickListsStoreAndKeepOrder() {
    Exec(QStringLiteral("delete from options"));
    Exec(QStringLiteral("insert into options([Key], [Label], List) values (7, 'b', 'b1')"));
    Exec(QStringLiteral("insert into options([Key], [Label], List) values (3, 'a', 'a1')"));
    TPickListSet lists;
    QCOMPARE(lists.GetList(0), QStringLiteral("a1"));
    QCOMPARE(lists.GetList(1), QStringLiteral("b1"));
    lists.SetCount(3);  // a new row keyed above the maximum
    lists.SetList(0, QStringLiteral("个\n箱"), false);
    lists.SetList(2, QStringLiteral("new"), false);
    QCOMPARE(Scalar(QStringLiteral("select List from options where [Key]=3")).toString(),
             QStringLiteral("a1"));
    lists.SetList(1, QStringLiteral("b2"), true);  // stored at once, alone
    QCOMPARE(Scalar(QStringLiteral("select List from options where [Key]=7")).toString(),
             QStringLiteral("b2"));
    QCOMPARE(Scalar(QStringLiteral("select List from options where [Key]=3")).toString(),
             QStringLiteral("a1"));
    lists.SaveAll();
    TOptions options;
    QVERIFY(options.Load());
    QCOMPARE(options.GetList(0), QStringLiteral("个\n箱"));
    QCOMPARE(options.GetList(1), QStringLiteral("b2"));
    QCOMPARE(options.GetList(2), QStringLiteral("new"));
    QCOMPARE(Scalar(QStringLiteral("select [Key] from options where List='new'")).toInt(), 8);
    // Storing clears the labels.
    QCOMPARE(Scalar(QStringLiteral("select count(*) from options where [Label]<>''")).toInt(), 0);
}

void SettingsTest::companySaveIntoEmptyTable() {
    Exec(QStringLiteral("delete from company"));
    TCompany c;
    c.CompanyName = QStringLiteral("old");
    c.Id = 5;
    c.Updated = true;
    c.LoadCompany();
    QCOMPARE(c.Id, 0);
    QCOMPARE(c.CompanyName, QString());
    QCOMPARE(c.Updated, false);
    c.CompanyName = QStringLiteral("星光电子有限公司");
    c.Profile = QStringLiteral("第一行\r\n第二行");
    c.SaveCompany();
    QCOMPARE(Scalar(QStringLiteral("select count(*) from company")).toInt(), 1);
    QCOMPARE(Scalar(QStringLiteral("select Id from company")).toInt(), 0);
    TCompany read;
    read.LoadCompany();
    QCOMPARE(read.CompanyName, QStringLiteral("星光电子有限公司"));
    QCOMPARE(read.Profile, QStringLiteral("第一行\r\n第二行"));
}

void SettingsTest::companyUpdatesItsRow() {
    Exec(QStringLiteral("delete from company"));
    Exec(QStringLiteral("insert into company(Id, CompanyName, Updated) values (0, 'a', %1)")
             .arg(AppDatabase().IsServer() ? "true" : "1"));
    TCompany c;
    c.LoadCompany();
    QCOMPARE(c.Updated, true);
    c.Tel = QStringLiteral("0755-1234");
    c.Manager = QStringLiteral("张三");
    c.SaveCompany();
    QCOMPARE(Scalar(QStringLiteral("select count(*) from company")).toInt(), 1);
    TCompany read;
    read.LoadCompany();
    QCOMPARE(read.Tel, QStringLiteral("0755-1234"));
    QCOMPARE(read.Manager, QStringLiteral("张三"));
    QCOMPARE(read.CompanyName, QStringLiteral("a"));
    QCOMPARE(read.Updated, true);  // written back as loaded
}

void SettingsTest::hasCompanyNameCountsGbkBytes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("has");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("seven ascii") << "abcdefg" << false;
    QTest::newRow("eight ascii") << "abcdefgh" << true;
    QTest::newRow("three chinese, six bytes") << "星光厂" << false;
    QTest::newRow("four chinese, eight bytes") << "星光电子" << true;
}

void SettingsTest::hasCompanyNameCountsGbkBytes() {
    QFETCH(QString, name);
    QFETCH(bool, has);
    TCompany c;
    c.CompanyName = name;
    QCOMPARE(c.HasCompanyName(), has);
}

void SettingsTest::editCompanyPaths() {
    Exec(QStringLiteral("delete from company"));
    PromptRecorder prompts;
    TCompany& company = AppCompany();
    company.LoadCompany();

    ScriptedCompanyDialog cancel;
    QVERIFY(!company.EditCompany(true, cancel));
    QCOMPARE(cancel.ReadOnly, (QList<bool>{true}));
    QCOMPARE(Scalar(QStringLiteral("select count(*) from company")).toInt(), 0);

    // A save that fails shows the error, reloads the stored record and shows it again. The
    // table is taken away while the dialog is open and put back when the error is shown.
    Exec(QStringLiteral("insert into company(Id, CompanyName) values (0, 'stored')"));
    company.LoadCompany();
    struct Breaker : ScriptedCompanyDialog {
        bool Execute(TCompany& c, bool readOnly) override {
            if (Shown.isEmpty())
                Exec(QStringLiteral("alter table company rename to company_away"));
            return ScriptedCompanyDialog::Execute(c, readOnly);
        }
    } dialog;
    struct Restorer : TPrompter {
        QStringList Texts;
        bool Ask(TPromptKind, const QString& text) override {
            Texts << text;
            Exec(QStringLiteral("alter table company_away rename to company"));
            return true;
        }
    } restorer;
    SetPrompter(&restorer);
    dialog.Steps = {{true, QStringLiteral("lost"), 0}, {true, QStringLiteral("saved"), 0}};
    const bool saved = company.EditCompany(false, dialog);
    SetPrompter(&prompts);
    QVERIFY(saved);
    QCOMPARE(restorer.Texts.size(), 1);
    QVERIFY(restorer.Texts.first().contains(QStringLiteral("select 1 from Company")));
    QCOMPARE(dialog.Shown, (QStringList{QStringLiteral("stored"), QStringLiteral("stored")}));
    QCOMPARE(dialog.ReadOnly, (QList<bool>{false, false}));
    QCOMPARE(company.CompanyName, QStringLiteral("saved"));
    QCOMPARE(Scalar(QStringLiteral("select CompanyName from company where Id=0")).toString(),
             QStringLiteral("saved"));
    QVERIFY(prompts.Texts().isEmpty());
}

void SettingsTest::printVariables() {
    AppCompany().CompanyName = QStringLiteral("星光");
    AppCompany().Tel = QStringLiteral("1");
    AppCompany().Fax = QStringLiteral("2");
    AppCompany().Address = QStringLiteral("3");
    AppCompany().Zip = QStringLiteral("4");
    AppOperator().LoginId = QStringLiteral("li");
    const auto vars = ProjRepVariables();
    QStringList names;
    QStringList values;
    for (const auto& v : vars) {
        names << v.first;
        values << v.second;
    }
    QCOMPARE(names,
             (QStringList{"u_Company", "u_Tel", "u_Fax", "u_Address", "u_Zip", "u_Operator"}));
    QCOMPARE(values, (QStringList{"星光", "1", "2", "3", "4", "li"}));
    AppOperator().Clear();
}

LUMORA_TEST_MAIN(SettingsTest)
#include "db_settings.moc"
