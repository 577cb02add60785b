#include "shell/ui/main1Frm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidgetItem>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QUrl>
#include <QVBoxLayout>

#include "data/ConnectionString.h"
#include "data/Database.h"
#include "shell/AppIdentity.h"
#include "shell/AppSettings.h"
#include "shell/Compaction.h"
#include "shell/Company.h"
#include "shell/DateText.h"
#include "shell/DesktopPrograms.h"
#include "shell/KeyValue2.h"
#include "shell/Login.h"
#include "shell/Operator.h"
#include "shell/ProgramFolder.h"
#include "shell/ToolLinks.h"
#include "shell/ui/Application.h"
#include "shell/ui/DesktopView.h"
#include "shell/ui/LinkRunner.h"
#include "shell/ui/OperatorsFrm.h"
#include "shell/ui/OptionEdtFrm.h"
#include "shell/ui/PasswordChangerFrm.h"
#include "shell/ui/PickListFrm.h"
#include "shell/ui/PickMenuFrm.h"
#include "shell/ui/Pictures.h"
#include "shell/ui/WaitCursor.h"
#include "valuation/ui/CarrierFrm.h"

namespace {

// The "工具(&T)" menu keeps its first five items: two programs, a separator, "设置我的工具..."
// and a separator.
constexpr int FixedToolItems = 5;
const char* const EntryProperty = "lumoraEntry";

void OpenProgramFile(const QString& name) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(ProgramFolder() + QLatin1Char('/') + name));
}

}  // namespace

Tmain1Frm::Tmain1Frm(QWidget* parent) : TaFrm(parent, Qt::Window) {
    setObjectName(QStringLiteral("main1Frm"));
    setWindowTitle(QStringLiteral("%1 - %2").arg(AppTitle, AppEdition));
    entries_ = MainMenuEntries();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    BuildMenu();
    column->setMenuBar(menuBar1_);
    BuildBanner(column);
    status1_ = new QStatusBar(this);
    status1_->setObjectName(QStringLiteral("status1"));
    status1_->setSizeGripEnabled(false);
    column->addWidget(status1_);
    BuildDesktop(column);
    BuildBottom(column);

    InstallHandlers();
    if (!AppDatabase().ConnectionString().isEmpty())
        RebuildToolEntries();
}

void Tmain1Frm::BuildMenu() {
    menuBar1_ = new QMenuBar(this);
    menuBar1_->setObjectName(QStringLiteral("menuBar1"));
    const QStringList& titles = MainMenuTitles();
    for (int i = 0; i < titles.size(); ++i) {
        QMenu* menu = menuBar1_->addMenu(titles[i]);
        menu->setObjectName(QStringLiteral("mnuTop%1").arg(i));
        menus_.append(menu);
    }
    for (const TMenuEntry& entry : entries_) {
        QAction* action = menus_[entry.Menu]->addAction(entry.Caption);
        action->setObjectName(entry.Name);
        action->setProperty(EntryProperty, entry.Name);
        action->setEnabled(false);  // until a handler is set
        const QString name = entry.Name;
        connect(action, &QAction::triggered, this,
                [this, name] { RunAbortable([this, name] { RunEntry(name); }); });
        actions_.insert(entry.Name, action);
        if (entry.SeparatorAfter)
            menus_[entry.Menu]->addSeparator();
    }
}

void Tmain1Frm::BuildBanner(QVBoxLayout* column) {
    auto* banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("imgBanner1"));
    ShowPictureOrBand(banner, QStringLiteral("banner.png"), 100);
    auto* labels = new QVBoxLayout(banner);
    labels->setContentsMargins(0, 12, 24, 12);
    auto addLine = [&](const QString& caption, const QString& name) {
        auto* row = new QHBoxLayout;
        row->addStretch(1);
        auto* title = new QLabel(caption, banner);
        auto* value = new QLabel(banner);
        value->setObjectName(name);
        value->setMinimumWidth(180);
        for (QLabel* label : {title, value}) {
            QPalette text = label->palette();
            text.setColor(QPalette::WindowText, Qt::white);
            label->setPalette(text);
        }
        row->addWidget(title);
        row->addWidget(value);
        labels->addLayout(row);
        return value;
    };
    lblDate1_ = addLine(QStringLiteral("今天是:"), QStringLiteral("lblDate1"));
    lblLunar1_ = addLine(QStringLiteral("农  历:"), QStringLiteral("lblLunar1"));
    lblOperator1_ = addLine(QStringLiteral("操作员:"), QStringLiteral("lblOperator1"));
    lblDate1_->setText(GregorianDateText(QDate::currentDate()));
    lblLunar1_->setText(LunarLabelText(QDate::currentDate()));
    column->addWidget(banner);
}

