#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>

class OptionsStore;
class QHBoxLayout;
class QToolButton;
class QVBoxLayout;
class WorkPage;

// The tool window: five big buttons on the left and one tool (a WorkPage) at
// a time in the page area, with the page's tool strip in the top panel and its
// status panels in the status bar. Pages are made on first use, one of each,
// and freed with the window; the window frees itself when closed, so the next
// "#WorkForm" builds a new one.
class TWorkForm : public QMainWindow {
    Q_OBJECT
public:
    // Builds page N as a child of `parent`, or null for a page not present.
    using PageFactory = std::function<WorkPage*(int number, QWidget* parent)>;
    // Runs a command string through the player's dispatcher.
    using CommandRunner = std::function<void(const QString&)>;

    TWorkForm(OptionsStore& store, PageFactory factory, CommandRunner run, QWidget* owner = nullptr);
    ~TWorkForm() override;

    // Shows page N (WorkPageNumber); nothing when it is already shown.
    void ShowPage(int number);
    int CurrentPage() const { return current_; }
    // Page N when it was made, else null.
    WorkPage* Page(int number) const;
    // The button of page N (tests press it).
    QToolButton* Button(int number) const;
    QWidget* TopPanel() const { return topPanel_; }
    // Closes without letting the pages ask about unsaved work (the player is
    // shutting down).
    void CloseForGood();

    // The caption and command of each page's button.
    static QString PageLabel(int number);
    static QString PageCommand(int number);

signals:
    void currentPageChanged(int number);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buttonClicked(int number);
    void lendFrame(WorkPage* page);
    void takeFrameBack(WorkPage* page);

    OptionsStore& store_;
    PageFactory factory_;
    CommandRunner run_;
    int current_ = -1;
    std::array<QPointer<WorkPage>, 5> pages_{};
    std::array<QToolButton*, 5> buttons_{};
    QWidget* topPanel_ = nullptr;
    QHBoxLayout* topLayout_ = nullptr;
    QWidget* clientPanel_ = nullptr;
    QVBoxLayout* clientLayout_ = nullptr;
    bool closed_ = false;
    bool closingForGood_ = false;
};
