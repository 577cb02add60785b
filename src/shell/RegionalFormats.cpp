#include "shell/RegionalFormats.h"

#include <QLocale>

namespace RegionalFormats {

void Apply() {
    QLocale locale(QLocale::Chinese, QLocale::China);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);
}

}  // namespace RegionalFormats
