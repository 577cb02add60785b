#pragma once

#include "shell/ui/aFrm.h"

// The base of non-modal tool windows (lists, document editors, pickers): stays above the other
// windows and deletes itself when closed.
class TWinFrm : public TaFrm {
    Q_OBJECT
public:
    explicit TWinFrm(QWidget* parent = nullptr);
};
