#include "shell/AppIdentity.h"

#include <QFileInfo>

#include "shell/IniFile.h"
#include "shell/ProgramFolder.h"

const QString AppTitle = QStringLiteral("Lumora仓库管理系统");
const QString AppEdition = QStringLiteral("单机版 3.62.130115");
const QString AppProductCode = QStringLiteral("QZCK");
const QString AppHelpFolder = QStringLiteral("help");

namespace {

QString& BuildText() {
    static QString build = QStringLiteral("Build130115");
    return build;
}

}  // namespace

QString AppBuild() {
    return BuildText();
}

void SetAppBuild(const QString& build) {
    BuildText() = build;
}

QString BuildWithMark(const QString& build, const QString& mark) {
    return QStringLiteral("(%1%2)").arg(build, mark);
}

void ApplyPublishMark() {
    const QString path = CfgIniPath();
    if (!QFileInfo::exists(path))
        return;
    const TIniFile ini(path);
    SetAppBuild(
        BuildWithMark(AppBuild(), ini.ReadString(QStringLiteral("publish"), QStringLiteral("b"))));
}
