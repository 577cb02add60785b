#include "shell/MainMenu.h"

#include "masterdata/Captions.h"
#include "shell/Operator.h"

const QStringList& MainMenuTitles() {
    static const QStringList titles = {QStringLiteral("文件(&F)"), QStringLiteral("资料(&I)"),
                                       QStringLiteral("业务(&B)"), QStringLiteral("查询(&L)"),
                                       QStringLiteral("报表(&R)"), QStringLiteral("工具(&T)"),
                                       QStringLiteral("帮助(&H)")};
    return titles;
}

QList<TMenuEntry> MainMenuEntries() {
    using G = TMenuGuard;
    auto e = [](const char* name, int menu, const char* caption, G guard, int right, int tag,
                bool hourglass = false, bool separatorAfter = false) {
        return TMenuEntry{QString::fromLatin1(name),
                          menu,
                          QString::fromUtf8(caption),
                          guard,
                          right,
                          tag,
                          hourglass,
                          separatorAfter};
    };
    const int O = OtherPicture, D = DataPicture, B = BusinessPicture, R = ReportPicture;
    QList<TMenuEntry> entries = {
        e("mnuOptions1", FileMenu, "系统设置", G::Right, 8, O),
        e("mnuOperators1", FileMenu, "操作员及权限", G::Right, 100001, O),
        e("mnuHouseRights1", FileMenu, "操作员与仓库权限", G::Right, 30, O),
        e("mnuPassword1", FileMenu, "更改我的密码", G::None, 0, O, false, true),
        e("mnuPickMenu1", FileMenu, "设置我的个人桌面", G::None, 0, O, false, true),
        e("mnuBackup1", FileMenu, "备份设置与恢复", G::SuperUser, 0, O),
        e("mnuClearData1", FileMenu, "初始化数据...", G::SuperUser, 0, O),
        e("mnuUpgrade1", FileMenu, "从旧版本升级...", G::SuperUser, 0, O, false, true),
        e("mnuRelogin1", FileMenu, "重新登陆", G::None, 0, O),
        e("mnuExit1", FileMenu, "退出系统", G::None, 0, O),

        e("mnuHouses1", DataMenu, "仓库", G::Right, 13, D),
        e("mnuWares1", DataMenu, "货品", G::Right, 14, D),
        e("mnuSuppliers1", DataMenu, "供货商", G::Right, 10, D),
        e("mnuClients1", DataMenu, "", G::Right, 9, D),
        e("mnuCompany1", DataMenu, "公司信息", G::Right, 10000, D, false, true),
        e("mnuDepts1", DataMenu, "部门或外加工户", G::Right, 11, D),
        e("mnuEmployees1", DataMenu, "员工", G::Right, 12, D, false, true),
        e("mnuPickLists1", DataMenu, "常用选项", G::None, 0, D),
        e("mnuInoutTypes1", DataMenu, "出入库类型", G::Right, 15, D),

        e("mnuPutin1", BusinessMenu, "入库登记", G::InWindow, 34, B),
        e("mnuTakeout1", BusinessMenu, "出库登记", G::InWindow, 35, B),
        e("mnuMove1", BusinessMenu, "仓库调拨", G::InWindow, 36, B),
        e("mnuRegulate1", BusinessMenu, "库存盘点", G::InWindow, 0, B, false, true),
        e("mnuCarrier1", BusinessMenu, "库存结转", G::Right, 20, B),

        e("mnuPutinSum1", QueryMenu, "入库汇总表", G::Right, 32, R),
        e("mnuPutinDetail1", QueryMenu, "入库明细表", G::Right, 32, R),
        e("mnuTakeoutSum1", QueryMenu, "出库汇总表", G::Right, 33, R),
        e("mnuTakeoutDetail1", QueryMenu, "出库明细表", G::Right, 33, R),
        e("mnuMoveSum1", QueryMenu, "调拨汇总表", G::InWindow, 23, R),
        e("mnuMoveDetail1", QueryMenu, "调拨明细表", G::InWindow, 23, R, false, true),
        e("mnuHouseStock1", QueryMenu, "分仓库存", G::InWindow, 21, R, true),
        e("mnuStockList1", QueryMenu, "库存一览表", G::InWindow, 21, R, true),

        e("mnuHouseSum1", ReportMenu, "仓库汇总", G::InWindow, 24, R, true),
        e("mnuHouseInout1", ReportMenu, "仓库收发明细表", G::Right, 23, R, false, true),
        e("mnuWareSum1", ReportMenu, "存货汇总", G::InWindow, 24, R, true),
        e("mnuWareLedger1", ReportMenu, "存货明细账", G::Right, 23, R, false, true),
        e("mnuClassSum1", ReportMenu, "存货分类汇总", G::InWindow, 24, R, true),
        e("mnuDeptInout1", ReportMenu, "部门收发明细表", G::Right, 23, R),

        e("mnuNotepad1", ToolsMenu, "计事本", G::None, 0, O),
        e("mnuCalculator1", ToolsMenu, "计算器", G::None, 0, O, false, true),
        e("mnuTools1", ToolsMenu, "设置我的工具...", G::Right, 10007, O, false, true),

        e("mnuWelcome1", HelpMenu, "首次使用", G::None, 0, O),
        e("mnuHelpFile1", HelpMenu, "帮助文件", G::None, 0, O),
        e("mnuTips1", HelpMenu, "每日一贴", G::None, 0, O),
        e("mnuFaq1", HelpMenu, "常见问题", G::None, 0, O, false, true),
        e("mnuReadme1", HelpMenu, "自述文件", G::None, 0, O),
        e("mnuWhatsNew1", HelpMenu, "最新功能", G::None, 0, O, false, true),
        e("mnuAbout1", HelpMenu, "关于...", G::None, 0, O),
    };
    for (TMenuEntry& entry : entries) {
        if (entry.Name == QLatin1String("mnuClients1"))
            entry.Caption = AppCaptions().ClientWord;
    }
    return entries;
}

const TMenuEntry* FindMenuEntry(const QList<TMenuEntry>& entries, const QString& name) {
    for (const TMenuEntry& entry : entries) {
        if (entry.Name == name)
            return &entry;
    }
    return nullptr;
}

QString StripHotKey(const QString& caption) {
    QString text;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&'))
                text += caption[++i];
            continue;
        }
        text += caption[i];
    }
    return text;
}

const TMenuEntry* FindMenuEntryByCaption(const QList<TMenuEntry>& entries, const QString& caption) {
    const QString wanted = StripHotKey(caption);
    for (const TMenuEntry& entry : entries) {
        if (StripHotKey(entry.Caption).compare(wanted, Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

void CheckMenuRight(const TMenuEntry& entry, const TOperator& op) {
    switch (entry.Guard) {
        case TMenuGuard::Right:
            op.CheckRight(entry.Right);
            break;
        case TMenuGuard::SuperUser:
            op.RequireSuperUser();
            break;
        case TMenuGuard::None:
        case TMenuGuard::InWindow:
            break;
    }
}
