#pragma once

#include <QAction>
#include <QList>
#include <QWidget>

// One tool of the tool window (file manager, lyrics editor, skin manager,
// options, file search). The tool window shows one page at a time in its page
// area and lends it its frame while it shows:
//  - the page's caption (its windowTitle(); a later setWindowTitle() is
//    followed) becomes the tool window's caption;
//  - the page's tool strip is moved into the tool window's top panel;
//  - the page's actions are added to the tool window, so their shortcuts work
//    wherever the focus is inside it;
//  - the page's status panels are added to the tool window's status bar.
// When another page is shown or the tool window closes, the tool window takes
// all of it back (the strip and panels return to the page, hidden) before it
// calls PageClosed(). The page itself never reaches into the tool window.
//
// A page is created on first use, lives until the tool window closes (then it
// is deleted with it) and may be shown and closed many times in between.
class WorkPage : public QWidget {
public:
    using QWidget::QWidget;

    // The strip of tool buttons and menus shown above the page, or null.
    virtual QWidget* ToolStrip() { return nullptr; }
    // Actions whose shortcuts must work anywhere in the tool window.
    virtual QList<QAction*> PageActions() { return {}; }
    // Widgets for the tool window's status bar, left to right.
    virtual QList<QWidget*> StatusPanels() { return {}; }

    // The command that showed the page carried an argument
    // ("#EditLrc,<file>" gives the lyrics editor a file to open).
    virtual void CommandArgument(const QString& argument) { (void)argument; }

    // The tool window is about to close at the user's request. A page holding
    // unsaved work may ask about it; false keeps the window open.
    virtual bool CanClose() { return true; }

    // The page is placed and visible.
    virtual void PageShown() {}
    // The page is taken out: another page is shown or the tool window closes.
    // Unapplied changes are applied or kept here; nothing is asked.
    virtual void PageClosed() {}
};

// Page numbers of the tool window.
namespace WorkPageNumber {
enum : int { FileManager = 0, LyricsEditor = 1, SkinManager = 2, Options = 3, FileSearch = 4, Count = 5 };
}
