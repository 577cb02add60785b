#include "shell/ui/PlainMainFrm.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "data/Database.h"
#include "shell/AppIdentity.h"

TPlainMainFrm::TPlainMainFrm(const TDatabase& db, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("main1Frm"));
    setWindowTitle(AppTitle);
    connectionText_ =
        QStringLiteral("已连接到数据库: %1 %2").arg(db.GetProvider(), db.GetDataSource());
    auto* label = new QLabel(connectionText_, this);
    label->setObjectName(QStringLiteral("lblConnection1"));
    label->setAlignment(Qt::AlignCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    setCentralWidget(label);
    QMenu* file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    QAction* quit = file->addAction(QStringLiteral("退出(&X)"));
    quit->setObjectName(QStringLiteral("actExit1"));
    connect(quit, &QAction::triggered, this, &QWidget::close);
}

QString TPlainMainFrm::ConnectionText() const {
    return connectionText_;
}