void Tmain1Frm::BuildDesktop(QVBoxLayout* column) {
    desktop1_ = new TDesktopView(this);
    desktop1_->setObjectName(QStringLiteral("desktop1"));
    desktop1_->setContextMenuPolicy(Qt::CustomContextMenu);
    column->addWidget(desktop1_, 1);

    popup1_ = new QMenu(this);
    popup1_->setObjectName(QStringLiteral("popDesktop1"));
    auto add = [this](const QString& text, const QString& name, void (Tmain1Frm::*slot)()) {
        QAction* action = popup1_->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this,
                [this, slot] { RunAbortable([this, slot] { (this->*slot)(); }); });
    };
    add(QStringLiteral("打开"), QStringLiteral("popOpen1"), &Tmain1Frm::OpenSelectedIcon);
    add(QStringLiteral("设置我的桌面"), QStringLiteral("popPick1"), &Tmain1Frm::PickDesktopMenus);
    add(QStringLiteral("从我的桌面中删除"), QStringLiteral("popRemove1"),
        &Tmain1Frm::RemoveSelectedIcons);
    popup1_->addSeparator();
    add(QStringLiteral("顶对齐"), QStringLiteral("popAlignTop1"), &Tmain1Frm::AlignSelectedTop);
    add(QStringLiteral("左对齐"), QStringLiteral("popAlignLeft1"), &Tmain1Frm::AlignSelectedLeft);
    add(QStringLiteral("重新排列我的桌面"), QStringLiteral("popArrange1"),
        &Tmain1Frm::RearrangeDesktop);

    connect(desktop1_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        UpdateDesktopMenu();
        popup1_->exec(desktop1_->viewport()->mapToGlobal(pos));
    });
    connect(desktop1_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const QString name = item->data(Qt::UserRole).toString();
        RunAbortable([this, name] { RunEntry(name); });
    });
}

void Tmain1Frm::BuildBottom(QVBoxLayout* column) {
    auto* bottom = new QWidget(this);
    bottom->setObjectName(QStringLiteral("bottom1"));
    auto* row = new QHBoxLayout(bottom);
    row->setContentsMargins(0, 0, 8, 0);
    auto* picture = new QLabel(bottom);
    picture->setObjectName(QStringLiteral("imgBottom1"));
    ShowPictureOrBand(picture, QStringLiteral("bottom.png"), 40);
    picture->setMinimumWidth(120);
    row->addWidget(picture);
    row->addWidget(new QLabel(QStringLiteral("更多的信息请查阅帮助。"), bottom));
    row->addStretch(1);
    row->addWidget(new QLabel(QStringLiteral("双击项目打开该窗体。"), bottom));
    column->addWidget(bottom);
}

