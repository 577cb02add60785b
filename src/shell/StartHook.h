#pragma once

#include <functional>

// The hook that runs once the main window has been shown after the login: the company
// dialog for an operator who may set the company while no company name has been entered,
// then the tip of the day when the operator asked for it at start.
class Tmall {
public:
    std::function<void()> ShowTips;  // the tip window; nothing while it is not set

    void Start();
};
