#pragma once

#include <QString>

// The three standard message boxes. Core code asks through this interface; the program
// installs message boxes at start, tests install a recorder that answers from a script.
enum class TPromptKind { Info, ConfirmDelete, Confirm };

class TPrompter {
public:
    virtual ~TPrompter() = default;
    // `text` is the message as the box shows it, framing included (see FramePromptText).
    // The answer is ignored for Info.
    virtual bool Ask(TPromptKind kind, const QString& text) = 0;
};

// Installs the prompter used from now on (not owned); nullptr restores the silent default,
// which answers every question with "no".
void SetPrompter(TPrompter* prompter);
TPrompter* CurrentPrompter();

// The message of each box with its margins: "\r\n" + text + "\t" for information,
// "\r您确定要删除 %s 吗?\t\t" for deletion, "\r" + text for confirmation.
QString FramePromptText(TPromptKind kind, const QString& text);

void ShowInfo(const QString& text);
// Asks about deleting `what`, or "当前记录" when it is empty; true when OK was pressed.
bool ConfirmDelete(const QString& what = QString());
bool Confirm(const QString& text);
