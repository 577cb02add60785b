#include <QtTest/QTest>

#include "data/Abort.h"
#include "masterdata/Captions.h"
#include "shell/DateText.h"
#include "shell/MainMenu.h"
#include "shell/Operator.h"
#include "support/TestSupport.h"

// The main menu's table: which entry asks for which right, and what the check does.
class MainMenuTest : public QObject {
    Q_OBJECT
private slots:
    void rights_data();
    void rights();
    void everyEntryIsListedOnce();
    void clientEntryFollowsTheCaption();
    void captionsMatchWithoutHotKeys_data();
    void captionsMatchWithoutHotKeys();
    void dateText_data();
    void dateText();
};

void MainMenuTest::rights_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("guard");
    QTest::addColumn<int>("right");
    const int R = int(TMenuGuard::Right), S = int(TMenuGuard::SuperUser),
              W = int(TMenuGuard::InWindow), N = int(TMenuGuard::None);
    struct Row {
        const char* name;
        int guard;
        int right;
    };
    const Row rows[] = {
        {"mnuOptions1", R, 8},        {"mnuOperators1", R, 100001}, {"mnuHouseRights1", R, 30},
        {"mnuPassword1", N, 0},       {"mnuPickMenu1", N, 0},       {"mnuBackup1", S, 0},
        {"mnuClearData1", S, 0},      {"mnuUpgrade1", S, 0},        {"mnuRelogin1", N, 0},
        {"mnuExit1", N, 0},           {"mnuHouses1", R, 13},        {"mnuWares1", R, 14},
        {"mnuSuppliers1", R, 10},     {"mnuClients1", R, 9},        {"mnuCompany1", R, 10000},
        {"mnuDepts1", R, 11},         {"mnuEmployees1", R, 12},     {"mnuPickLists1", N, 0},
        {"mnuInoutTypes1", R, 15},    {"mnuPutin1", W, 34},         {"mnuTakeout1", W, 35},
        {"mnuMove1", W, 36},          {"mnuRegulate1", W, 0},       {"mnuCarrier1", R, 20},
        {"mnuPutinSum1", R, 32},      {"mnuPutinDetail1", R, 32},   {"mnuTakeoutSum1", R, 33},
        {"mnuTakeoutDetail1", R, 33}, {"mnuMoveSum1", W, 23},       {"mnuMoveDetail1", W, 23},
        {"mnuHouseStock1", W, 21},    {"mnuStockList1", W, 21},     {"mnuHouseSum1", W, 24},
        {"mnuHouseInout1", R, 23},    {"mnuWareSum1", W, 24},       {"mnuWareLedger1", R, 23},
        {"mnuClassSum1", W, 24},      {"mnuDeptInout1", R, 23},     {"mnuNotepad1", N, 0},
        {"mnuCalculator1", N, 0},     {"mnuTools1", R, 10007},      {"mnuWelcome1", N, 0},
        {"mnuHelpFile1", N, 0},       {"mnuTips1", N, 0},           {"mnuFaq1", N, 0},
        {"mnuReadme1", N, 0},         {"mnuWhatsNew1", N, 0},       {"mnuAbout1", N, 0},
    };
    for (const Row& row : rows)
        QTest::newRow(row.name) << QString::fromLatin1(row.name) << row.guard << row.right;
}

void MainMenuTest::rights() {
    QFETCH(QString, entry);
    QFETCH(int, guard);
    QFETCH(int, right);
    const QList<TMenuEntry> entries = MainMenuEntries();
    const TMenuEntry* e = FindMenuEntry(entries, entry);
    QVERIFY(e);
    QCOMPARE(int(e->Guard), guard);
    QCOMPARE(e->Right, right);

    PromptRecorder prompts;
    TOperator clerk;
    clerk.LoginId = QStringLiteral("clerk");
    // Every right but this entry's own.
    for (int n : {8,  9,  10, 11, 12, 13, 14, 15,    20,    21,    23,
                  24, 30, 32, 33, 34, 35, 36, 10000, 10007, 100001}) {
        if (n != right)
            clerk.Rights += TOperator::RightEntry(n);
    }
    const bool refused = guard == int(TMenuGuard::Right) || guard == int(TMenuGuard::SuperUser);
    bool aborted = false;
    try {
        CheckMenuRight(*e, clerk);
    } catch (const EAbort&) {
        aborted = true;
    }
    QCOMPARE(aborted, refused);
    if (guard == int(TMenuGuard::Right))
        QCOMPARE(prompts.Last(),
                 FramePromptText(TPromptKind::Info, QStringLiteral("对不起,您没有该功能的操作权限,"
                                                                   "请与管理员联系(%1).")
                                                        .arg(right)));
    else if (guard == int(TMenuGuard::SuperUser))
        QVERIFY(prompts.Last().contains(QStringLiteral("只有系统用户(sa)才能执行此操作.")));
    else
        QVERIFY(prompts.Prompts.isEmpty());

    // With the right (or as sa) the entry goes ahead without a word.
    prompts.Clear();
    TOperator allowed = clerk;
    if (guard == int(TMenuGuard::SuperUser))
        allowed.LoginId = QStringLiteral("sa");
    else
        allowed.Rights += TOperator::RightEntry(right);
    CheckMenuRight(*e, allowed);
    QVERIFY(prompts.Prompts.isEmpty());
}

