#pragma once

#include "SkinModel.h"
#include "WorkPage.h"

#include <functional>
#include <QString>
#include <QStringList>

class QLabel;
class QLineEdit;
class QMenuBar;
class QPlainTextEdit;
class QTreeWidget;
class SkinLinkLabel;

// What the skin manager calls in the running player. Tests fill in what they
// need; an empty hook does nothing (or reads the file itself for readInfo).
struct SkinManagerHooks {
    QString programFolder; // ends with "/"
    // Reads a skin file's header; ReadSkinInfo when empty (a seam for tests).
    std::function<bool(const QString& file, SkinInfo* info)> readInfo;
    // Dresses the main window with section 0 of the file; false on failure.
    std::function<bool(const QString& file)> loadMainFace;
    // Dresses the display window's control bar with section 2 of the file.
    std::function<void(const QString& file)> loadControlBar;
    // The skin remembered in the options (OPTION/SKIN).
    std::function<QString()> currentSkin;
    std::function<void(const QString& text, int flags)> showMessage;
    // The open dialog; empty when cancelled.
    std::function<QString(const QString& title, const QString& folder, const QString& filter)> openFile;
    std::function<QString()> recentFolder;
    std::function<void(const QString& folder)> setRecentFolder;
    std::function<void(const QString& command)> doCommand;
    QString siteBase; // ends with "/"
    // The skin editor for a file (full path), or empty when there is none.
    std::function<QString(const QString& skinFile)> findEditor;
    // Starts a program with the given arguments, no shell; false when it did not start.
    std::function<bool(const QString& program, const QStringList& arguments)> startProgram;
};

// The skin manager, page 2 of the tool window ("Texture Management"): the
// installed skins with title and author, the selected skin's header and
// preview, and the actions to apply, open, refresh and edit a skin and to
// reach the skin pages of the web site.
class TSkinForm : public WorkPage {
    Q_OBJECT
public:
    explicit TSkinForm(SkinManagerHooks hooks, QWidget* parent = nullptr);

    QWidget* ToolStrip() override;
    QList<QAction*> PageActions() override;
    void PageShown() override;

    // Lists the skins again.
    void Refresh();
    // Selects a row (-1: none) as a click would.
    void SelectRow(int row);
    // Applies a skin file with the fall-back chain; true when it was applied.
    bool Apply(const QString& file);

    void LoadActionExecute();
    void OpenActionExecute();
    void EditActionExecute();
    void DownloadActionExecute();
    void UploadActionExecute();
    void EmailLabelClick();
    void HomeLabelClick();

    // Read by tests and the tool window.
    QTreeWidget* ListView() const { return list_; }
    QLabel* TitleLabel() const { return titleLabel_; }
    QLineEdit* AuthorEdit() const { return authorEdit_; }
    QLabel* EmailLabel() const;
    QLineEdit* ICQEdit() const { return icqEdit_; }
    QLineEdit* QQEdit() const { return qqEdit_; }
    QLabel* HomeLabel() const;
    QPlainTextEdit* Memo() const { return memo_; }
    QLabel* Image() const { return image_; }
    QLabel* NoImage() const { return noImage_; }
    QAction* LoadAction() const { return load_; }
    QAction* EditAction() const { return edit_; }
    QAction* OpenAction() const { return open_; }
    QAction* RefreshAction() const { return refresh_; }
    QAction* DownloadAction() const { return download_; }
    QAction* UploadAction() const { return upload_; }

private:
    void buildActions();
    void buildFace();
    void selectionChanged();
    void showInfo(int row);
    bool readInfo(const QString& file, SkinInfo* info) const;
    QString selectedFile() const;

    SkinManagerHooks hooks_;
    int lastShownRow_ = -1;

    QTreeWidget* list_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QLineEdit* authorEdit_ = nullptr;
    SkinLinkLabel* emailLabel_ = nullptr;
    QLineEdit* icqEdit_ = nullptr;
    QLineEdit* qqEdit_ = nullptr;
    SkinLinkLabel* homeLabel_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    QLabel* image_ = nullptr;
    QLabel* noImage_ = nullptr;
    QWidget* strip_ = nullptr;
    QMenuBar* menu_ = nullptr;

    QAction* open_ = nullptr;
    QAction* load_ = nullptr;
    QAction* refresh_ = nullptr;
    QAction* edit_ = nullptr;
    QAction* download_ = nullptr;
    QAction* upload_ = nullptr;
    QAction* close_ = nullptr;
};
