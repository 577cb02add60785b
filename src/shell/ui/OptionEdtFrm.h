#pragma once

#include <QList>
#include <QStringList>

#include "shell/ui/ADlgFrm.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QTabWidget;

// The system options window ("系统设置"): negative stock control, decimal places, price
// sources of the four document kinds and the duplicate-ware permission, and the captions of
// the ware columns, the client columns and the batch number.
class TOptionEdtFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TOptionEdtFrm(QWidget* parent = nullptr);

    QTabWidget* pageControl1;
    QComboBox* cbNegative1;
    QSpinBox* spnQty1;
    QSpinBox* spnPrice1;
    QComboBox* cbPutinPrice1;
    QComboBox* cbTakeoutPrice1;
    QComboBox* cbMovePrice1;
    QComboBox* cbRegulatePrice1;
    QCheckBox* chkDuplicate1;

    // The caption box of a settings key (10 to 14, 16, 17, 20 to 34); nullptr for others.
    QLineEdit* CaptionBox(int keyId) const;

    // Fills every control from the stored settings and the caption variables.
    void LoadOptions();
    // What OK stores: every value with SetValue, then the number formats are rebuilt.
    void SaveOptions();

protected:
    bool CloseQuery() override;

private:
    struct CaptionBoxOf {
        int KeyId;
        QLineEdit* Box;
    };
    QList<CaptionBoxOf> captionBoxes_;
    QWidget* CaptionPage(const QList<int>& keys, const QStringList& labels);
};

// "系统设置": needs right 8 (the command is abandoned without it).
void ShowOptions(QWidget* parent = nullptr);
