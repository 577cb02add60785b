#include <QAction>
#include <QCursor>
#include <QDate>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSqlQuery>
#include <QtTest/QTest>
#include <stdexcept>

#include "data/Database.h"
#include "shell/AppIdentity.h"
#include "shell/AppSettings.h"
#include "shell/Company.h"
#include "shell/DateText.h"
#include "shell/KeyValue2.h"
#include "shell/Login.h"
#include "shell/Operator.h"
#include "shell/ui/DesktopView.h"
#include "shell/ui/HelpFrm.h"
#include "shell/ui/PickMenuFrm.h"
#include "shell/ui/main1Frm.h"
#include "support/UiTestMain.h"

namespace {

QVariant Scalar(const QString& sql) {
    TDatabase& db = AppDatabase();
    QSqlQuery q = db.NewQuery();
    db.RunQuery(q, sql, {}, {}, true);
    return q.next() ? q.value(0) : QVariant();
}

QString StoredMenus() {
    return Scalar(QStringLiteral("select Menus from operator where LoginId='li'")).toString();
}

void LogInAs(const QString& rights, const QString& menus) {
    AppDatabase().Execute(QStringLiteral("update operator set Menus=:M where LoginId='li'"),
                          {DBParam(QStringLiteral("M"), menus)});
    AppOperator().Clear();
    AppOperator().LoginId = QStringLiteral("li");
    AppOperator().Rights = rights;
}

QStringList IconTexts(const TDesktopView* view) {
    QStringList texts;
    for (int row = 0; row < view->count(); ++row)
        texts << view->item(row)->text();
    return texts;
}

class CountingCompanyDialog : public TCompanyDialog {
public:
    QList<bool> ReadOnly;
    bool Execute(TCompany&, bool readOnly) override {
        ReadOnly << readOnly;
        return false;
    }
};

// Logs in as the scripted operator, or cancels when there is none.
class ScriptedLogin : public TLoginDialog {
public:
    QString LoginId;
    bool Execute() override { return !LoginId.isEmpty() && LoginWith(LoginId, QString()); }
};

}  // namespace

class Main1Test : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void captionMenusAndLabels();
    void helpTopics();
    void toolEntriesFromLinks();
    void entriesWithoutWindowsAreDisabled();
    void companyAndReLogin();
    void menuRights_data();
    void menuRights();
    void hourglass_data();
    void hourglass();
    void desktopLoadsAndStores();
    void desktopAlignAndRemove();
    void rearrangeStoresTheNewPlaces();
    void desktopMenuFollowsTheSelection_data();
    void desktopMenuFollowsTheSelection();
    void iconRunsItsEntryWithTheRightCheck();
    void pickerTicksAndStores();
    void closingShutsDown();  // last: it disconnects the database

private:
    QString connection_;
};

void Main1Test::initTestCase() {
    QVERIFY(OpenFreshTestDatabase(AppDatabase()));
    connection_ = AppDatabase().ConnectionString();
    AppDatabase().Execute(QStringLiteral(
        "insert into operator(LoginId, [Password], Rights, Menus) values ('li', '', '', '')"));
}

void Main1Test::init() {
    LogInAs(QString(), QString());
}

void Main1Test::cleanup() {
    AppOperator().Clear();
}

void Main1Test::captionMenusAndLabels() {
    Tmain1Frm window;
    QCOMPARE(window.objectName(), QStringLiteral("main1Frm"));
    QCOMPARE(window.windowTitle(), AppTitle + QStringLiteral(" - ") + AppEdition);
    QCOMPARE(window.DateLabel()->text(), GregorianDateText(QDate::currentDate()));
    QStringList titles;
    for (int i = 0; i < 7; ++i)
        titles << window.TopMenu(i)->title();
    QCOMPARE(titles, (QStringList{"文件(&F)", "资料(&I)", "业务(&B)", "查询(&L)", "报表(&R)",
                                  "工具(&T)", "帮助(&H)"}));
    QVERIFY(window.TopMenu(FileMenu)->actions().contains(window.EntryAction("mnuExit1")));
    window.AfterLogin();
    QCOMPARE(window.OperatorLabel()->text(), QStringLiteral("li"));
}

