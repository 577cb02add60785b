#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <memory>

#include "data/Abort.h"
#include "shell/Configer.h"
#include "shell/Login.h"
#include "shell/Operator.h"
#include "shell/OperatorSet.h"
#include "shell/PasswordChange.h"
#include "shell/ProgramFolder.h"
#include "support/TestSupport.h"

namespace {

QVariant Scalar(const QString& sql, const TDBParameters& params = {}) {
    TDatabase& db = AppDatabase();
    QSqlQuery q = db.NewQuery();
    db.RunQuery(q, sql, params, {}, true);
    return q.next() ? q.value(0) : QVariant();
}

int OperatorRows(const QString& loginId) {
    return Scalar(QStringLiteral("select count(*) from operator where LoginId=:LoginId"),
                  {DBParam(QStringLiteral("LoginId"), loginId)})
        .toInt();
}

// A login window that types the scripted name and password and presses OK until the check
// passes, or Cancel when the script runs out.
class ScriptedLogin : public TLoginDialog {
public:
    QList<QPair<QString, QString>> Attempts;
    int Shown = 0;
    bool Execute() override {
        ++Shown;
        while (!Attempts.isEmpty()) {
            const auto a = Attempts.takeFirst();
            if (LoginWith(a.first, a.second))
                return true;
        }
        return false;
    }
};

class ScriptedPassword : public TPasswordDialog {
public:
    QList<QPair<QString, QString>> Entries;  // current, new; OK for each, then Cancel
    QStringList LoginIds;
    bool Execute(const QString& loginId, QString* current, QString* newPassword) override {
        LoginIds << loginId;
        if (Entries.isEmpty())
            return false;
        const auto e = Entries.takeFirst();
        *current = e.first;
        *newPassword = e.second;
        return true;
    }
};

void AddOperatorRow(const QString& loginId, const QString& password, const QString& rights) {
    AppDatabase().Execute(
        QStringLiteral("insert into operator(LoginId, [Password], Rights) values (:L, :P, :R)"),
        {DBParam(QStringLiteral("L"), loginId), DBParam(QStringLiteral("P"), password),
         DBParam(QStringLiteral("R"), rights)});
}

}  // namespace

class OperatorsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void hasRight_data();
    void hasRight();
    void checkRightAbandons_data();
    void checkRightAbandons();
    void requireSuperUser();
    void rightsTableOrderAndText();

    void operatorSetListsAllButSa();
    void addDuplicateUpdateDelete();

    void commandLineLogin_data();
    void commandLineLogin();
    void dialogLogin_data();
    void dialogLogin();
    void newDatabaseLetsSaInWithEmptyPassword();
    void lastLoginName();
    void reLoginCancelledKeepsOperator();
    void changePassword();

private:
    std::unique_ptr<QTemporaryDir> folder_;
    ScriptedLogin login_;
};

void OperatorsTest::initTestCase() {
    QVERIFY(OpenFreshTestDatabase(AppDatabase()));
    AddOperatorRow(QStringLiteral("li"), QStringLiteral("Pw1"), QStringLiteral(",13,,8,"));
    AddOperatorRow(QStringLiteral("wang"), QString(), QString());
}

void OperatorsTest::cleanupTestCase() {
    AppDatabase().SetConnected(false);
}

void OperatorsTest::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    SetProgramFolder(folder_->path());
    AppOperator().Clear();
    login_.Attempts.clear();
    login_.Shown = 0;
    SetLoginDialog(&login_);
}

void OperatorsTest::cleanup() {
    SetLoginDialog(nullptr);
    SetProgramFolder(QString());
    AppOperator().Clear();
}

void OperatorsTest::hasRight_data() {
    QTest::addColumn<QString>("loginId");
    QTest::addColumn<QString>("rights");
    QTest::addColumn<int>("right");
    QTest::addColumn<bool>("has");
    QTest::newRow("3 inside 13 only") << "li"
                                      << ",13," << 3 << false;
    QTest::newRow("3 and 13") << "li"
                              << ",3,,13," << 3 << true;
    QTest::newRow("13 of 3 and 13") << "li"
                                    << ",3,,13," << 13 << true;
    QTest::newRow("without commas") << "li"
                                    << "13" << 13 << false;
    QTest::newRow("100001 is not 10001") << "li"
                                         << ",100001," << 10001 << false;
    QTest::newRow("empty") << "li"
                           << "" << 8 << false;
    QTest::newRow("sa without rights") << "sa"
                                       << "" << 100001 << true;
    QTest::newRow("SA is not sa") << "SA"
                                  << "" << 8 << false;
}

