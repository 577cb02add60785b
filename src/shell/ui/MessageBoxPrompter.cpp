#include "shell/ui/MessageBoxPrompter.h"

#include <QApplication>
#include <QMessageBox>

#include "shell/AppIdentity.h"

namespace {

// The framing's "\r\n" and "\r" are line breaks on this platform.
QString DisplayText(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

}  // namespace

bool TMessageBoxPrompter::Ask(TPromptKind kind, const QString& text) {
    QMessageBox::Icon icon = QMessageBox::Information;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton yes = QMessageBox::Ok;
    if (kind == TPromptKind::ConfirmDelete) {
        icon = QMessageBox::Warning;
        buttons = QMessageBox::Ok | QMessageBox::Cancel;
    } else if (kind == TPromptKind::Confirm) {
        icon = QMessageBox::Question;
        buttons = QMessageBox::Yes | QMessageBox::No;
        yes = QMessageBox::Yes;
    }
    QMessageBox box(icon, AppTitle, DisplayText(text), buttons, QApplication::activeWindow());
    box.setDefaultButton(yes);
    return box.exec() == yes;
}
