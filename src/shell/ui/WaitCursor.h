#pragma once

// The hourglass while an object of this class lives: set when it is made, restored when it
// goes, also when an error or an abandoned command leaves the block.
class TWaitCursor {
public:
    TWaitCursor();
    ~TWaitCursor();
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};