void Tmain1Frm::InstallHandlers() {
    SetEntryHandler(QStringLiteral("mnuOptions1"), [this] { ShowOptions(this); });
    SetEntryHandler(QStringLiteral("mnuOperators1"), [this] { ShowOperators(this); });
    SetEntryHandler(QStringLiteral("mnuPassword1"), [this] { ChangeMyPassword(this); });
    SetEntryHandler(QStringLiteral("mnuRelogin1"), [this] {
        StoreDesktop();  // what the leaving operator moved is kept
        if (ReLogin())
            AfterLogin();
    });
    SetEntryHandler(QStringLiteral("mnuCompany1"), [] { AppCompany().EditCompany(false); });
    SetEntryHandler(QStringLiteral("mnuPickLists1"), [this] { ShowPickLists(this); });
    SetEntryHandler(QStringLiteral("mnuExit1"), [this] { close(); });
    SetEntryHandler(QStringLiteral("mnuPickMenu1"), [this] { PickDesktopMenus(); });
    SetEntryHandler(QStringLiteral("mnuCarrier1"), [this] { TCarrierFrm::Execute(this); });
    SetEntryHandler(QStringLiteral("mnuNotepad1"),
                    [] { StartDesktopProgram(TDesktopProgram::TextEditor); });
    SetEntryHandler(QStringLiteral("mnuCalculator1"),
                    [] { StartDesktopProgram(TDesktopProgram::Calculator); });
    SetEntryHandler(QStringLiteral("mnuHelpFile1"), [this] { ShowHelp(QStringLiteral("main")); });
    SetEntryHandler(QStringLiteral("mnuFaq1"), [this] { ShowHelp(QStringLiteral("faq")); });
    SetEntryHandler(QStringLiteral("mnuReadme1"),
                    [] { OpenProgramFile(QStringLiteral("readme.txt")); });
    SetEntryHandler(QStringLiteral("mnuWhatsNew1"),
                    [] { OpenProgramFile(QStringLiteral("whatsnew.txt")); });
}

void Tmain1Frm::ShowHelp(const QString& topic) {
    TaFrm::ShowHelp(topic.isEmpty() ? QStringLiteral("main") : topic);
}

void Tmain1Frm::SetEntryHandler(const QString& entryName, std::function<void()> handler) {
    handlers_.insert(entryName, std::move(handler));
    if (QAction* action = actions_.value(entryName))
        action->setEnabled(true);
}

QAction* Tmain1Frm::EntryAction(const QString& entryName) const {
    return actions_.value(entryName);
}

void Tmain1Frm::RunEntry(const QString& entryName) {
    QAction* action = actions_.value(entryName);
    const TMenuEntry* entry = FindMenuEntry(entries_, entryName);
    if (!action || !entry || !action->isEnabled() || !handlers_.contains(entryName))
        return;
    CheckMenuRight(*entry, AppOperator());
    const std::function<void()> handler = handlers_.value(entryName);
    if (entry->Hourglass) {
        TWaitCursor hourglass;
        handler();
    } else {
        handler();
    }
}

void Tmain1Frm::AfterLogin() {
    lblOperator1_->setText(AppOperator().LoginId);
    status1_->showMessage(AppOperator().LoginId);
    LoadDesktop(true);
}

void Tmain1Frm::ShowDesktopIcons() {
    desktop1_->clear();
    for (const TDesktopIcon& icon : desktop_.Icons) {
        auto* item = new QListWidgetItem(DesktopIcon(icon.Tag), icon.Caption, desktop1_);
        item->setData(Qt::UserRole, icon.EntryName);
    }
    for (int row = 0; row < desktop_.Icons.size(); ++row)
        desktop1_->SetIconPosition(row, desktop_.Icons[row].Pos.value_or(QPoint(0, 0)));
}

void Tmain1Frm::ReadIconPositions() {
    for (int row = 0; row < desktop_.Icons.size() && row < desktop1_->count(); ++row)
        desktop_.Icons[row].Pos = desktop1_->IconPosition(row);
}

void Tmain1Frm::StoreDesktop() {
    ReadIconPositions();
    WriteDesktopText(AppOperator().LoginId, desktop_.StoreText());
}

void Tmain1Frm::LoadDesktop(bool keepPositions) {
    desktop_.Load(ReadDesktopText(AppOperator().LoginId), entries_, keepPositions);
    desktop_.Arrange(desktop1_->gridSize(), desktop1_->GridRows(), desktop1_->spacing());
    ShowDesktopIcons();
}

void Tmain1Frm::OpenSelectedIcon() {
    const QList<int> rows = desktop1_->SelectedRows();
    if (rows.size() == 1)
        RunEntry(desktop_.Icons[rows.first()].EntryName);
}

void Tmain1Frm::RemoveSelectedIcons() {
    ReadIconPositions();
    desktop_.Remove(desktop1_->SelectedRows());
    ShowDesktopIcons();
}

