#pragma once

#include "shell/ui/ADlgFrm.h"

class QListWidget;
class QPlainTextEdit;
class TPickListSet;

// The pick list editor ("选项"): the six lists (units of measure, special characters, ware
// names, specifications, brands, packages) on the left, the entries of the chosen one in a
// memo on the right. OK stores every list; Cancel discards the changes.
class TPickListFrm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TPickListFrm(QWidget* parent = nullptr);

    QListWidget* lstKinds1;
    QPlainTextEdit* memList1;
    TPickListSet* Lists() const { return lists_; }

    // Shows the list of the row; the memo's text goes into the row shown before.
    void ShowList(int row);
    // What OK stores: the memo's text kept, then every row.
    void SaveLists();

protected:
    bool CloseQuery() override;

private:
    void KeepMemo();

    TPickListSet* lists_;
    int shown_ = -1;
};

// "常用选项" (no right needed).
void ShowPickLists(QWidget* parent = nullptr);
