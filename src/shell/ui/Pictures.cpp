#include "shell/ui/Pictures.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>
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

QIcon DesktopIcon(int tag) {
    static const char* const names[] = {"icon-other.png", "icon-data.png", "icon-business.png",
                                        "icon-report.png"};
    static const QColor colours[] = {QColor(0x70, 0x70, 0x70), QColor(0x2b, 0x7a, 0x3d),
                                     QColor(0x2b, 0x57, 0x9a), QColor(0xa0, 0x5a, 0x1c)};
    const int index = tag >= 0 && tag <= 3 ? tag : 0;
    RegisterResources();
    QPixmap picture(QStringLiteral(":/pictures/") + QLatin1String(names[index]));
    if (picture.isNull()) {
        picture = QPixmap(48, 48);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(colours[index]);
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(QRect(4, 4, 40, 40), 8, 8);
    }
    return QIcon(picture);
}
