#include "shell/ui/WinFrm.h"

TWinFrm::TWinFrm(QWidget* parent) : TaFrm(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_DeleteOnClose);
}