void Main1Test::helpTopics() {
    Tmain1Frm window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    QVERIFY(THelpFrm::Current());
    QCOMPARE(THelpFrm::Current()->Topic(), QStringLiteral("main"));
    window.EntryAction("mnuFaq1")->trigger();
    QCOMPARE(THelpFrm::Current()->Topic(), QStringLiteral("faq"));
    QVERIFY(!THelpFrm::Current()->ShowsContents());
    delete THelpFrm::Current();
}

void Main1Test::toolEntriesFromLinks() {
    AppDatabase().Execute(QStringLiteral("delete from link"));
    AppDatabase().Execute(
        QStringLiteral("insert into link(Id,GroupId,Title,lpFile,lpParameters,[Note]) values "
                       "(2,0,'主页','IEXPLORE.EXE','http://example.org','公司主页')"));
    Tmain1Frm window;
    QMenu* tools = window.TopMenu(ToolsMenu);
    QList<QAction*> items = tools->actions();
    QCOMPARE(items.size(), 6);
    QCOMPARE(items[0]->text(), QStringLiteral("计事本"));
    QCOMPARE(items[1]->text(), QStringLiteral("计算器"));
    QVERIFY(items[2]->isSeparator());
    QCOMPARE(items[3]->text(), QStringLiteral("设置我的工具..."));
    QVERIFY(items[4]->isSeparator());
    QCOMPARE(items[5]->text(), QStringLiteral("主页"));
    QCOMPARE(items[5]->data().toInt(), 2);
    QCOMPARE(items[5]->toolTip(), QStringLiteral("公司主页"));

    AppDatabase().Execute(QStringLiteral("delete from link"));
    window.RebuildToolEntries();  // the old link entry goes, the fixed five stay
    QCOMPARE(tools->actions().size(), 5);
    QCOMPARE(tools->actions()[3]->text(), QStringLiteral("设置我的工具..."));
}

void Main1Test::entriesWithoutWindowsAreDisabled() {
    Tmain1Frm window;
    for (const char* name :
         {"mnuExit1", "mnuPickMenu1", "mnuCarrier1", "mnuHelpFile1", "mnuOptions1", "mnuOperators1",
          "mnuPassword1", "mnuRelogin1", "mnuCompany1", "mnuPickLists1", "mnuFaq1", "mnuNotepad1",
          "mnuCalculator1"})
        QVERIFY2(window.EntryAction(name)->isEnabled(), name);
    for (const char* name : {"mnuHouses1", "mnuPutin1", "mnuHouseSum1", "mnuAbout1"})
        QVERIFY2(!window.EntryAction(name)->isEnabled(), name);
    window.SetEntryHandler(QStringLiteral("mnuHouses1"), [] {});
    QVERIFY(window.EntryAction("mnuHouses1")->isEnabled());
}

void Main1Test::companyAndReLogin() {
    CountingCompanyDialog company;
    SetCompanyDialog(&company);
    ScriptedLogin login;
    SetLoginDialog(&login);
    LogInAs(TOperator::RightEntry(10000), QStringLiteral("货品=200,40"));
    Tmain1Frm window;
    window.AfterLogin();
    window.EntryAction("mnuCompany1")->trigger();
    QCOMPARE(company.ReadOnly, QList<bool>{false});

    window.EntryAction("mnuRelogin1")->trigger();  // cancelled: li stays
    QCOMPARE(window.OperatorLabel()->text(), QStringLiteral("li"));
    login.LoginId = QStringLiteral("sa");
    window.EntryAction("mnuRelogin1")->trigger();
    QCOMPARE(AppOperator().LoginId, QStringLiteral("sa"));
    QCOMPARE(window.OperatorLabel()->text(), QStringLiteral("sa"));
    QCOMPARE(window.DesktopView()->count(), 0);              // sa's own, empty desktop
    QCOMPARE(StoredMenus(), QStringLiteral("货品=200,40"));  // li's was kept on leaving
    SetCompanyDialog(nullptr);
    SetLoginDialog(nullptr);
}

