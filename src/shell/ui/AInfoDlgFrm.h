#pragma once

#include "shell/ui/ADlgFrm.h"

// The base of the information dialogs: a fixed border and a bottom band with "关闭" (closes,
// also Esc) and "帮助".
class TAInfoDlgFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TAInfoDlgFrm(QWidget* parent = nullptr);

    QPushButton* CloseButton() const { return btnClose1_; }

private:
    QPushButton* btnClose1_;
};
