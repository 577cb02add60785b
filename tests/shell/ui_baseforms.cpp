#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTextBrowser>
#include <QtTest/QTest>

#include "data/Abort.h"
#include "data/Database.h"
#include "shell/FormPlacement.h"
#include "shell/ui/ADlgFrm.h"
#include "shell/ui/AInfoDlgFrm.h"
#include "shell/ui/HelpFrm.h"
#include "shell/ui/TblFrm.h"
#include "shell/ui/WinFrm.h"
#include "support/UiTestMain.h"

namespace {

// A dialog that refuses to close with OK until it is allowed to.
class TGuardedDlgFrm : public TADlgFrm {
public:
    bool AllowOk = false;
    int Queries = 0;

protected:
    bool CloseQuery() override {
        ++Queries;
        return result() != QDialog::Accepted || AllowOk;
    }
};

// A window whose key handler and button abandon their command.
class TAbandoningFrm : public TaFrm {
public:
    TAbandoningFrm() {
        button1 = new QPushButton(QStringLiteral("x"), this);
        connect(button1, &QPushButton::clicked, this, [this] {
            ++Clicks;
            throw EAbort();
        });
    }
    QPushButton* button1;
    int Clicks = 0;
    int Keys = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_A) {
            ++Keys;
            throw EAbort();
        }
        if (event->key() == Qt::Key_D)
            throw EDatabaseError(QStringLiteral("no such table: ware\r\nselect * from ware"));
        TaFrm::keyPressEvent(event);
    }
};

void CloseHelp() {
    if (THelpFrm* help = THelpFrm::Current())
        delete help;
}

}  // namespace

class BaseFormsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { CloseHelp(); }
    void opensCentredOnTheMouse();
    void helpTopicOfTheWindow_data();
    void helpTopicOfTheWindow();
    void helpButtonAndExplicitTopic();
    void dialogBand_data();
    void dialogBand();
    void closeQueryKeepsTheDialogOpen();
    void escapeInPlainWindowIsLeftToIt();
    void informationDialog_data();
    void informationDialog();
    void toolWindowStaysOnTopAndIsDestroyed();
    void reportPage();
    void abandonedCommandIsSwallowed();
};

void BaseFormsTest::opensCentredOnTheMouse() {
    QCursor::setPos(100, 300);
    TADlgFrm dialog;
    dialog.resize(400, 200);
    dialog.show();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(QCursor::pos(), QPoint(100, 300));
    QCOMPARE(dialog.pos(), PlaceNearCursor(QCursor::pos(), dialog.size(), screen));
    QCOMPARE(dialog.x(), 20);  // 100 - 400 / 2 would be off the screen
}

void BaseFormsTest::helpTopicOfTheWindow_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<bool>("contents");
    QTest::newRow("window with a page") << "OptionEdtFrm"
                                        << "OptionEdt" << false;
    QTest::newRow("window without a page shows the contents") << "NoPageYetFrm"
                                                              << "NoPageYet" << true;
}

void BaseFormsTest::helpTopicOfTheWindow() {
    QFETCH(QString, name);
    QFETCH(QString, topic);
    QFETCH(bool, contents);
    TADlgFrm dialog;
    dialog.setObjectName(name);
    auto* edit = new QPushButton(dialog.ClientArea());  // F1 works whichever control has focus
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.activateWindow();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_F1);
    THelpFrm* help = THelpFrm::Current();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->Topic(), topic);
    QCOMPARE(help->ShowsContents(), contents);
    const QString text = help->Browser()->toPlainText();
    QVERIFY(!text.isEmpty());
    QCOMPARE(text.contains(QStringLiteral("帮助目录")), contents);
}

void BaseFormsTest::helpButtonAndExplicitTopic() {
    TAInfoDlgFrm dialog;
    dialog.setObjectName(QStringLiteral("OperatorsFrm"));
    dialog.HelpButton()->click();
    QVERIFY(THelpFrm::Current());
    QCOMPARE(THelpFrm::Current()->Topic(), QStringLiteral("Operators"));
    dialog.ShowHelp(QStringLiteral("main"));  // the help window is reused
    QCOMPARE(THelpFrm::Current()->Topic(), QStringLiteral("main"));
    QVERIFY(!THelpFrm::Current()->ShowsContents());
    QVERIFY(THelpFrm::Current()->Browser()->toPlainText().contains(QStringLiteral("我的桌面")));
}

