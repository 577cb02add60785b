#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QtTest/QTest>

#include "data/Database.h"
#include "shell/AppIdentity.h"
#include "shell/ui/PlainMainFrm.h"
#include "support/UiTestMain.h"

class PlainMainTest : public QObject {
    Q_OBJECT
private slots:
    void namesTheDatabaseAndQuits();
};

void PlainMainTest::namesTheDatabaseAndQuits() {
    TDatabase db(QStringLiteral("plain"));
    QVERIFY(OpenEmptyTestDatabase(db));
    TPlainMainFrm window(db);
    QCOMPARE(window.objectName(), QStringLiteral("main1Frm"));
    QCOMPARE(window.windowTitle(), AppTitle);
    const QString text = window.findChild<QLabel*>(QStringLiteral("lblConnection1"))->text();
    QVERIFY(text.contains(db.GetProvider()));
    QVERIFY(text.contains(db.GetDataSource()));
    const QList<QAction*> menus = window.menuBar()->actions();
    QCOMPARE(menus.size(), 1);
    QCOMPARE(menus[0]->text(), QStringLiteral("文件(&F)"));
    QAction* quit = window.findChild<QAction*>(QStringLiteral("actExit1"));
    QCOMPARE(quit->text(), QStringLiteral("退出(&X)"));
    QVERIFY(menus[0]->menu()->actions().contains(quit));
    window.show();
    QVERIFY(window.isVisible());
    quit->trigger();
    QVERIFY(!window.isVisible());
}

LUMORA_UI_TEST_MAIN(PlainMainTest)
#include "ui_plainmain.moc"
