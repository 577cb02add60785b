#pragma once

#include "shell/ui/WinFrm.h"

class QLabel;
class QProgressBar;
class QTableView;

// The base of the report pages: white, a banner across the top, a bold title, a grid filling
// the window and a status band whose progress bar on the right shows only while a calculation
// runs. Shown maximised.
class TTblFrm : public TWinFrm {
    Q_OBJECT
public:
    explicit TTblFrm(QWidget* parent = nullptr);

    QLabel* Banner() const { return banner1_; }
    QLabel* TitleLabel() const { return lblTitle1_; }
    QTableView* Grid() const { return grid1_; }
    QLabel* StatusLabel() const { return lblStatus1_; }
    QProgressBar* ProgressBar() const { return progress1_; }

    void SetTitle(const QString& title);
    // Shows the progress bar at position of maximum; HideProgress hides it again.
    void ShowProgress(int position, int maximum);
    void HideProgress();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* banner1_;
    QLabel* lblTitle1_;
    QTableView* grid1_;
    QLabel* lblStatus1_;
    QProgressBar* progress1_;
};
