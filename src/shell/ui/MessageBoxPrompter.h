#pragma once

#include "data/Prompt.h"

class QMessageBox;

// The three standard message boxes of the program, captioned with the application title:
// information (OK), delete confirmation (OK, Cancel, warning), confirmation (Yes, No).
class TMessageBoxPrompter : public TPrompter {
public:
    bool Ask(TPromptKind kind, const QString& text) override;

    // Sets up the box of a prompt: caption, icon, buttons, text with the framing's "\r\n" and
    // "\r" as line breaks. Returns the button that answers yes; it is the default button.
    static int Prepare(QMessageBox& box, TPromptKind kind, const QString& text);
};
