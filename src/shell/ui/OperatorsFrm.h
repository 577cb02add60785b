#pragma once

#include "shell/ui/ADlgFrm.h"

class QListWidget;
class QPushButton;
class TOperatorEditorFrm;
class TOperatorSet;

// The operator administration window: the login names of every operator but sa as large
// icons, with "属性", "添加" and "删除".
class TOperatorsFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TOperatorsFrm(QWidget* parent = nullptr);
    ~TOperatorsFrm() override;

    QListWidget* lvUsers1;
    QPushButton* btnProperty1;
    QPushButton* btnAdd1;
    QPushButton* btnDelete1;
    TOperatorEditorFrm* Editor() const { return editor_; }
    TOperatorSet* Operators() const { return operators_; }

    // The buttons: each shows the editor until it is cancelled or its values are stored.
    void AddOperator();
    void EditSelected();
    // Asks "您确定要删除 %s 吗?" and deletes the selected operator on OK.
    void DeleteSelected();

    // What the editor's OK stores: a new operator / the changed operator, from the editor's
    // boxes. False, with the database's message shown, when it could not be stored.
    bool StoreNew();
    bool StoreChanged();
    // Selects the item of a login name (false when it is not listed).
    bool Select(const QString& loginId);

private:
    void UpdateButtons();
    QString SelectedLoginId() const;

    TOperatorSet* operators_;
    TOperatorEditorFrm* editor_;
};

// "操作员及权限": needs right 100001 (the command is abandoned without it).
void ShowOperators(QWidget* parent = nullptr);
