#pragma once

#include <QWidget>

class QLabel;

// The borderless start-up window: the picture splash.jpg of the program folder (when there is
// one) above a progress text.
class TSplashFrm : public QWidget {
    Q_OBJECT
public:
    explicit TSplashFrm(QWidget* parent = nullptr);

    // A text replaces the progress text; an empty one appends "." to it. Painted at once.
    void ShowHint(const QString& text);
    QString Hint() const;
    bool HasPicture() const { return hasPicture_; }

private:
    QLabel* picture1_;
    QLabel* hint1_;
    bool hasPicture_ = false;
};
