#pragma once

#include "shell/ui/ADlgFrm.h"

class QLineEdit;
class QListWidget;

// The operator properties window: login name, name, contact, note, the password twice and the
// rights as a check list in the order of the rights table.
class TOperatorEditorFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TOperatorEditorFrm(QWidget* parent = nullptr);

    QLineEdit* edtLoginId1;
    QLineEdit* edtName1;
    QLineEdit* edtContact1;
    QLineEdit* edtNote1;
    QLineEdit* edtPassword1;
    QLineEdit* edtPassword2;
    QListWidget* lstRights1;

    // A new operator: every box empty, no right ticked, the login box open.
    void Clear();
    // An existing operator: the login box closed, the password in both boxes, the rights that
    // the text holds ticked.
    void Fill(const QString& loginId, const QString& password, const QString& name,
              const QString& contact, const QString& note, const QString& rights);
    // The rights text of the ticked rows, in list order.
    QString RightsText() const;
    // What OK checks: a login name, and the same password twice (else both are emptied).
    bool ValidateOk();

protected:
    bool CloseQuery() override;

private:
    void SetLoginEditable(bool editable);
};
