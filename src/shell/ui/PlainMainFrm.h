#pragma once

#include <QMainWindow>

class TDatabase;

// A plain main window that says which database the program is connected to.
class TPlainMainFrm : public QMainWindow {
    Q_OBJECT
public:
    explicit TPlainMainFrm(const TDatabase& db, QWidget* parent = nullptr);
    QString ConnectionText() const;

private:
    QString connectionText_;
};
