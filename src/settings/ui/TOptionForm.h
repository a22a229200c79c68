#pragma once

#include "OptionFormPorts.h"
#include "WorkPage.h"

class AnimationBox;
class GeneralOptionsPage;
class HotkeyOptionsPage;
class LyricsOptionsPage;
class QMenuBar;
class QTabWidget;

// The options window, page 3 of the tool window ("Options"): the pages
// "General" (play options applied by Accept, file associations), "Hotkey"
// (the global hot-key table) and "Lrc Shower" (the lyrics window's colours,
// fonts and background, applied at once). Unapplied changes of the General
// page are applied when the page is taken out of the tool window, so closing
// never loses them.
class TOptionForm : public WorkPage {
    Q_OBJECT
public:
    enum Tab : int { General = 0, Hotkey = 1, LrcShower = 2 };

    explicit TOptionForm(OptionFormPorts ports, QWidget* parent = nullptr);
    ~TOptionForm() override;

    QWidget* ToolStrip() override;
    QList<QAction*> PageActions() override;
    void PageShown() override;
    void PageClosed() override;

    // Turns to the "Lrc Shower" page and fills it from the settings (the
    // lyrics window's Options action).
    void ShowLrcShowerPage();

    void AcceptActionExecute();

    QTabWidget* PageControl() const { return pages_; }
    GeneralOptionsPage* GeneralPage() const { return general_; }
    LyricsOptionsPage* LyricsPage() const { return lyrics_; }
    HotkeyOptionsPage* HotkeyPage() const { return hotkey_; }
    QMenuBar* MainMenu() const { return menu_; }
    QAction* AcceptAction() const { return accept_; }
    QAction* CheckUpdateAction() const { return checkUpdate_; }
    QAction* CreateShortAction() const { return createShort_; }
    QAction* ResetHotkeyAction() const { return resetHotkey_; }

private:
    void buildActions();
    void buildStrip();
    void run(const QString& command);

    OptionFormPorts ports_;
    QWidget* strip_ = nullptr;
    QMenuBar* menu_ = nullptr;
    AnimationBox* paintBox_ = nullptr;
    QTabWidget* pages_ = nullptr;
    GeneralOptionsPage* general_ = nullptr;
    HotkeyOptionsPage* hotkey_ = nullptr;
    LyricsOptionsPage* lyrics_ = nullptr;
    QAction* accept_ = nullptr;
    QAction* checkUpdate_ = nullptr;
    QAction* createShort_ = nullptr;
    QAction* resetHotkey_ = nullptr;
    QAction* close_ = nullptr;
    QList<QAction*> viewActions_;
    bool animating_ = false;
};
