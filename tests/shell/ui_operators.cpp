#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QtTest/QTest>

#include "data/Abort.h"
#include "shell/Operator.h"
#include "shell/OperatorSet.h"
#include "shell/ui/OperatorEditorFrm.h"
#include "shell/ui/OperatorsFrm.h"
#include "support/UiTestMain.h"

namespace {

QVariant Scalar(const QString& sql, const QString& loginId) {
    TDatabase& db = AppDatabase();
    QSqlQuery q = db.NewQuery();
    db.RunQuery(q, sql, {DBParam(QStringLiteral("L"), loginId)}, {}, true);
    return q.next() ? q.value(0) : QVariant();
}

QStringList Items(const QListWidget* list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    names.sort();
    return names;
}

void Tick(QListWidget* rights, int number) {
    for (int i = 0; i < rights->count(); ++i)
        if (rights->item(i)->data(Qt::UserRole).toInt() == number)
            rights->item(i)->setCheckState(Qt::Checked);
}

}  // namespace

class OperatorWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void editorRefusesOk_data();
    void editorRefusesOk();
    void editorFillAndRights();
    void listAndButtons();
    void addDuplicateChangeDelete();
    void windowNeedsItsRight();
};

void OperatorWindowsTest::initTestCase() {
    QVERIFY(OpenFreshTestDatabase(AppDatabase()));
    AppDatabase().Execute(QStringLiteral(
        "insert into operator(LoginId, [Password], Rights) values ('li', 'Pw1', ',8,,13,')"));
}

void OperatorWindowsTest::editorRefusesOk_data() {
    QTest::addColumn<QString>("loginId");
    QTest::addColumn<QString>("password1");
    QTest::addColumn<QString>("password2");
    QTest::addColumn<QString>("message");  // empty: OK closes
    QTest::addColumn<QString>("focus");
    QTest::newRow("no login name") << ""
                                   << "a"
                                   << "a"
                                   << "必须填写登陆名."
                                   << "edtLoginId1";
    QTest::newRow("passwords differ") << "zhao"
                                      << "a"
                                      << "b"
                                      << "两次输入的密码不一样,请重新输入."
                                      << "edtPassword1";
    QTest::newRow("passwords differ in case") << "zhao"
                                              << "a"
                                              << "A"
                                              << "两次输入的密码不一样,请重新输入."
                                              << "edtPassword1";
    QTest::newRow("both empty") << "zhao"
                                << ""
                                << ""
                                << ""
                                << "";
    QTest::newRow("fine") << "zhao"
                          << "a"
                          << "a"
                          << ""
                          << "";
}

void OperatorWindowsTest::editorRefusesOk() {
    QFETCH(QString, loginId);
    QFETCH(QString, password1);
    QFETCH(QString, password2);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    PromptRecorder prompts;
    TOperatorEditorFrm editor;
    editor.Clear();
    editor.show();
    editor.edtLoginId1->setText(loginId);
    editor.edtPassword1->setText(password1);
    editor.edtPassword2->setText(password2);
    editor.edtName1->setFocus();
    editor.OkButton()->click();
    QCOMPARE(editor.isVisible(), !message.isEmpty());
    if (message.isEmpty()) {
        QVERIFY(prompts.Texts().isEmpty());
        return;
    }
    QVERIFY(prompts.Last().contains(message));
    QCOMPARE(editor.focusWidget()->objectName(), focus);
    if (focus == QLatin1String("edtPassword1")) {
        QCOMPARE(editor.edtPassword1->text(), QString());
        QCOMPARE(editor.edtPassword2->text(), QString());
        QCOMPARE(editor.edtLoginId1->text(), loginId);
    }
}

void OperatorWindowsTest::editorFillAndRights() {
    TOperatorEditorFrm editor;
    int count = 0;
    RightsTable(&count);
    QCOMPARE(editor.lstRights1->count(), count);
    editor.Fill(QStringLiteral("li"), QStringLiteral("Pw1"), QStringLiteral("李"), QString(),
                QString(), QStringLiteral(",13,,3,"));
    QVERIFY(!editor.edtLoginId1->isEnabled());
    QCOMPARE(editor.edtPassword2->text(), QStringLiteral("Pw1"));
    QCOMPARE(editor.RightsText(), QStringLiteral(",13,"));
    // Double-clicking a right toggles it.
    QListWidgetItem* print = editor.lstRights1->item(30);
    QCOMPARE(print->text(), QStringLiteral("打印"));
    emit editor.lstRights1->itemDoubleClicked(print);
    QCOMPARE(editor.RightsText(), QStringLiteral(",13,,10002,"));
    emit editor.lstRights1->itemDoubleClicked(print);
    QCOMPARE(editor.RightsText(), QStringLiteral(",13,"));
    editor.Clear();
    QVERIFY(editor.edtLoginId1->isEnabled());
    QCOMPARE(editor.RightsText(), QString());
    QCOMPARE(editor.edtPassword1->text(), QString());
}

