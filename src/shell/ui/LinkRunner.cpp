#include "shell/ui/LinkRunner.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include "shell/DesktopPrograms.h"
#include "shell/ToolLinks.h"

void RunLink(const TLink& link) {
    if (link.IsWebLink()) {
        QDesktopServices::openUrl(QUrl::fromUserInput(link.lpParameters));
        return;
    }
    const QFileInfo file(link.lpFile);
    if (file.isExecutable() && !file.isDir()) {
        QProcess::startDetached(link.lpFile, SplitCommandLine(link.lpParameters));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(link.lpFile));
}
