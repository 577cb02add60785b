#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <memory>

#include "data/ServerAlias.h"
#include "shell/Configer.h"
#include "shell/ProgramFolder.h"
#include "shell/Scramble.h"
#include "shell/ui/DBConfigFrm.h"
#include "support/UiTestMain.h"

class DBConfigTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firstStartShowsTheServerPage();
    void pagesFollowTheProvider_data();
    void pagesFollowTheProvider();
    void unknownProviderShowsTheFirst();
    void savedSettingsFillTheFields();
    void defaultConnectionDisablesTheFileControls_data();
    void defaultConnectionDisablesTheFileControls();
    void passwordsAreMasked();
    void okCopiesFieldsAndSaves();
    void badPortSavesNothing_data();
    void badPortSavesNothing();
    void enterMovesToTheNextControl();

private:
    template <typename T>
    T* Child(QWidget* parent, const char* name) {
        T* w = parent->findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QString Page(TDBConfigFrm& dlg) {
        return Child<QStackedWidget>(&dlg, "pcParams1")->currentWidget()->objectName();
    }
    QByteArray CfgBytes() const {
        QFile f(CfgIniPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }
    void WriteCfg(const QByteArray& contents) {
        QFile f(CfgIniPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contents);
    }

    std::unique_ptr<QTemporaryDir> dir_;
};

void DBConfigTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    SetProgramFolder(dir_->path());
    QFile::remove(ServerAlias::FilePath());
}

void DBConfigTest::cleanup() {
    SetProgramFolder(QString());
}

void DBConfigTest::firstStartShowsTheServerPage() {
    TDBConfigFrm dlg;
    QCOMPARE(dlg.objectName(), QStringLiteral("DBConfigFrm"));
    QCOMPARE(dlg.ProviderIndex(), 0);
    QCOMPARE(Page(dlg), QStringLiteral("mssql"));
    QCOMPARE(Child<QLineEdit>(&dlg, "edtPort1")->text(), QStringLiteral("5432"));
    QVERIFY(Child<QCheckBox>(&dlg, "chkDefault1")->isChecked());
    QVERIFY(!Child<QCheckBox>(&dlg, "chkSmart1")->isChecked());
    auto* providers = Child<QComboBox>(&dlg, "cbProvider1");
    QCOMPARE(providers->count(), 3);
    QCOMPARE(providers->itemText(0), QStringLiteral("PostgreSQL 数据库服务器"));
    QCOMPARE(providers->itemText(1), QStringLiteral("SQLite 数据库文件"));
    QCOMPARE(providers->itemText(2), QStringLiteral("DIP 目录服务 (PostgreSQL)"));
    QCOMPARE(Child<QPushButton>(&dlg, "btnOk1")->text(), QStringLiteral("确定(&Y)"));
    QCOMPARE(Child<QPushButton>(&dlg, "btnCancel1")->text(), QStringLiteral("取消"));
}

void DBConfigTest::pagesFollowTheProvider_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("page");
    QTest::newRow("server") << 0 << "mssql";
    QTest::newRow("file") << 1 << "jet4";
    QTest::newRow("directory service") << 2 << "qzdip";
}

void DBConfigTest::pagesFollowTheProvider() {
    QFETCH(int, index);
    QFETCH(QString, page);
    TDBConfigFrm dlg;
    auto* providers = Child<QComboBox>(&dlg, "cbProvider1");
    providers->setCurrentIndex((index + 1) % 3);
    providers->setCurrentIndex(index);  // as the user chooses it
    QCOMPARE(Page(dlg), page);
    dlg.SetProviderIndex((index + 2) % 3);
    dlg.SetProviderIndex(index);
    QCOMPARE(Page(dlg), page);
    QCOMPARE(providers->currentIndex(), index);
}

void DBConfigTest::unknownProviderShowsTheFirst() {
    WriteCfg("[db]\r\nproviderIdx=9\r\n");
    TDBConfigFrm dlg;
    QCOMPARE(dlg.ProviderIndex(), 0);
    QCOMPARE(Page(dlg), QStringLiteral("mssql"));
}