void OperatorWindowsTest::listAndButtons() {
    TOperatorsFrm frm;
    QCOMPARE(frm.objectName(), QStringLiteral("OperatorsFrm"));
    QCOMPARE(Items(frm.lvUsers1), QStringList{QStringLiteral("li")});
    QVERIFY(!frm.btnProperty1->isEnabled());
    QVERIFY(!frm.btnDelete1->isEnabled());
    QVERIFY(frm.Select(QStringLiteral("li")));
    QVERIFY(frm.btnProperty1->isEnabled());
    QVERIFY(frm.btnDelete1->isEnabled());
    QVERIFY(!frm.Select(QStringLiteral("sa")));
}

void OperatorWindowsTest::addDuplicateChangeDelete() {
    PromptRecorder prompts;
    TOperatorsFrm frm;
    TOperatorEditorFrm& e = *frm.Editor();

    e.Clear();
    e.edtLoginId1->setText(QStringLiteral("zhao"));
    e.edtName1->setText(QStringLiteral("赵"));
    e.edtPassword1->setText(QStringLiteral("p"));
    e.edtPassword2->setText(QStringLiteral("p"));
    Tick(e.lstRights1, 14);
    Tick(e.lstRights1, 13);
    QVERIFY(frm.StoreNew());
    QCOMPARE(Items(frm.lvUsers1), (QStringList{QStringLiteral("li"), QStringLiteral("zhao")}));
    QCOMPARE(
        Scalar(QStringLiteral("select Rights from operator where LoginId=:L"), "zhao").toString(),
        QStringLiteral(",13,,14,"));
    QVERIFY(prompts.Texts().isEmpty());

    // The same name again: the database refuses, the message is shown, the editor keeps its
    // values for the next showing and nothing is listed twice.
    e.edtName1->setText(QStringLiteral("另一个"));
    QVERIFY(!frm.StoreNew());
    QCOMPARE(prompts.Prompts.size(), 1);
    QVERIFY(prompts.Last().contains(QStringLiteral("insert into operator")));
    QCOMPARE(e.edtLoginId1->text(), QStringLiteral("zhao"));
    QCOMPARE(e.edtName1->text(), QStringLiteral("另一个"));
    QCOMPARE(frm.lvUsers1->count(), 2);
    QCOMPARE(
        Scalar(QStringLiteral("select Name from operator where LoginId=:L"), "zhao").toString(),
        QStringLiteral("赵"));

    // A change of li's rights and password.
    QVERIFY(frm.Select(QStringLiteral("li")));
    e.Fill(QStringLiteral("li"), QStringLiteral("Pw1"), QString(), QString(), QString(),
           QStringLiteral(",8,,13,"));
    e.edtPassword1->setText(QStringLiteral("Pw2"));
    e.edtPassword2->setText(QStringLiteral("Pw2"));
    Tick(e.lstRights1, 100001);
    QVERIFY(frm.StoreChanged());
    TOperator li;
    li.Load(QStringLiteral("li"));
    QCOMPARE(li.Password, QStringLiteral("Pw2"));
    QCOMPARE(li.Rights, QStringLiteral(",13,,8,,100001,"));

    // Deleting asks first; "no" keeps the row.
    QVERIFY(frm.Select(QStringLiteral("zhao")));
    prompts.Clear();
    prompts.DefaultAnswer = false;
    frm.DeleteSelected();
    QCOMPARE(prompts.Prompts.size(), 1);
    QCOMPARE(prompts.Prompts.first().first, TPromptKind::ConfirmDelete);
    QVERIFY(prompts.Last().contains(QStringLiteral("您确定要删除 zhao 吗?")));
    QCOMPARE(
        Scalar(QStringLiteral("select count(*) from operator where LoginId=:L"), "zhao").toInt(),
        1);
    prompts.DefaultAnswer = true;
    frm.DeleteSelected();
    QCOMPARE(
        Scalar(QStringLiteral("select count(*) from operator where LoginId=:L"), "zhao").toInt(),
        0);
    QCOMPARE(Items(frm.lvUsers1), QStringList{QStringLiteral("li")});
    QVERIFY(!frm.btnDelete1->isEnabled());
    QCOMPARE(Scalar(QStringLiteral("select count(*) from operator where LoginId=:L"), "sa").toInt(),
             1);
}

void OperatorWindowsTest::windowNeedsItsRight() {
    PromptRecorder prompts;
    AppOperator().Load(QStringLiteral("li"));
    AppOperator().Rights = QStringLiteral(",8,");
    QVERIFY_THROWS_EXCEPTION(EAbort, ShowOperators());
    QVERIFY(prompts.Last().contains(QStringLiteral("(100001)")));
    AppOperator().Clear();
}

LUMORA_UI_TEST_MAIN(OperatorWindowsTest)
#include "ui_operators.moc"
