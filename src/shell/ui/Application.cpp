#include "shell/ui/Application.h"

#include "data/Abort.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const EAbort&) {
        // What the command had begun was unwound on the way here (cursors, transactions).
        return true;
    }
}

bool RunAbortable(const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const EAbort&) {
        return false;
    }
}