void Main1Test::menuRights_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("rights");
    QTest::addColumn<bool>("runs");
    QTest::addColumn<QString>("message");
    const QString refused = QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(%1).");
    QTest::newRow("仓库 without 13") << "mnuHouses1"
                                     << "li"
                                     << ",3,,130," << false << refused.arg(13);
    QTest::newRow("仓库 with 13") << "mnuHouses1"
                                  << "li"
                                  << ",3,,13," << true << "";
    QTest::newRow("操作员及权限 without 100001") << "mnuOperators1"
                                                 << "li"
                                                 << ",10001," << false << refused.arg(100001);
    QTest::newRow("库存结转 as sa") << "mnuCarrier1"
                                    << "sa"
                                    << "" << true << "";
    QTest::newRow("备份 not sa") << "mnuBackup1"
                                 << "li"
                                 << ",10005," << false << "只有系统用户(sa)才能执行此操作.";
    QTest::newRow("备份 as sa") << "mnuBackup1"
                                << "sa"
                                << "" << true << "";
    QTest::newRow("入库登记 checks in its window") << "mnuPutin1"
                                                   << "li"
                                                   << "" << true << "";
}

void Main1Test::menuRights() {
    QFETCH(QString, entry);
    QFETCH(QString, login);
    QFETCH(QString, rights);
    QFETCH(bool, runs);
    QFETCH(QString, message);
    PromptRecorder prompts;
    AppOperator().LoginId = login;
    AppOperator().Rights = rights;
    Tmain1Frm window;
    int opened = 0;
    window.SetEntryHandler(entry, [&opened] { ++opened; });
    window.EntryAction(entry)->trigger();  // the refusal is swallowed on the way
    QCOMPARE(opened, runs ? 1 : 0);
    if (message.isEmpty())
        QVERIFY(prompts.Prompts.isEmpty());
    else
        QCOMPARE(prompts.Last(), FramePromptText(TPromptKind::Info, message));
}

void Main1Test::hourglass_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("waits");
    QTest::addColumn<bool>("fails");
    QTest::newRow("仓库汇总 builds behind the hourglass") << "mnuHouseSum1" << true << false;
    QTest::newRow("库存一览表 restores it after an error") << "mnuStockList1" << true << true;
    QTest::newRow("仓库收发明细表 does not wait") << "mnuHouseInout1" << false << false;
}

