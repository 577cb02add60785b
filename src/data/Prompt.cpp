#include "data/Prompt.h"

namespace {

class SilentPrompter : public TPrompter {
public:
    bool Ask(TPromptKind, const QString&) override { return false; }
};

SilentPrompter silentPrompter;
TPrompter* prompter = &silentPrompter;

}  // namespace

void SetPrompter(TPrompter* p) {
    prompter = p ? p : &silentPrompter;
}

TPrompter* CurrentPrompter() {
    return prompter;
}

QString FramePromptText(TPromptKind kind, const QString& text) {
    switch (kind) {
        case TPromptKind::Info:
            return QStringLiteral("\r\n") + text + QLatin1Char('\t');
        case TPromptKind::ConfirmDelete:
            return QStringLiteral("\r您确定要删除 %1 吗?\t\t")
                .arg(text.isEmpty() ? QStringLiteral("当前记录") : text);
        case TPromptKind::Confirm:
            return QStringLiteral("\r") + text;
    }
    return text;
}

void ShowInfo(const QString& text) {
    prompter->Ask(TPromptKind::Info, FramePromptText(TPromptKind::Info, text));
}

bool ConfirmDelete(const QString& what) {
    return prompter->Ask(TPromptKind::ConfirmDelete,
                         FramePromptText(TPromptKind::ConfirmDelete, what));
}

bool Confirm(const QString& text) {
    return prompter->Ask(TPromptKind::Confirm, FramePromptText(TPromptKind::Confirm, text));
}
