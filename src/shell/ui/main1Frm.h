#pragma once

#include <QHash>
#include <QPointer>
#include <functional>

#include "shell/Desktop.h"
#include "shell/MainMenu.h"
#include "shell/ui/aFrm.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;
class TDesktopView;

// The main window: the main menu with the operator's right checks, today's date in both
// calendars, the operator, and the personal desktop of menu shortcuts. Closing it shuts the
// program down.
class Tmain1Frm : public TaFrm {
    Q_OBJECT
public:
    explicit Tmain1Frm(QWidget* parent = nullptr);

    // F1 in the main window opens the help's first page, "main".
    void ShowHelp(const QString& topic = QString()) override;

    // What an entry opens. An entry without a handler is shown disabled.
    void SetEntryHandler(const QString& entryName, std::function<void()> handler);
    QAction* EntryAction(const QString& entryName) const;
    // Runs an entry as a choice in the menu: nothing for a disabled entry, else the right
    // check (EAbort when refused), the hourglass for windows that calculate while they are
    // built, then the handler.
    void RunEntry(const QString& entryName);

    // After a login: the operator label and the operator's desktop (positions kept).
    void AfterLogin();

    // The desktop: shown icons and the stored text.
    TDesktopView* DesktopView() const { return desktop1_; }
    const TDesktop& Desktop() const { return desktop_; }
    void StoreDesktop();
    void LoadDesktop(bool keepPositions);
    void OpenSelectedIcon();  // "打开": exactly one icon selected
    void RemoveSelectedIcons();
    void AlignSelectedTop();
    void AlignSelectedLeft();
    void RearrangeDesktop();
    // "设置我的个人桌面": stores the desktop, picks entries, reloads after OK.
    void PickDesktopMenus();
    // The popup menu's actions by their captions, enabled for the current selection.
    QMenu* DesktopMenu() const { return popup1_; }
    void UpdateDesktopMenu();

    // Rebuilds the tool link entries after the first five items of "工具(&T)".
    void RebuildToolEntries();
    QMenu* TopMenu(int menu) const { return menus_.value(menu); }
    QLabel* DateLabel() const { return lblDate1_; }
    QLabel* LunarLabel() const { return lblLunar1_; }
    QLabel* OperatorLabel() const { return lblOperator1_; }

    // The steps of the shut-down in their order; closing runs them once.
    void Shutdown();
    bool IsShutDown() const { return shutDown_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu();
    void BuildBanner(class QVBoxLayout* column);
    void BuildDesktop(class QVBoxLayout* column);
    void BuildBottom(class QVBoxLayout* column);
    void InstallHandlers();
    void ShowDesktopIcons();
    void ReadIconPositions();
    void AlignSelected(void (TDesktop::*align)(const QList<int>&));
    void ShowFeedbackAtExit();
    void RunBackupAtExit();

    QList<TMenuEntry> entries_;
    QHash<QString, QAction*> actions_;
    QHash<QString, std::function<void()>> handlers_;
    QList<QMenu*> menus_;
    QMenuBar* menuBar1_;
    QStatusBar* status1_;
    QLabel* lblDate1_;
    QLabel* lblLunar1_;
    QLabel* lblOperator1_;
    TDesktopView* desktop1_;
    QMenu* popup1_;
    TDesktop desktop_;
    bool shutDown_ = false;
};
