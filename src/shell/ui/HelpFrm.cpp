#include "shell/ui/HelpFrm.h"

#include <QApplication>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "shell/HelpPages.h"

namespace {

QPointer<THelpFrm>& Instance() {
    static QPointer<THelpFrm> instance;
    return instance;
}

}  // namespace

THelpFrm::THelpFrm(QWidget* parent) : TWinFrm(parent) {
    setObjectName(QStringLiteral("HelpFrm"));
    setWindowTitle(QStringLiteral("帮助"));
    resize(720, 560);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    browser1_ = new QTextBrowser(this);
    browser1_->setObjectName(QStringLiteral("browser1"));
    browser1_->setOpenLinks(true);
    browser1_->setSearchPaths({QStringLiteral(":/help")});
    column->addWidget(browser1_);
}

void THelpFrm::ShowTopic(const QString& topic) {
    topic_ = topic;
    const QString file = HelpPageFile(topic);
    showsContents_ = file.isEmpty();
    if (showsContents_) {
        browser1_->setHtml(HelpContentsHtml());
        return;
    }
    browser1_->setSource(QUrl(QStringLiteral("qrc") + file));
}

THelpFrm* THelpFrm::Current() {
    return Instance().data();
}

THelpFrm* OpenHelpTopic(const QString& topic) {
    QWidget* parent = QApplication::activeModalWidget();
    THelpFrm* help = Instance().data();
    if (!help) {
        help = new THelpFrm(parent);
        Instance() = help;
    } else if (help->parentWidget() != parent) {
        help->setParent(parent, help->windowFlags());
    }
    help->ShowTopic(topic);
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}