void OperatorsTest::hasRight() {
    QFETCH(QString, loginId);
    QFETCH(QString, rights);
    QFETCH(int, right);
    QFETCH(bool, has);
    TOperator op;
    op.LoginId = loginId;
    op.Rights = rights;
    QCOMPARE(op.HasRight(right), has);
}

void OperatorsTest::checkRightAbandons_data() {
    QTest::addColumn<QString>("loginId");
    QTest::addColumn<bool>("abortIfDenied");
    QTest::addColumn<int>("right");
    QTest::addColumn<bool>("granted");
    QTest::newRow("held") << "li" << true << 8 << true;
    QTest::newRow("refused, abandoned") << "li" << true << 14 << false;
    QTest::newRow("refused, goes on") << "li" << false << 14 << false;
    QTest::newRow("sa") << "sa" << true << 30 << true;
}

void OperatorsTest::checkRightAbandons() {
    QFETCH(QString, loginId);
    QFETCH(bool, abortIfDenied);
    QFETCH(int, right);
    QFETCH(bool, granted);
    PromptRecorder prompts;
    TOperator op;
    op.Load(loginId);
    QCOMPARE(op.LoginId, loginId);
    bool result = false;
    bool abandoned = false;
    try {
        result = op.CheckRight(right, abortIfDenied);
    } catch (const EAbort&) {
        abandoned = true;
    }
    QCOMPARE(abandoned, !granted && abortIfDenied);
    QCOMPARE(result, granted);
    if (granted) {
        QVERIFY(prompts.Texts().isEmpty());
    } else {
        QCOMPARE(prompts.Prompts.size(), 1);
        QCOMPARE(prompts.Prompts.first().first, TPromptKind::Info);
        QVERIFY(prompts.Last().contains(
            QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(%1).").arg(right)));
    }
}

void OperatorsTest::requireSuperUser() {
    PromptRecorder prompts;
    TOperator op;
    op.Load(QStringLiteral("li"));
    QVERIFY_THROWS_EXCEPTION(EAbort, op.RequireSuperUser());
    QVERIFY(prompts.Last().contains(QStringLiteral("只有系统用户(sa)才能执行此操作.")));
    prompts.Clear();
    op.Load(QStringLiteral("sa"));
    op.RequireSuperUser();
    QVERIFY(prompts.Texts().isEmpty());
}

void OperatorsTest::rightsTableOrderAndText() {
    int count = 0;
    const TRightEntry* rights = RightsTable(&count);
    QCOMPARE(count, 37);
    QCOMPARE(QString::fromUtf8(rights[0].Caption), QStringLiteral("仓库设置"));
    QCOMPARE(rights[0].Number, 13);
    QCOMPARE(QString::fromUtf8(rights[27].Caption), QStringLiteral("允许查看库存价格"));
    QCOMPARE(QString::fromUtf8(rights[29].Caption), QStringLiteral("操作员及权限管理"));
    QCOMPARE(rights[29].Number, 100001);
    QCOMPARE(QString::fromUtf8(rights[36].Caption), QStringLiteral("工具菜单设置"));
    QSet<int> numbers;
    for (int i = 0; i < count; ++i)
        numbers.insert(rights[i].Number);
    QCOMPARE(numbers.size(), count);

    // The rights text follows the table's order, whatever order it was read in.
    QList<bool> ticked = TickedRights(QStringLiteral(",14,,13,,3,,100001,"));
    QCOMPARE(ticked.size(), count);
    QCOMPARE(BuildRights(ticked), QStringLiteral(",13,,14,,100001,"));
    QCOMPARE(BuildRights(QList<bool>(count, false)), QString());
}

void OperatorsTest::operatorSetListsAllButSa() {
    TOperatorSet set;
    QCOMPARE(set.RecordCount(), 2);
    QVERIFY(!set.Locate(QStringLiteral("LoginId"), QStringLiteral("sa")));
    QCOMPARE(set.UserIdField->DisplayLabel, QStringLiteral("登陆名"));
    QCOMPARE(set.RightsField->Kind(), TFieldKind::Memo);
    QStringList names = LoginNames();
    names.sort();
    QCOMPARE(names, (QStringList{QStringLiteral("li"), QStringLiteral("wang")}));
}

void OperatorsTest::addDuplicateUpdateDelete() {
    TOperatorSet set;
    set.AddOperator(QStringLiteral("zhao"), QStringLiteral("p'1"), QStringLiteral(",9,"),
                    QStringLiteral("备注"), QStringLiteral("电话"), QStringLiteral("赵"));
    QCOMPARE(set.RecordCount(), 3);
    QCOMPARE(set.NameField->AsString(), QStringLiteral("赵"));
    TOperator op;
    op.Load(QStringLiteral("zhao"));
    QCOMPARE(op.Password, QStringLiteral("p'1"));
    QCOMPARE(op.Rights, QStringLiteral(",9,"));
    QCOMPARE(op.Note, QStringLiteral("备注"));
    QCOMPARE(op.Contact, QStringLiteral("电话"));

    for (const QString& existing : {QStringLiteral("zhao"), QStringLiteral("sa")}) {
        QVERIFY_THROWS_EXCEPTION(EDatabaseError, set.AddOperator(existing, QString(), QString(),
                                                                 QString(), QString(), QString()));
        QCOMPARE(set.RecordCount(), 3);
        QCOMPARE(OperatorRows(existing), 1);
    }
    op.Load(QStringLiteral("sa"));
    QCOMPARE(op.Password, QString());

    set.UpdateOperator(QStringLiteral("zhao"), QStringLiteral("new"), QStringLiteral(",8,"),
                       QString(), QString(), QStringLiteral("赵二"));
    op.Load(QStringLiteral("zhao"));
    QCOMPARE(op.Password, QStringLiteral("new"));
    QCOMPARE(op.Rights, QStringLiteral(",8,"));
    QCOMPARE(op.Name, QStringLiteral("赵二"));
    QVERIFY(set.Locate(QStringLiteral("LoginId"), QStringLiteral("zhao")));
    QCOMPARE(set.RightsField->AsString(), QStringLiteral(",8,"));

    set.DeleteOperator(QStringLiteral("zhao"));
    QCOMPARE(OperatorRows(QStringLiteral("zhao")), 0);
    QCOMPARE(set.RecordCount(), 2);
    set.DeleteOperator(QStringLiteral("sa"));
    QCOMPARE(OperatorRows(QStringLiteral("sa")), 1);
}

void OperatorsTest::commandLineLogin_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("loggedIn");  // empty: nobody
    QTest::addColumn<bool>("dialogShown");
    QTest::newRow("right password") << QStringList{"li", "Pw1", "x"} << "li" << false;
    QTest::newRow("password differs in case") << QStringList{"li", "pw1", "x"} << "" << true;
    QTest::newRow("empty password of wang") << QStringList{"wang", "", ""} << "wang" << false;
    QTest::newRow("unknown login, empty password") << QStringList{"nobody", "", "x"} << "" << true;
    QTest::newRow("two arguments") << QStringList{"li", "Pw1"} << "" << true;
    QTest::newRow("four arguments") << QStringList{"li", "Pw1", "x", "y"} << "" << true;
    QTest::newRow("none") << QStringList{} << "" << true;
}

void OperatorsTest::commandLineLogin() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, loggedIn);
    QFETCH(bool, dialogShown);
    QCOMPARE(LoginAtStart(arguments), !loggedIn.isEmpty());
    QCOMPARE(AppOperator().LoginId, loggedIn);
    QCOMPARE(login_.Shown, dialogShown ? 1 : 0);
    // The command line does not change the remembered name.
    QCOMPARE(TConfiger::ReadLastLoginId(), QString());
}