void MainMenuTest::everyEntryIsListedOnce() {
    const QList<TMenuEntry> entries = MainMenuEntries();
    QSet<QString> names;
    QSet<QString> captions;
    int lastMenu = 0;
    for (const TMenuEntry& e : entries) {
        QVERIFY2(!names.contains(e.Name), qPrintable(e.Name));
        QVERIFY2(!captions.contains(e.Caption), qPrintable(e.Caption));
        names.insert(e.Name);
        captions.insert(e.Caption);
        QVERIFY(e.Menu >= lastMenu);  // menu by menu
        lastMenu = e.Menu;
        const int tag = e.Menu == DataMenu                              ? DataPicture
                        : e.Menu == BusinessMenu                        ? BusinessPicture
                        : (e.Menu == QueryMenu || e.Menu == ReportMenu) ? ReportPicture
                                                                        : OtherPicture;
        QCOMPARE(e.Tag, tag);
    }
    QCOMPARE(MainMenuTitles().size(), 7);
}

void MainMenuTest::clientEntryFollowsTheCaption() {
    const QString before = AppCaptions().ClientWord;
    AppCaptions().ClientWord = QStringLiteral("Kunden");
    const QList<TMenuEntry> entries = MainMenuEntries();
    AppCaptions().ClientWord = before;
    QCOMPARE(FindMenuEntry(entries, QStringLiteral("mnuClients1"))->Caption,
             QStringLiteral("Kunden"));
    QVERIFY(FindMenuEntryByCaption(entries, QStringLiteral("&KUNDEN")));  // regardless of case
    QVERIFY(!FindMenuEntryByCaption(entries, before));
}

void MainMenuTest::captionsMatchWithoutHotKeys_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("entry");
    QTest::newRow("as shown") << "仓库"
                              << "mnuHouses1";
    QTest::newRow("hot-key mark") << "仓&库"
                                  << "mnuHouses1";
    QTest::newRow("dots kept") << "关于..."
                               << "mnuAbout1";
    QTest::newRow("unknown") << "不存在的菜单"
                             << "";
}

void MainMenuTest::captionsMatchWithoutHotKeys() {
    QFETCH(QString, caption);
    QFETCH(QString, entry);
    const QList<TMenuEntry> entries = MainMenuEntries();
    const TMenuEntry* found = FindMenuEntryByCaption(entries, caption);
    QCOMPARE(found ? found->Name : QString(), entry);
    QCOMPARE(StripHotKey(QStringLiteral("A&&B&C")), QStringLiteral("A&BC"));
}

void MainMenuTest::dateText_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("lunar");
    QTest::newRow("Monday") << QDate(2005, 2, 21) << "2005年02月21日 星期一"
                            << "乙酉 鸡年 正月十三";
    QTest::newRow("Saturday") << QDate(2000, 1, 1) << "2000年01月01日 星期六"
                              << "庚辰 龙年 十一月廿五";
    QTest::newRow("beyond the tables") << QDate(2051, 1, 8) << "2051年01月08日 星期日"
                                       << "辛未 羊年";
}

void MainMenuTest::dateText() {
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QFETCH(QString, lunar);
    QCOMPARE(GregorianDateText(date), text);
    QCOMPARE(LunarLabelText(date), lunar);
}

LUMORA_TEST_MAIN(MainMenuTest)
#include "tst_mainmenu.moc"