void DBConfigTest::savedSettingsFillTheFields() {
    WriteCfg(
        "[db]\r\nproviderIdx=1\r\ndefaultCon=0\r\nmssqlServer=pg.host\r\nmssqlPort=6543\r\n"
        "mssqlPw=" +
        Scramble("secret") + "\r\njetfile=" + ScrambleText(QStringLiteral("/d/库.db")) +
        "\r\ndipUrl=http://dip/q\r\n");
    TDBConfigFrm dlg;
    QCOMPARE(Page(dlg), QStringLiteral("jet4"));
    QVERIFY(!Child<QCheckBox>(&dlg, "chkDefault1")->isChecked());
    QCOMPARE(Child<QLineEdit>(&dlg, "edtServer1")->text(), QStringLiteral("pg.host"));
    QCOMPARE(Child<QLineEdit>(&dlg, "edtPort1")->text(), QStringLiteral("6543"));
    QCOMPARE(Child<QLineEdit>(&dlg, "edtPassword1")->text(), QStringLiteral("secret"));
    QCOMPARE(Child<QLineEdit>(&dlg, "edtFile1")->text(), QStringLiteral("/d/库.db"));
    QCOMPARE(Child<QLineEdit>(&dlg, "edtDipUrl1")->text(), QStringLiteral("http://dip/q"));
}

void DBConfigTest::defaultConnectionDisablesTheFileControls_data() {
    QTest::addColumn<bool>("useDefault");
    QTest::newRow("default ticked") << true;
    QTest::newRow("default cleared") << false;
}

void DBConfigTest::defaultConnectionDisablesTheFileControls() {
    QFETCH(bool, useDefault);
    TDBConfigFrm dlg;
    dlg.SetProviderIndex(1);
    auto* check = Child<QCheckBox>(&dlg, "chkDefault1");
    check->setChecked(!useDefault);
    check->click();  // as the user ticks or clears it
    QCOMPARE(check->isChecked(), useDefault);
    const QColor expected = dlg.palette().color(useDefault ? QPalette::Button : QPalette::Base);
    for (const char* name : {"edtFile1", "edtJetUser1", "edtJetPw1"}) {
        auto* edit = Child<QLineEdit>(&dlg, name);
        QCOMPARE(edit->isEnabled(), !useDefault);
        QCOMPARE(edit->palette().color(QPalette::Base), expected);
    }
    QCOMPARE(Child<QPushButton>(&dlg, "btnBrowse1")->isEnabled(), !useDefault);
}

void DBConfigTest::passwordsAreMasked() {
    TDBConfigFrm dlg;
    QCOMPARE(Child<QLineEdit>(&dlg, "edtPassword1")->echoMode(), QLineEdit::Password);
    QCOMPARE(Child<QLineEdit>(&dlg, "edtJetPw1")->echoMode(), QLineEdit::Password);
    QCOMPARE(Child<QLineEdit>(&dlg, "edtServer1")->echoMode(), QLineEdit::Normal);
}

