#include "shell/ui/Application.h"

#include "data/Abort.h"
#include "data/Database.h"
#include "data/Prompt.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const EAbort&) {
        // What the command had begun was unwound on the way here (cursors, transactions).
        return true;
    } catch (const EDatabaseError& e) {
        // A failed statement ends its command with the provider's text; the program goes on
        // (the transaction was rolled back while the error travelled here).
        ShowInfo(e.Message());
        return true;
    } catch (const std::exception& e) {
        ShowInfo(QString::fromUtf8(e.what()));
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
