#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <memory>

#include "shell/Company.h"
#include "shell/Configer.h"
#include "shell/Operator.h"
#include "shell/ProgramFolder.h"
#include "shell/ui/CompanyInfoFrm.h"
#include "shell/ui/LoginFrm.h"
#include "shell/ui/PasswordChangerFrm.h"
#include "support/UiTestMain.h"

// The login, password and company windows: what their OK decides and what reaches the
// database.
class LoginWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void nameListAndStartName();
    void loginOk_data();
    void loginOk();
    void okThroughTheButtonClosesOnlyWhenRight();
    void passwordMismatchKeepsWindowOpen();
    void passwordChangerKeepsValuesWhenShownAgain();
    void companyWindowFillsAndCopies();

private:
    std::unique_ptr<QTemporaryDir> folder_;
};

void LoginWindowsTest::initTestCase() {
    QVERIFY(OpenFreshTestDatabase(AppDatabase()));
    AppDatabase().Execute(QStringLiteral(
        "insert into operator(LoginId, [Password], Rights) values ('li', 'Pw1', ',8,')"));
    AppDatabase().Execute(
        QStringLiteral("insert into operator(LoginId, [Password]) values ('wang', '')"));
}

void LoginWindowsTest::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    SetProgramFolder(folder_->path());
    AppOperator().Clear();
}

void LoginWindowsTest::cleanup() {
    SetProgramFolder(QString());
    AppOperator().Clear();
}

void LoginWindowsTest::nameListAndStartName() {
    {
        TLoginFrm frm;
        QCOMPARE(frm.objectName(), QStringLiteral("LoginFrm"));
        QCOMPARE(frm.windowTitle(), QStringLiteral("登陆"));
        QStringList names;
        for (int i = 0; i < frm.cbUser1->count(); ++i)
            names << frm.cbUser1->itemText(i);
        names.sort();
        QCOMPARE(names, (QStringList{QStringLiteral("li"), QStringLiteral("wang")}));
        QCOMPARE(frm.cbUser1->currentText(), QStringLiteral("sa"));
        QCOMPARE(frm.edtPassword1->echoMode(), QLineEdit::Password);
    }
    TConfiger::WriteLastLoginId(QStringLiteral("wang"));
    TLoginFrm again;
    QCOMPARE(again.cbUser1->currentText(), QStringLiteral("wang"));
}

void LoginWindowsTest::loginOk_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("ok");
    QTest::newRow("sa, empty") << "sa"
                               << "" << true;
    QTest::newRow("li") << "li"
                        << "Pw1" << true;
    QTest::newRow("li, wrong") << "li"
                               << "Pw" << false;
    QTest::newRow("unknown") << "zhang"
                             << "" << false;
}

void LoginWindowsTest::loginOk() {
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(bool, ok);
    PromptRecorder prompts;
    TLoginFrm frm;
    frm.show();
    frm.cbUser1->setEditText(name);
    frm.edtPassword1->setText(password);
    frm.cbUser1->setFocus();
    QCOMPARE(frm.AcceptLogin(), ok);
    QVERIFY(prompts.Texts().isEmpty());
    QCOMPARE(AppOperator().LoginId, ok ? name : QString());
    QCOMPARE(TConfiger::ReadLastLoginId(), ok ? name : QString());
    if (!ok) {
        QCOMPARE(frm.focusWidget(), frm.edtPassword1);
        QCOMPARE(frm.edtPassword1->selectedText(), password);
    }
}

void LoginWindowsTest::okThroughTheButtonClosesOnlyWhenRight() {
    TLoginFrm frm;
    frm.show();
    frm.cbUser1->setEditText(QStringLiteral("li"));
    frm.edtPassword1->setText(QStringLiteral("bad"));
    frm.OkButton()->click();
    QVERIFY(frm.isVisible());
    frm.edtPassword1->setText(QStringLiteral("Pw1"));
    QTest::keyClick(frm.edtPassword1, Qt::Key_Return);  // Enter in the password box is OK
    QVERIFY(!frm.isVisible());
    QCOMPARE(frm.result(), int(QDialog::Accepted));
    QCOMPARE(AppOperator().LoginId, QStringLiteral("li"));
}

void LoginWindowsTest::passwordMismatchKeepsWindowOpen() {
    PromptRecorder prompts;
    TPasswordChangerFrm frm;
    frm.show();
    frm.edtOld1->setText(QStringLiteral("old"));
    frm.edtNew1->setText(QStringLiteral("a"));
    frm.edtConfirm1->setText(QStringLiteral("b"));
    frm.OkButton()->click();
    QVERIFY(frm.isVisible());
    QVERIFY(prompts.Last().contains(QStringLiteral("两次输入的新密码不一样,请确认并重新输入.")));
    QCOMPARE(frm.edtNew1->text(), QString());
    QCOMPARE(frm.edtConfirm1->text(), QString());
    QCOMPARE(frm.edtOld1->text(), QStringLiteral("old"));
    QCOMPARE(frm.focusWidget(), frm.edtNew1);
    frm.edtNew1->setText(QStringLiteral("c"));
    frm.edtConfirm1->setText(QStringLiteral("c"));
    QVERIFY(frm.NewPasswordsAgree());
    frm.OkButton()->click();
    QVERIFY(!frm.isVisible());
}

void LoginWindowsTest::passwordChangerKeepsValuesWhenShownAgain() {
    // The change shows the same window again after a wrong current password; what was typed
    // stays in its boxes.
    QVERIFY(LoginWith(QStringLiteral("li"), QStringLiteral("Pw1")));
    TPasswordChangerFrm frm;
    frm.edtOld1->setText(QStringLiteral("typo"));
    frm.edtNew1->setText(QStringLiteral("n"));
    frm.edtConfirm1->setText(QStringLiteral("n"));
    frm.OkButton()->click();
    QCOMPARE(frm.edtOld1->text(), QStringLiteral("typo"));
    QCOMPARE(frm.edtNew1->text(), QStringLiteral("n"));
    QVERIFY(frm.edtUser1->isReadOnly());
}

void LoginWindowsTest::companyWindowFillsAndCopies() {
    TCompany c;
    c.CompanyName = QStringLiteral("星光电子");
    c.Manager = QStringLiteral("张三");
    c.Tel = QStringLiteral("1");
    c.Fax = QStringLiteral("2");
    c.Address = QStringLiteral("3");
    c.Zip = QStringLiteral("4");
    c.Profile = QStringLiteral("a\nb");
    c.Id = 7;
    TCompanyInfoFrm frm;
    QCOMPARE(frm.objectName(), QStringLiteral("CompanyInfoFrm"));
    frm.FillFrom(c, true);
    QVERIFY(!frm.OkButton()->isEnabled());
    QCOMPARE(frm.Lawman(), QStringLiteral("张三"));
    frm.FillFrom(c, false);
    QVERIFY(frm.OkButton()->isEnabled());
    frm.edtLawman1->setText(QStringLiteral("李四"));
    frm.memProfile1->setPlainText(QStringLiteral("新简介"));
    TCompany copy = c;
    frm.CopyTo(copy);
    QCOMPARE(copy.Manager, QStringLiteral("李四"));
    QCOMPARE(copy.Profile, QStringLiteral("新简介"));
    QCOMPARE(copy.CompanyName, QStringLiteral("星光电子"));
    QCOMPARE(copy.Zip, QStringLiteral("4"));
    QCOMPARE(copy.Id, 7);
}

LUMORA_UI_TEST_MAIN(LoginWindowsTest)
#include "ui_login.moc"