void Tmain1Frm::AlignSelected(void (TDesktop::*align)(const QList<int>&)) {
    ReadIconPositions();
    const QList<int> rows = desktop1_->SelectedRows();
    (desktop_.*align)(rows);
    ShowDesktopIcons();
    for (int row : rows)
        desktop1_->item(row)->setSelected(true);
}

void Tmain1Frm::AlignSelectedTop() {
    AlignSelected(&TDesktop::AlignTop);
}

void Tmain1Frm::AlignSelectedLeft() {
    AlignSelected(&TDesktop::AlignLeft);
}

void Tmain1Frm::RearrangeDesktop() {
    StoreDesktop();
    LoadDesktop(false);
    StoreDesktop();  // the stored text holds the new places
}

void Tmain1Frm::PickDesktopMenus() {
    StoreDesktop();
    TPickMenuFrm picker(entries_, ReadDesktopText(AppOperator().LoginId), this);
    if (picker.exec() == QDialog::Accepted)
        LoadDesktop(true);
}

void Tmain1Frm::UpdateDesktopMenu() {
    const int selected = desktop1_->SelectedRows().size();
    popup1_->findChild<QAction*>(QStringLiteral("popOpen1"))->setEnabled(selected == 1);
    popup1_->findChild<QAction*>(QStringLiteral("popRemove1"))->setEnabled(selected >= 1);
    popup1_->findChild<QAction*>(QStringLiteral("popAlignTop1"))->setEnabled(selected > 1);
    popup1_->findChild<QAction*>(QStringLiteral("popAlignLeft1"))->setEnabled(selected > 1);
}

void Tmain1Frm::RebuildToolEntries() {
    QMenu* tools = menus_[ToolsMenu];
    const QList<QAction*> items = tools->actions();
    for (int i = FixedToolItems; i < items.size(); ++i) {
        tools->removeAction(items[i]);
        delete items[i];
    }
    for (const TLink& link : ReadToolLinks()) {
        QAction* action = tools->addAction(link.Title);
        action->setData(link.Id);
        action->setToolTip(link.Note);
        action->setStatusTip(link.Note);
        const int id = link.Id;
        connect(action, &QAction::triggered, this, [id] {
            TLink chosen;
            if (chosen.LoadLink(id))  // a link deleted meanwhile is not run
                RunLink(chosen);
        });
    }
}

void Tmain1Frm::ShowFeedbackAtExit() {
    // The feedback form comes with the support windows; until then there is nothing to show.
}

void Tmain1Frm::RunBackupAtExit() {
    // The backup due at exit comes with the backup window; until then nothing runs.
}

void Tmain1Frm::Shutdown() {
    if (shutDown_)
        return;
    shutDown_ = true;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window != this && window->isVisible())
            window->close();
    }
    QApplication::processEvents();
    hide();

    // A lost connection must not stop the rest of the shut-down.
    auto tryStep = [](const std::function<void()>& step) {
        try {
            step();
        } catch (const EDatabaseError&) {
        }
    };
    TDatabase& db = AppDatabase();
    if (!db.ConnectionString().isEmpty()) {
        tryStep([this] { StoreDesktop(); });
        tryStep([] {
            TKeyValue2& settings = AppKeyValue2();
            settings.WriteInt(37, AppSettings().SupplierSearchIndex);
            settings.WriteInt(38, AppSettings().ClientSearchIndex);
            settings.WriteInt(39, AppSettings().WareSearchIndex);
        });
        bool feedback = false;
        tryStep([&feedback] { feedback = AppKeyValue2().FeedbackPrompt(); });
        if (feedback)
            ShowFeedbackAtExit();
        RunBackupAtExit();
    }
    const bool embedded = !db.ConnectionString().isEmpty() && !db.IsServer();
    const QString file = db.GetDataSource();
    db.SetConnected(false);
    if (embedded && !file.isEmpty())
        CompactSqliteFile(file);
}

void Tmain1Frm::closeEvent(QCloseEvent* event) {
    Shutdown();
    event->accept();
}
