#pragma once

#include "shell/ui/WinFrm.h"

class QTextBrowser;

// The help window: shows one bundled help page, or the help contents when the topic has no
// page. One help window serves the whole program.
class THelpFrm : public TWinFrm {
    Q_OBJECT
public:
    explicit THelpFrm(QWidget* parent = nullptr);

    void ShowTopic(const QString& topic);
    // The topic last asked for, and whether the contents stand in for its missing page.
    QString Topic() const { return topic_; }
    bool ShowsContents() const { return showsContents_; }
    QTextBrowser* Browser() const { return browser1_; }

    // The open help window, or nullptr.
    static THelpFrm* Current();

private:
    QTextBrowser* browser1_;
    QString topic_;
    bool showsContents_ = false;
};

// Opens the help window at a topic's page (the contents when it has none) and brings it to the
// front. While a modal dialog is open the help window belongs to it, so it can be used.
THelpFrm* OpenHelpTopic(const QString& topic);
