#include "shell/ui/SplashFrm.h"

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

#include "shell/ProgramFolder.h"

TSplashFrm::TSplashFrm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("SplashFrm"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    picture1_ = new QLabel(this);
    picture1_->setObjectName(QStringLiteral("imgSplash1"));
    picture1_->setAlignment(Qt::AlignCenter);
    const QPixmap pixmap(QDir(ProgramFolder()).filePath(QStringLiteral("splash.jpg")));
    hasPicture_ = !pixmap.isNull();
    if (hasPicture_)
        picture1_->setPixmap(pixmap);
    else
        picture1_->setMinimumSize(400, 100);  // the picture area stays empty
    layout->addWidget(picture1_);
    hint1_ = new QLabel(QStringLiteral("正在创建数据连接..."), this);
    hint1_->setObjectName(QStringLiteral("lblHint1"));
    hint1_->setContentsMargins(12, 0, 12, 0);
    layout->addWidget(hint1_);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TSplashFrm::ShowHint(const QString& text) {
    hint1_->setText(text.isEmpty() ? hint1_->text() + QLatin1Char('.') : text);
    hint1_->repaint();
}

QString TSplashFrm::Hint() const {
    return hint1_->text();
}
