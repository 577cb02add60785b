#include "shell/ui/OperatorsFrm.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "data/Database.h"
#include "data/Prompt.h"
#include "shell/Operator.h"
#include "shell/OperatorSet.h"
#include "shell/ui/OperatorEditorFrm.h"
#include "shell/ui/Pictures.h"

TOperatorsFrm::TOperatorsFrm(QWidget* parent)
    : TADlgFrm(parent), operators_(new TOperatorSet(nullptr, this)) {
    setObjectName(QStringLiteral("OperatorsFrm"));
    setWindowTitle(QStringLiteral("操作员及权限"));
    editor_ = new TOperatorEditorFrm(this);

    auto* column = new QVBoxLayout(ClientArea());
    column->setContentsMargins(0, 0, 0, 8);
    auto* banner = new QLabel(ClientArea());
    banner->setObjectName(QStringLiteral("imgBanner1"));
    ShowPictureOrBand(banner, QStringLiteral("operators.png"), 48);
    column->addWidget(banner);

    auto* row = new QHBoxLayout;
    row->setContentsMargins(12, 4, 12, 0);
    auto* group = new QGroupBox(QStringLiteral("用户列表"), ClientArea());
    auto* groupLayout = new QVBoxLayout(group);
    lvUsers1 = new QListWidget(group);
    lvUsers1->setObjectName(QStringLiteral("lvUsers1"));
    lvUsers1->setViewMode(QListView::IconMode);
    lvUsers1->setIconSize(QSize(32, 32));
    lvUsers1->setMovement(QListView::Static);
    lvUsers1->setResizeMode(QListView::Adjust);
    lvUsers1->setMinimumSize(320, 220);
    groupLayout->addWidget(lvUsers1);
    row->addWidget(group, 1);

    auto* buttons = new QVBoxLayout;
    auto button = [this](const QString& text, const QString& name) {
        auto* b = new QPushButton(text, ClientArea());
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    btnProperty1 = button(QStringLiteral("属性"), QStringLiteral("btnProperty1"));
    btnAdd1 = button(QStringLiteral("添加"), QStringLiteral("btnAdd1"));
    btnDelete1 = button(QStringLiteral("删除"), QStringLiteral("btnDelete1"));
    buttons->addWidget(btnProperty1);
    buttons->addWidget(btnAdd1);
    buttons->addWidget(btnDelete1);
    buttons->addStretch(1);
    row->addLayout(buttons);
    column->addLayout(row, 1);

    const QIcon icon = style()->standardIcon(QStyle::SP_DirHomeIcon);
    for (int i = 0; i < operators_->RecordCount(); ++i)
        new QListWidgetItem(icon, operators_->UserIdField->StringAt(i), lvUsers1);

    connect(lvUsers1, &QListWidget::itemSelectionChanged, this, &TOperatorsFrm::UpdateButtons);
    connect(lvUsers1, &QListWidget::itemDoubleClicked, this, [this] { EditSelected(); });
    connect(btnProperty1, &QPushButton::clicked, this, &TOperatorsFrm::EditSelected);
    connect(btnAdd1, &QPushButton::clicked, this, &TOperatorsFrm::AddOperator);
    connect(btnDelete1, &QPushButton::clicked, this, &TOperatorsFrm::DeleteSelected);
    UpdateButtons();
}

TOperatorsFrm::~TOperatorsFrm() = default;

QString TOperatorsFrm::SelectedLoginId() const {
    const QList<QListWidgetItem*> items = lvUsers1->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

void TOperatorsFrm::UpdateButtons() {
    const bool selected = !lvUsers1->selectedItems().isEmpty();
    btnProperty1->setEnabled(selected);
    btnDelete1->setEnabled(selected);
}

bool TOperatorsFrm::Select(const QString& loginId) {
    for (int i = 0; i < lvUsers1->count(); ++i) {
        if (lvUsers1->item(i)->text() == loginId) {
            lvUsers1->setCurrentItem(lvUsers1->item(i));
            lvUsers1->item(i)->setSelected(true);
            return true;
        }
    }
    return false;
}

bool TOperatorsFrm::StoreNew() {
    const TOperatorEditorFrm& e = *editor_;
    try {
        operators_->AddOperator(e.edtLoginId1->text(), e.edtPassword1->text(), e.RightsText(),
                                e.edtNote1->text(), e.edtContact1->text(), e.edtName1->text());
    } catch (const EDatabaseError& error) {
        ShowInfo(error.Message());
        return false;
    }
    new QListWidgetItem(style()->standardIcon(QStyle::SP_DirHomeIcon), e.edtLoginId1->text(),
                        lvUsers1);
    return true;
}

bool TOperatorsFrm::StoreChanged() {
    const TOperatorEditorFrm& e = *editor_;
    try {
        operators_->UpdateOperator(e.edtLoginId1->text(), e.edtPassword1->text(), e.RightsText(),
                                   e.edtNote1->text(), e.edtContact1->text(), e.edtName1->text());
    } catch (const EDatabaseError& error) {
        ShowInfo(error.Message());
        return false;
    }
    return true;
}

void TOperatorsFrm::AddOperator() {
    editor_->Clear();
    while (editor_->exec() == QDialog::Accepted)
        if (StoreNew())
            return;
}

void TOperatorsFrm::EditSelected() {
    const QString loginId = SelectedLoginId();
    if (loginId.isEmpty() || !operators_->Locate(QStringLiteral("LoginId"), loginId))
        return;
    const TOperatorSet& o = *operators_;
    editor_->Fill(loginId, o.PasswdField->AsString(), o.NameField->AsString(),
                  o.ContactField->AsString(), o.NoteField->AsString(), o.RightsField->AsString());
    while (editor_->exec() == QDialog::Accepted)
        if (StoreChanged())
            return;
}

void TOperatorsFrm::DeleteSelected() {
    const QString loginId = SelectedLoginId();
    if (loginId.isEmpty() || !ConfirmDelete(loginId))
        return;
    operators_->DeleteOperator(loginId);
    delete lvUsers1->selectedItems().first();
    // Nothing is selected afterwards, so a second press does not delete the next operator.
    lvUsers1->clearSelection();
    UpdateButtons();
}

void ShowOperators(QWidget* parent) {
    AppOperator().CheckRight(100001, true);
    TOperatorsFrm frm(parent);
    frm.exec();
}
