#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <memory>

#include "shell/ProgramFolder.h"
#include "shell/ui/SplashFrm.h"
#include "support/UiTestMain.h"

class SplashTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void showHint_data();
    void showHint();
    void pictureFromTheProgramFolder();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void SplashTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    SetProgramFolder(dir_->path());
}

void SplashTest::cleanup() {
    SetProgramFolder(QString());
}

void SplashTest::showHint_data() {
    QTest::addColumn<QStringList>("hints");
    QTest::addColumn<QString>("shown");
    QTest::newRow("initial text") << QStringList() << "正在创建数据连接...";
    QTest::newRow("replaced") << QStringList{"正在连接数据库,请稍候..."}
                              << "正在连接数据库,请稍候...";
    QTest::newRow("empty appends a dot")
        << QStringList{"正在初始化程序,请稍候", "", ""} << "正在初始化程序,请稍候..";
    QTest::newRow("empty on the initial text") << QStringList{""} << "正在创建数据连接....";
    QTest::newRow("replaced after dots") << QStringList{"a", "", "b"} << "b";
}

void SplashTest::showHint() {
    QFETCH(QStringList, hints);
    QFETCH(QString, shown);
    TSplashFrm splash;
    splash.show();
    for (const QString& hint : hints)
        splash.ShowHint(hint);
    QCOMPARE(splash.Hint(), shown);
    QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("lblHint1"))->text(), shown);
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
}

void SplashTest::pictureFromTheProgramFolder() {
    {
        TSplashFrm splash;
        QVERIFY(!splash.HasPicture());  // the picture area stays empty
    }
    QImage image(120, 40, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    QVERIFY(image.save(QDir(dir_->path()).filePath(QStringLiteral("splash.jpg"))));
    TSplashFrm splash;
    QVERIFY(splash.HasPicture());
    const QLabel* picture = splash.findChild<QLabel*>(QStringLiteral("imgSplash1"));
    QCOMPARE(picture->pixmap().size(), QSize(120, 40));
}

LUMORA_UI_TEST_MAIN(SplashTest)
#include "ui_splash.moc"
