#pragma once

#include "shell/ui/aFrm.h"

class QFrame;
class QHBoxLayout;
class QPushButton;

// The base of the program's dialogs: a fixed border and, below the dialog's own controls, a
// 48-pixel band under a bevel line with "确定(&O)" (result OK), "取消" (result Cancel, also Esc)
// and "帮助" on its right. The buttons only set the result; a descendant validates in
// CloseQuery (refusing keeps the dialog open). Controls go into ClientArea().
class TADlgFrm : public TaFrm {
    Q_OBJECT
public:
    explicit TADlgFrm(QWidget* parent = nullptr);

    QWidget* ClientArea() const { return client1_; }
    QWidget* Band() const { return band1_; }
    // The band's buttons layout: descendants may insert buttons left of the standard ones.
    QHBoxLayout* BandLayout() const { return bandLayout_; }
    QPushButton* OkButton() const { return btnOK1_; }
    QPushButton* CancelButton() const { return btnCancel1_; }
    QPushButton* HelpButton() const { return btnHelp1_; }

protected:
    bool EscapeCancels() const override { return true; }
    void showEvent(QShowEvent* event) override;

    // Builds the band with the given buttons before "帮助"; shared with the information dialog.
    TADlgFrm(QWidget* parent, bool withOkCancel);

    QWidget* client1_;
    QWidget* band1_;
    QHBoxLayout* bandLayout_;
    QPushButton* btnOK1_ = nullptr;
    QPushButton* btnCancel1_ = nullptr;
    QPushButton* btnHelp1_;
};
