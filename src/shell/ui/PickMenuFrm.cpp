#include "shell/ui/PickMenuFrm.h"

#include <QHBoxLayout>
#include <QListWidget>

#include "shell/Operator.h"

TPickMenuFrm::TPickMenuFrm(const QList<TMenuEntry>& entries, const QString& storedText,
                           QWidget* parent)
    : TADlgFrm(parent), entries_(entries), pick_(storedText) {
    setObjectName(QStringLiteral("PickMenuFrm"));
    setWindowTitle(QStringLiteral("请选择您所常用的功能菜单"));
    resize(460, 380);
    auto* row = new QHBoxLayout(ClientArea());
    lstMenus1_ = new QListWidget(ClientArea());
    lstMenus1_->setObjectName(QStringLiteral("lstMenus1"));
    lstMenus1_->setMaximumWidth(140);
    for (const QString& title : MainMenuTitles())
        lstMenus1_->addItem(StripHotKey(title));
    lstEntries1_ = new QListWidget(ClientArea());
    lstEntries1_->setObjectName(QStringLiteral("lstEntries1"));
    row->addWidget(lstMenus1_);
    row->addWidget(lstEntries1_, 1);
    connect(lstMenus1_, &QListWidget::currentRowChanged, this, &TPickMenuFrm::SelectMenu);
    lstMenus1_->setCurrentRow(0);
}

void TPickMenuFrm::ApplyShownPage() {
    if (shownMenu_ < 0)
        return;
    QStringList captions;
    QSet<QString> ticked;
    for (int i = 0; i < lstEntries1_->count(); ++i) {
        const QListWidgetItem* item = lstEntries1_->item(i);
        captions.append(item->text());
        if (item->checkState() == Qt::Checked)
            ticked.insert(item->text());
    }
    pick_.Apply(captions, ticked);
}

void TPickMenuFrm::ShowPage(int menu) {
    lstEntries1_->clear();
    shownMenu_ = menu;
    for (const TMenuEntry& entry : entries_) {
        if (entry.Menu != menu)
            continue;
        auto* item = new QListWidgetItem(entry.Caption, lstEntries1_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(pick_.IsPicked(entry.Caption) ? Qt::Checked : Qt::Unchecked);
    }
}

void TPickMenuFrm::SelectMenu(int menu) {
    if (menu == shownMenu_)
        return;
    ApplyShownPage();
    ShowPage(menu);
    if (lstMenus1_->currentRow() != menu)
        lstMenus1_->setCurrentRow(menu);
}

void TPickMenuFrm::SetTicked(const QString& caption, bool ticked) {
    for (int i = 0; i < lstEntries1_->count(); ++i) {
        if (lstEntries1_->item(i)->text() == caption)
            lstEntries1_->item(i)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
}

QString TPickMenuFrm::PickedText() {
    ApplyShownPage();
    return pick_.Text();
}

bool TPickMenuFrm::CloseQuery() {
    if (result() == QDialog::Accepted)
        WriteDesktopText(AppOperator().LoginId, PickedText());
    return true;
}