void OperatorsTest::dialogLogin_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("ok");
    QTest::newRow("right") << "li"
                           << "Pw1" << true;
    QTest::newRow("wrong") << "li"
                           << "Pw2" << false;
    QTest::newRow("empty for li") << "li"
                                  << "" << false;
    QTest::newRow("unknown, empty") << "nobody"
                                    << "" << false;
    QTest::newRow("unknown, any") << "nobody"
                                  << "Pw1" << false;
    QTest::newRow("name with a quote") << "li' or '1'='1"
                                       << "" << false;
}

void OperatorsTest::dialogLogin() {
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(bool, ok);
    login_.Attempts = {{name, password}};
    QCOMPARE(LoginAtStart({}), ok);
    QCOMPARE(AppOperator().LoginId, ok ? name : QString());
    QCOMPARE(TConfiger::ReadLastLoginId(), ok ? name : QString());
}

void OperatorsTest::newDatabaseLetsSaInWithEmptyPassword() {
    login_.Attempts = {{QStringLiteral("sa"), QStringLiteral("x")},
                       {QStringLiteral("sa"), QString()}};
    QVERIFY(LoginAtStart({}));
    QCOMPARE(AppOperator().LoginId, QStringLiteral("sa"));
    QVERIFY(AppOperator().HasRight(100001));
    AppOperator().Clear();
    QVERIFY(LoginAtStart({QStringLiteral("sa"), QString(), QString()}));
    QCOMPARE(AppOperator().LoginId, QStringLiteral("sa"));
}