void DBConfigTest::okCopiesFieldsAndSaves() {
    PromptRecorder prompts;
    TDBConfigFrm dlg;
    Child<QLineEdit>(&dlg, "edtServer1")->setText(QStringLiteral("pg.host"));
    Child<QLineEdit>(&dlg, "edtPort1")->setText(QStringLiteral(" 6543 "));
    Child<QLineEdit>(&dlg, "edtDatabase1")->setText(QStringLiteral("仓库"));
    Child<QLineEdit>(&dlg, "edtUser1")->setText(QStringLiteral("stock"));
    Child<QLineEdit>(&dlg, "edtPassword1")->setText(QStringLiteral("pw"));
    Child<QCheckBox>(&dlg, "chkSmart1")->setChecked(true);
    Child<QCheckBox>(&dlg, "chkDefault1")->setChecked(false);
    Child<QLineEdit>(&dlg, "edtFile1")->setText(QStringLiteral("/d/a.db"));
    Child<QLineEdit>(&dlg, "edtJetUser1")->setText(QStringLiteral("ju"));
    Child<QLineEdit>(&dlg, "edtJetPw1")->setText(QStringLiteral("jp"));
    Child<QLineEdit>(&dlg, "edtDipUrl1")->setText(QStringLiteral("http://dip/q"));
    Child<QLineEdit>(&dlg, "edtDipUser1")->setText(QStringLiteral("alice"));
    Child<QComboBox>(&dlg, "cbProvider1")->setCurrentIndex(1);
    Child<QPushButton>(&dlg, "btnOk1")->click();
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(prompts.Texts(), QStringList());
    QCOMPARE(dlg.Configer().SmartConnect, true);

    TConfiger saved;
    QCOMPARE(saved.mssqlServer, QStringLiteral("pg.host"));
    QCOMPARE(saved.mssqlPort, 6543);
    QCOMPARE(saved.mssqlDb, QStringLiteral("仓库"));
    QCOMPARE(saved.mssqlUser, QStringLiteral("stock"));
    QCOMPARE(saved.mssqlPw, QStringLiteral("pw"));
    QCOMPARE(saved.jetfile, QStringLiteral("/d/a.db"));
    QCOMPARE(saved.jetUser, QStringLiteral("ju"));
    QCOMPARE(saved.jetPw, QStringLiteral("jp"));
    QCOMPARE(saved.dipUrl, QStringLiteral("http://dip/q"));
    QCOMPARE(saved.dipUser, QStringLiteral("alice"));
    QCOMPARE(saved.providerIdx, 1);
    QCOMPARE(saved.defaultCon, false);
    QCOMPARE(saved.GetConnectionString(), TConfiger::FileConnectionString("/d/a.db"));
}

void DBConfigTest::badPortSavesNothing_data() {
    QTest::addColumn<QByteArray>("cfg");  // empty: no cfg.ini
    QTest::addColumn<QString>("port");
    QTest::newRow("letters, first start") << QByteArray() << "abc";
    QTest::newRow("empty") << QByteArray("[db]\r\nproviderIdx=0\r\nmssqlServer=old\r\n") << "";
    QTest::newRow("fraction") << QByteArray("[db]\r\nproviderIdx=0\r\nmssqlServer=old\r\n")
                              << "54.32";
}

void DBConfigTest::badPortSavesNothing() {
    QFETCH(QByteArray, cfg);
    QFETCH(QString, port);
    if (!cfg.isEmpty())
        WriteCfg(cfg);
    const QByteArray before = CfgBytes();
    PromptRecorder prompts;
    TDBConfigFrm dlg;
    const QString server = dlg.Configer().mssqlServer;
    Child<QLineEdit>(&dlg, "edtServer1")->setText(QStringLiteral("new.host"));
    Child<QLineEdit>(&dlg, "edtPort1")->setText(port);
    QVERIFY(!dlg.ApplyToConfiger());
    Child<QPushButton>(&dlg, "btnOk1")->click();
    QVERIFY(dlg.result() != QDialog::Accepted);
    QCOMPARE(prompts.Prompts.size(), 2);
    QVERIFY(prompts.Last().contains(QStringLiteral("不是一个有效的端口号")));
    QCOMPARE(CfgBytes(), before);
    QCOMPARE(dlg.Configer().mssqlServer, server);
}

void DBConfigTest::enterMovesToTheNextControl() {
    TDBConfigFrm dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    auto* server = Child<QLineEdit>(&dlg, "edtServer1");
    auto* port = Child<QLineEdit>(&dlg, "edtPort1");
    server->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), server);
    QTest::keyClick(server, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), port);
    QTest::keyClick(port, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(QApplication::focusWidget(), Child<QLineEdit>(&dlg, "edtDatabase1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), port);
    QVERIFY(dlg.isVisible());  // Enter did not press OK
    QVERIFY(!QFile::exists(CfgIniPath()));
    // A focused button takes Enter itself.
    auto* cancel = Child<QPushButton>(&dlg, "btnCancel1");
    cancel->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), cancel);
    QTest::keyClick(cancel, Qt::Key_Return);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
}

LUMORA_UI_TEST_MAIN(DBConfigTest)
#include "ui_dbconfig.moc"