void Main1Test::hourglass() {
    QFETCH(QString, entry);
    QFETCH(bool, waits);
    QFETCH(bool, fails);
    AppOperator().LoginId = QStringLiteral("sa");
    Tmain1Frm window;
    bool waited = false;
    window.SetEntryHandler(entry, [&] {
        waited = QGuiApplication::overrideCursor() &&
                 QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
        if (fails)
            throw std::runtime_error("the window could not be built");
    });
    bool thrown = false;
    try {
        window.RunEntry(entry);
    } catch (const std::runtime_error&) {
        thrown = true;
    }
    QCOMPARE(thrown, fails);
    QCOMPARE(waited, waits);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void Main1Test::desktopLoadsAndStores() {
    LogInAs(QString(), QStringLiteral("货品=200,20\r\n旧的客户称呼=1,1\r\n仓库=x,y\r\n员工=0,0"));
    Tmain1Frm window;
    window.show();
    window.AfterLogin();
    TDesktopView* view = window.DesktopView();
    QCOMPARE(IconTexts(view), (QStringList{"货品", "仓库", "员工"}));
    QCOMPARE(view->IconPosition(0), QPoint(200, 20));
    // The two without a place fill the first free cells of the automatic arrangement.
    QCOMPARE(view->IconPosition(1).x(), view->spacing());
    QCOMPARE(view->IconPosition(2).x(), view->spacing());
    QVERIFY(view->IconPosition(1).y() < view->IconPosition(2).y());

    view->SetIconPosition(0, QPoint(300, 40));  // as a drag leaves it
    window.StoreDesktop();
    const QString stored = StoredMenus();
    QVERIFY(stored.startsWith(QStringLiteral("货品=300,40\r\n仓库=")));
    QVERIFY(!stored.contains(QStringLiteral("旧的客户称呼")));
    QCOMPARE(stored.count(QStringLiteral("\r\n")), 2);

    LogInAs(QString(), QString());
    window.AfterLogin();
    QCOMPARE(view->count(), 0);  // an empty Menus, an empty desktop
}

void Main1Test::desktopAlignAndRemove() {
    LogInAs(QString(), QStringLiteral("仓库=10,10\r\n货品=200,40\r\n员工=300,70"));
    Tmain1Frm window;
    window.show();
    window.AfterLogin();
    TDesktopView* view = window.DesktopView();
    for (int row = 0; row < 3; ++row)
        view->item(row)->setSelected(true);
    window.AlignSelectedTop();
    QCOMPARE(view->IconPosition(1), QPoint(200, 10));
    QCOMPARE(view->IconPosition(2), QPoint(300, 10));
    view->clearSelection();
    view->item(1)->setSelected(true);
    view->item(2)->setSelected(true);
    window.AlignSelectedLeft();
    QCOMPARE(view->IconPosition(2), QPoint(200, 10));
    view->clearSelection();
    view->item(0)->setSelected(true);
    window.RemoveSelectedIcons();
    QCOMPARE(IconTexts(view), (QStringList{"货品", "员工"}));
    window.StoreDesktop();
    QCOMPARE(StoredMenus(), QStringLiteral("货品=200,10\r\n员工=200,10"));
}

void Main1Test::rearrangeStoresTheNewPlaces() {
    LogInAs(QString(), QStringLiteral("仓库=400,300\r\n货品=500,20"));
    Tmain1Frm window;
    window.show();
    window.AfterLogin();
    window.RearrangeDesktop();
    TDesktopView* view = window.DesktopView();
    const QPoint first = view->IconPosition(0);
    const QPoint second = view->IconPosition(1);
    QCOMPARE(first, QPoint(view->spacing(), view->spacing()));
    QCOMPARE(second, QPoint(view->spacing(), view->spacing() + view->gridSize().height()));
    QCOMPARE(StoredMenus(), QStringLiteral("仓库=%1,%2\r\n货品=%3,%4")
                                .arg(first.x())
                                .arg(first.y())
                                .arg(second.x())
                                .arg(second.y()));
}

void Main1Test::desktopMenuFollowsTheSelection_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("remove");
    QTest::addColumn<bool>("align");
    QTest::newRow("none") << 0 << false << false << false;
    QTest::newRow("one") << 1 << true << true << false;
    QTest::newRow("two") << 2 << false << true << true;
}

void Main1Test::desktopMenuFollowsTheSelection() {
    QFETCH(int, selected);
    QFETCH(bool, open);
    QFETCH(bool, remove);
    QFETCH(bool, align);
    LogInAs(QString(), QStringLiteral("仓库=10,10\r\n货品=200,40"));
    Tmain1Frm window;
    window.AfterLogin();
    for (int row = 0; row < selected; ++row)
        window.DesktopView()->item(row)->setSelected(true);
    window.UpdateDesktopMenu();
    QMenu* menu = window.DesktopMenu();
    auto enabled = [menu](const char* name) {
        return menu->findChild<QAction*>(QString::fromLatin1(name))->isEnabled();
    };
    QCOMPARE(enabled("popOpen1"), open);
    QCOMPARE(enabled("popRemove1"), remove);
    QCOMPARE(enabled("popAlignTop1"), align);
    QCOMPARE(enabled("popAlignLeft1"), align);
    QVERIFY(enabled("popPick1"));
    QVERIFY(enabled("popArrange1"));
    QStringList texts;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator())
            texts << action->text();
    }
    QCOMPARE(texts, (QStringList{"打开", "设置我的桌面", "从我的桌面中删除", "顶对齐", "左对齐",
                                 "重新排列我的桌面"}));
}

