#pragma once

#include <exception>

// Abandons the current command silently: a guarded command throws it after its refusal has
// been shown, and the program's event handler swallows it without an error report. Code that
// holds a transaction or half-built state must unwind it (RAII) so nothing is left half done.
class EAbort : public std::exception {
public:
    const char* what() const noexcept override { return "command abandoned"; }
};
