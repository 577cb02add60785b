#include "data/Database.h"
#include "data/Prompt.h"
#include "shell/AppIdentity.h"
#include "shell/ConnectionLoop.h"
#include "shell/LoadAppSettings.h"
#include "shell/Login.h"
#include "shell/RegionalFormats.h"
#include "shell/StartHook.h"
#include "shell/ui/Application.h"
#include "shell/ui/BaseFont.h"
#include "shell/ui/CompanyInfoFrm.h"
#include "shell/ui/DBConfigFrm.h"
#include "shell/ui/LoginFrm.h"
#include "shell/ui/MessageBoxPrompter.h"
#include "shell/ui/SplashFrm.h"
#include "shell/ui/main1Frm.h"

int main(int argc, char* argv[]) {
    RegionalFormats::Apply();

    TApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lumora"));
    QApplication::setApplicationDisplayName(AppTitle);
    QApplication::setFont(BaseFont());
    TMessageBoxPrompter prompter;
    SetPrompter(&prompter);
    QApplication::processEvents();

    ApplyPublishMark();

    auto* splash = new TSplashFrm;
    splash->show();
    splash->ShowHint(QStringLiteral("正在连接数据库,请稍候..."));

    bool connected = false;
    {
        TDBConfigFrm dialog(splash);  // kept above the splash
        connected = ConnectDatabase(AppDatabase(), dialog);
    }
    if (!connected) {
        delete splash;
        SetPrompter(nullptr);
        return 0;
    }

    splash->ShowHint(QStringLiteral("正在初始化程序,请稍候..."));
    LoadAppSettings();
    TLoginFrmDialog loginDialog;
    SetLoginDialog(&loginDialog);
    TCompanyInfoDialog companyDialog;
    SetCompanyDialog(&companyDialog);

    splash->ShowHint(QStringLiteral("正在创建主界面,请稍候..."));
    Tmain1Frm mainWindow;

    splash->ShowHint(QStringLiteral("装载完成! 开始登陆系统..."));
    delete splash;
    if (!LoginAtStart(QApplication::arguments().mid(1))) {
        mainWindow.Shutdown();  // nobody logged in: the shut-down still runs in full
        SetPrompter(nullptr);
        return 0;
    }

    mainWindow.AfterLogin();
    mainWindow.resize(1024, 700);  // the size it keeps where no window manager maximises it
    mainWindow.showMaximized();
    Tmall startHook;
    startHook.Start();
    const int rc = QApplication::exec();
    SetPrompter(nullptr);
    return rc;
}
