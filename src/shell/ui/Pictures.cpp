#include "shell/ui/Pictures.h"

#include <QLabel>
#include <QPixmap>

#include "data/Resources.h"

void ShowPictureOrBand(QLabel* label, const QString& name, int height) {
    RegisterResources();
    const QPixmap picture(QStringLiteral(":/pictures/") + name);
    label->setFixedHeight(height);
    if (!picture.isNull()) {
        label->setPixmap(picture);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return;
    }
    label->setAutoFillBackground(true);
    QPalette band = label->palette();
    band.setColor(QPalette::Window, QColor(0x2b, 0x57, 0x9a));
    label->setPalette(band);
}
