#pragma once

#include "data/Prompt.h"

// The three standard message boxes of the program, captioned with the application title:
// information (OK), delete confirmation (OK, Cancel, warning), confirmation (Yes, No).
class TMessageBoxPrompter : public TPrompter {
public:
    bool Ask(TPromptKind kind, const QString& text) override;
};
