#pragma once

#include "shell/Desktop.h"
#include "shell/ui/ADlgFrm.h"

class QListWidget;

// "请选择您所常用的功能菜单": the main menu's top-level captions on the left, the entries of
// the chosen one as a check list on the right, ticked when they are on the desktop. OK writes
// the picked entries to the operator's stored desktop.
class TPickMenuFrm : public TADlgFrm {
    Q_OBJECT
public:
    TPickMenuFrm(const QList<TMenuEntry>& entries, const QString& storedText,
                 QWidget* parent = nullptr);

    QListWidget* MenuList() const { return lstMenus1_; }
    QListWidget* EntryList() const { return lstEntries1_; }
    void SelectMenu(int menu);
    void SetTicked(const QString& caption, bool ticked);
    // The picked lines as they stand (the shown page applied).
    QString PickedText();

protected:
    bool CloseQuery() override;

private:
    void ApplyShownPage();
    void ShowPage(int menu);

    QList<TMenuEntry> entries_;
    TMenuPick pick_;
    QListWidget* lstMenus1_;
    QListWidget* lstEntries1_;
    int shownMenu_ = -1;
};
