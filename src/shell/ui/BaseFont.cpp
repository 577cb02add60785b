#include "shell/ui/BaseFont.h"

#include <QApplication>
#include <QFontDatabase>

QFont BaseFont() {
    static const QString family = QStringLiteral("WenQuanYi Micro Hei");
    QFont font = QApplication::font();
    if (QFontDatabase::families().contains(family))
        font.setFamily(family);
    font.setPointSize(9);
    return font;
}