void OperatorsTest::lastLoginName() {
    QCOMPARE(InitialLoginName(), QStringLiteral("sa"));
    QVERIFY(LoginWith(QStringLiteral("wang"), QString()));
    QCOMPARE(InitialLoginName(), QStringLiteral("wang"));
    // A failed attempt leaves the remembered name and the operator alone.
    QVERIFY(!LoginWith(QStringLiteral("li"), QStringLiteral("bad")));
    QCOMPARE(InitialLoginName(), QStringLiteral("wang"));
    QCOMPARE(AppOperator().LoginId, QStringLiteral("wang"));
}

void OperatorsTest::reLoginCancelledKeepsOperator() {
    QVERIFY(LoginWith(QStringLiteral("li"), QStringLiteral("Pw1")));
    login_.Attempts = {{QStringLiteral("wang"), QStringLiteral("wrong")}};
    QVERIFY(!ReLogin());
    QCOMPARE(AppOperator().LoginId, QStringLiteral("li"));
    QCOMPARE(AppOperator().Rights, QStringLiteral(",13,,8,"));
    login_.Attempts = {{QStringLiteral("wang"), QString()}};
    QVERIFY(ReLogin());
    QCOMPARE(AppOperator().LoginId, QStringLiteral("wang"));
}

void OperatorsTest::changePassword() {
    AddOperatorRow(QStringLiteral("pw"), QStringLiteral("old"), QString());
    QVERIFY(LoginWith(QStringLiteral("pw"), QStringLiteral("old")));
    PromptRecorder prompts;

    ScriptedPassword cancel;
    QVERIFY(!ChangePassword(cancel));
    QVERIFY(prompts.Texts().isEmpty());

    ScriptedPassword dialog;
    dialog.Entries = {{QStringLiteral("OLD"), QStringLiteral("n1")},
                      {QStringLiteral("old"), QStringLiteral("n2")}};
    QVERIFY(ChangePassword(dialog));
    QCOMPARE(dialog.LoginIds, (QStringList{QStringLiteral("pw"), QStringLiteral("pw")}));
    QCOMPARE(prompts.Texts().size(), 2);
    QVERIFY(prompts.Texts()[0].contains(QStringLiteral("当前密码验证失败,请确认并重新输入.")));
    QVERIFY(prompts.Texts()[1].contains(QStringLiteral("密码更改成功! 下次登陆时请使用新密码.")));
    QCOMPARE(AppOperator().Password, QStringLiteral("n2"));
    TOperator stored;
    stored.Load(QStringLiteral("pw"));
    QCOMPARE(stored.Password, QStringLiteral("n2"));
    QCOMPARE(OperatorRows(QStringLiteral("li")), 1);
    TOperator li;
    li.Load(QStringLiteral("li"));
    QCOMPARE(li.Password, QStringLiteral("Pw1"));
}

LUMORA_TEST_MAIN(OperatorsTest)
#include "db_operators.moc"
