#pragma once

#include <QApplication>
#include <functional>

// The program's application object. A command abandoned with EAbort (after its refusal was
// shown) ends in the event handler that ran it: the event counts as handled, nothing is
// reported, and the program goes on with the next event. Any other error that reaches the
// event loop (a failed statement) is shown in the information box and ends only its command.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Runs a command from a signal handler so that an abandoned command (EAbort) ends here, before
// it reaches Qt's own code. False when it was abandoned.
bool RunAbortable(const std::function<void()>& command);