void Main1Test::iconRunsItsEntryWithTheRightCheck() {
    PromptRecorder prompts;
    LogInAs(QString(), QStringLiteral("仓库=10,10"));
    Tmain1Frm window;
    int opened = 0;
    window.SetEntryHandler(QStringLiteral("mnuHouses1"), [&opened] { ++opened; });
    window.show();
    window.AfterLogin();
    TDesktopView* view = window.DesktopView();
    view->item(0)->setSelected(true);
    window.DesktopMenu()->findChild<QAction*>(QStringLiteral("popOpen1"))->trigger();
    QCOMPARE(opened, 0);  // refused without right 13
    QVERIFY(prompts.Last().contains(QStringLiteral("(13)")));
    AppOperator().Rights = TOperator::RightEntry(13);
    emit view->itemDoubleClicked(view->item(0));
    QCOMPARE(opened, 1);
}

void Main1Test::pickerTicksAndStores() {
    LogInAs(QString(), QStringLiteral("货品=200,40\r\n入库登记=300,40"));
    Tmain1Frm window;
    window.show();
    window.AfterLogin();
    window.StoreDesktop();
    TPickMenuFrm picker(MainMenuEntries(), StoredMenus(), &window);
    QCOMPARE(picker.windowTitle(), QStringLiteral("请选择您所常用的功能菜单"));
    QCOMPARE(picker.MenuList()->currentRow(), 0);
    picker.SelectMenu(DataMenu);
    QListWidget* list = picker.EntryList();
    QCOMPARE(list->item(1)->text(), QStringLiteral("货品"));
    QCOMPARE(list->item(1)->checkState(), Qt::Checked);
    QCOMPARE(list->item(0)->checkState(), Qt::Unchecked);
    picker.SetTicked(QStringLiteral("货品"), false);
    picker.SetTicked(QStringLiteral("员工"), true);
    picker.SelectMenu(BusinessMenu);  // the data page's ticks are kept on leaving it
    QCOMPARE(list->item(0)->checkState(), Qt::Checked);  // 入库登记
    picker.show();
    picker.OkButton()->click();
    QCOMPARE(StoredMenus(), QStringLiteral("入库登记=300,40\r\n员工=0,0"));
    window.LoadDesktop(true);
    QCOMPARE(IconTexts(window.DesktopView()), (QStringList{"入库登记", "员工"}));
    QCOMPARE(window.DesktopView()->IconPosition(0), QPoint(300, 40));
}

void Main1Test::closingShutsDown() {
    LogInAs(QString(), QStringLiteral("货品=200,40"));
    AppSettings().SupplierSearchIndex = 2;
    AppSettings().ClientSearchIndex = 1;
    AppSettings().WareSearchIndex = 3;
    auto* window = new Tmain1Frm;
    window->show();
    window->AfterLogin();
    window->DesktopView()->SetIconPosition(0, QPoint(250, 60));
    window->close();
    QVERIFY(window->IsShutDown());
    QVERIFY(!window->isVisible());
    QVERIFY(!AppDatabase().Connected());
    delete window;

    QVERIFY(AppDatabase().TryConnect(connection_, nullptr));
    QCOMPARE(StoredMenus(), QStringLiteral("货品=250,60"));
    AppKeyValue2().Close();
    QCOMPARE(AppKeyValue2().ReadInt(37), 2);
    QCOMPARE(AppKeyValue2().ReadInt(38), 1);
    QCOMPARE(AppKeyValue2().ReadInt(39), 3);
    AppDatabase().SetConnected(false);
}

LUMORA_UI_TEST_MAIN(Main1Test)
#include "ui_main1.moc"
