#include "shell/HelpPages.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "data/Resources.h"

namespace {

const QString HelpFolder = QStringLiteral(":/help/");

QString PageTitle(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    static const QRegularExpression title(
        QStringLiteral("<title>(.*)</title>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = title.match(QString::fromUtf8(f.readAll()));
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

}  // namespace

QString HelpPageFile(const QString& topic) {
    static const QRegularExpression plainName(QStringLiteral("^[A-Za-z0-9_]+$"));
    if (!plainName.match(topic).hasMatch())
        return QString();
    RegisterResources();
    const QString file = HelpFolder + topic + QStringLiteral(".html");
    return QFile::exists(file) ? file : QString();
}

QString HelpContentsHtml() {
    RegisterResources();
    QString html =
        QStringLiteral("<html><head><title>帮助目录</title></head><body><h2>帮助目录</h2><ul>");
    const QStringList files =
        QDir(HelpFolder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    for (const QString& name : files) {
        QString title = PageTitle(HelpFolder + name);
        if (title.isEmpty())
            title = name.chopped(5);
        html += QStringLiteral("<li><a href=\"%1\">%2</a></li>").arg(name, title.toHtmlEscaped());
    }
    html += QStringLiteral("</ul></body></html>");
    return html;
}
