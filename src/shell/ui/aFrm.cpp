#include "shell/ui/aFrm.h"

#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#include "shell/FormPlacement.h"
#include "shell/ui/BaseFont.h"
#include "shell/ui/HelpFrm.h"

TaFrm::TaFrm(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {
    setFont(BaseFont());
    // F1 reaches the window whichever of its controls has the focus.
    auto* help = new QAction(this);
    help->setObjectName(QStringLiteral("actHelp1"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::WindowShortcut);
    connect(help, &QAction::triggered, this, [this] { ShowHelp(); });
    addAction(help);
}

void TaFrm::ShowHelp(const QString& topic) {
    OpenHelpTopic(topic.isEmpty() ? HelpTopic() : topic);
}

QString TaFrm::HelpTopic() const {
    return HelpTopicOf(objectName());
}

void TaFrm::done(int result) {
    setResult(result);
    if (!CloseQuery())
        return;
    QDialog::done(result);
}

void TaFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (IsBorderless())
        setMouseTracking(true);  // the cursor shows the edges before a button is pressed
    const QPoint cursor = QCursor::pos();
    QScreen* screen = QGuiApplication::screenAt(cursor);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        move(PlaceNearCursor(cursor, size(), screen->geometry()));
}

void TaFrm::keyPressEvent(QKeyEvent* event) {
    const bool plainEscape = event->key() == Qt::Key_Escape && event->modifiers() == 0;
    if (plainEscape && !EscapeCancels()) {
        event->ignore();  // QDialog would close the window
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TaFrm::IsBorderless() const {
    return windowFlags().testFlag(Qt::FramelessWindowHint);
}

void TaFrm::mousePressEvent(QMouseEvent* event) {
    if (IsBorderless() && event->button() == Qt::LeftButton && windowHandle()) {
        const int edges = FrameEdgeAt(event->position().toPoint(), size());
        if (edges != NoEdge && windowHandle()->startSystemResize(Qt::Edges(edges))) {
            event->accept();
            return;
        }
    }
    QDialog::mousePressEvent(event);
}

void TaFrm::mouseMoveEvent(QMouseEvent* event) {
    if (IsBorderless()) {
        switch (FrameEdgeAt(event->position().toPoint(), size())) {
            case TopEdge | LeftEdge:
            case BottomEdge | RightEdge:
                setCursor(Qt::SizeFDiagCursor);
                break;
            case TopEdge | RightEdge:
            case BottomEdge | LeftEdge:
                setCursor(Qt::SizeBDiagCursor);
                break;
            case LeftEdge:
            case RightEdge:
                setCursor(Qt::SizeHorCursor);
                break;
            case TopEdge:
            case BottomEdge:
                setCursor(Qt::SizeVerCursor);
                break;
            default:
                unsetCursor();
        }
    }
    QDialog::mouseMoveEvent(event);
}
