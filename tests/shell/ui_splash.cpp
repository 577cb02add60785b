#include <QLabel>
#include <QtTest/QTest>

#include "data/ConnectionString.h"
#include "data/Database.h"
#include "shell/ui/PlainMainFrm.h"
#include "shell/ui/SplashFrm.h"
#include "support/UiTestMain.h"

class SplashTest : public QObject {
    Q_OBJECT
private slots:
    void hints();
    void mainWindowNamesTheDatabase();
};

void SplashTest::hints() {
    TSplashFrm splash;
    QCOMPARE(splash.Hint(), QStringLiteral("正在创建数据连接..."));
    splash.ShowHint(QStringLiteral("正在连接数据库,请稍候..."));
    QCOMPARE(splash.Hint(), QStringLiteral("正在连接数据库,请稍候..."));
    splash.ShowHint(QString());
    splash.ShowHint(QString());
    QCOMPARE(splash.Hint(), QStringLiteral("正在连接数据库,请稍候....."));
    auto* label = splash.findChild<QLabel*>(QStringLiteral("lblHint1"));
    QVERIFY(label);
    QCOMPARE(label->text(), splash.Hint());
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
}

void SplashTest::mainWindowNamesTheDatabase() {
    TDatabase db(QStringLiteral("ui_plain"));
    QVERIFY(OpenEmptyTestDatabase(db));
    TPlainMainFrm frm(db);
    QCOMPARE(frm.objectName(), QStringLiteral("main1Frm"));
    QVERIFY(frm.ConnectionText().contains(QStringLiteral("SQLite")));
    QVERIFY(frm.ConnectionText().contains(db.GetDataSource()));
}

LUMORA_UI_TEST_MAIN(SplashTest)
#include "ui_splash.moc"