void BaseFormsTest::dialogBand_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("result");
    QTest::newRow("确定") << "ok" << int(QDialog::Accepted);
    QTest::newRow("取消") << "cancel" << int(QDialog::Rejected);
    QTest::newRow("Esc") << "esc" << int(QDialog::Rejected);
}

void BaseFormsTest::dialogBand() {
    QFETCH(QString, action);
    QFETCH(int, result);
    TADlgFrm dialog;
    QCOMPARE(dialog.OkButton()->text(), QStringLiteral("确定(&O)"));
    QCOMPARE(dialog.CancelButton()->text(), QStringLiteral("取消"));
    QCOMPARE(dialog.HelpButton()->text(), QStringLiteral("帮助"));
    QCOMPARE(dialog.Band()->height(), 48);
    dialog.show();
    QVERIFY(dialog.isVisible());
    if (action == QLatin1String("ok"))
        dialog.OkButton()->click();
    else if (action == QLatin1String("cancel"))
        dialog.CancelButton()->click();
    else
        QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), result);
}

void BaseFormsTest::closeQueryKeepsTheDialogOpen() {
    TGuardedDlgFrm dialog;
    dialog.show();
    dialog.OkButton()->click();
    QVERIFY(dialog.isVisible());  // refused: the dialog stays
    QCOMPARE(dialog.Queries, 1);
    dialog.AllowOk = true;
    dialog.OkButton()->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void BaseFormsTest::escapeInPlainWindowIsLeftToIt() {
    TaFrm window;
    window.show();
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(window.isVisible());
}

void BaseFormsTest::informationDialog_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("关闭") << false;
    QTest::newRow("Esc") << true;
}

void BaseFormsTest::informationDialog() {
    QFETCH(bool, escape);
    TAInfoDlgFrm dialog;
    QCOMPARE(dialog.CloseButton()->text(), QStringLiteral("关闭"));
    QVERIFY(!dialog.OkButton());
    dialog.show();
    if (escape)
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else
        dialog.CloseButton()->click();
    QVERIFY(!dialog.isVisible());
}

void BaseFormsTest::toolWindowStaysOnTopAndIsDestroyed() {
    QPointer<TWinFrm> window = new TWinFrm;
    QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    window->show();
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
}

void BaseFormsTest::reportPage() {
    QPointer<TTblFrm> page = new TTblFrm;
    page->SetTitle(QStringLiteral("入库汇总表"));
    QCOMPARE(page->TitleLabel()->text(), QStringLiteral("入库汇总表"));
    QVERIFY(page->TitleLabel()->font().bold());
    QCOMPARE(page->Banner()->height(), 100);
    QCOMPARE(page->Grid()->selectionBehavior(), QAbstractItemView::SelectRows);
    page->show();
    QVERIFY(page->isMaximized());
    QVERIFY(!page->ProgressBar()->isVisible());
    page->ShowProgress(3, 10);
    QVERIFY(page->ProgressBar()->isVisible());
    QCOMPARE(page->ProgressBar()->value(), 3);
    page->HideProgress();
    QVERIFY(!page->ProgressBar()->isVisible());
    page->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(page.isNull());
}

void BaseFormsTest::abandonedCommandIsSwallowed() {
    PromptRecorder prompts;
    TAbandoningFrm window;
    window.show();
    QTest::mouseClick(window.button1, Qt::LeftButton);
    QTest::mouseClick(window.button1, Qt::LeftButton);
    QCOMPARE(window.Clicks, 2);  // the button works again after the first abandon
    QVERIFY(!window.button1->isDown());
    window.setFocus();
    QTest::keyClick(&window, Qt::Key_A);
    QTest::keyClick(&window, Qt::Key_A);
    QCOMPARE(window.Keys, 2);
    QVERIFY(window.isVisible());
    QVERIFY(prompts.Prompts.isEmpty());  // no error report, no message

    // A failed statement shows its text and the window stays usable.
    QTest::keyClick(&window, Qt::Key_D);
    QCOMPARE(prompts.Prompts.size(), 1);
    QVERIFY(prompts.Last().contains(QStringLiteral("no such table: ware")));
    QTest::keyClick(&window, Qt::Key_A);
    QCOMPARE(window.Keys, 3);
}

LUMORA_UI_TEST_MAIN(BaseFormsTest)
#include "ui_baseforms.moc"
