#include "shell/ui/MessageBoxPrompter.h"

#include <QApplication>
#include <QMessageBox>

#include "shell/AppIdentity.h"

int TMessageBoxPrompter::Prepare(QMessageBox& box, TPromptKind kind, const QString& text) {
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
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setWindowTitle(AppTitle);
    box.setIcon(icon);
    box.setText(shown);
    box.setTextFormat(Qt::PlainText);
    box.setStandardButtons(buttons);
    box.setDefaultButton(yes);
    return yes;
}

bool TMessageBoxPrompter::Ask(TPromptKind kind, const QString& text) {
    QMessageBox box(QApplication::activeWindow());
    const int yes = Prepare(box, kind, text);
    return box.exec() == yes;
}
