#pragma once

#include "SkinEnvironment.h"
#include "SkinFile.h"
#include "SkinModel.h"

#include <memory>
#include <QObject>
#include <QTimer>
#include <QPointer>
#include <QWidget>
#include <vector>

class TCtrl;
class TInfomation;
class TKvLabel;
struct TSkinItemRec;

// One dressed window: its objects (for section 0 the window body is object 0)
// and the skin file, open for as long as the face is shown.
class TSkinItem {
public:
    bool busy = false; // a panel of this item is sliding
    QPointer<QWidget> window;
    std::vector<TCtrl*> objects;
    SkinFile stream;
    TSkinItemRec* row = nullptr;
};

struct TSkinItemRec {
    std::unique_ptr<TSkinItem> item;
    int section = 0;
    QString fileName;
};

// The skin engine: turns sections of a skin file into live controls on a
// window, shapes the window, slides drawer panels, and routes clicks into
// commands. One instance for the program.
class TSkin : public QObject {
    Q_OBJECT
public:
    TSkin(SkinEnvironment env, TInfomation& info, QObject* parent = nullptr);
    ~TSkin() override;

    SkinEnvironment& env() { return env_; }
    TInfomation& Info() { return info_; }

    // Dresses a window from a section (0 normal, 1 small, 2 control bar).
    // The file is read completely before the old face is taken down, so a
    // file that fails leaves the window as it was.
    bool LoadSkin(QWidget* window, const QString& fileName, int section);
    static bool SectionHasObjects(const QString& fileName, int section);

    int FindRow(QWidget* window) const;
    const TSkinItemRec* Row(int index) const { return rows_[index].get(); }
    int RowCount() const { return int(rows_.size()); }
    TCtrl* FindObject(QObject* control) const;
    TCtrl* FindContainer(TCtrl* object) const;
    int SectionOf(const TSkinItem* item) const;
    const std::vector<TCtrl*>& AllObjects() const { return all_; }
    bool Owns(TCtrl* object) const;

    void SetKindState(SkinItemKind kind, int state);
    void SetKindValue(SkinItemKind kind, int value);
    void SetGroupValue(int group, int value);
    bool SlideKind(TSkinItem* item, SkinItemKind kind, int mode);
    // mode 1 opens, -1 closes, 0 toggles.
    void SlidePanel(TSkinItem* item, TCtrl* panel, int mode);
    // Takes a face down. Deferred (the default) releases the controls after
    // the running event, since a click on one of them may be the cause.
    void Clear(TSkinItem* item, bool deferred = true);
    // Every face (the close sequence, which may run inside a click on one
    // of them; the destructor clears at once).
    void ClearAll(bool deferred = true);
    void FitWindow(TSkinItem* item);
    void ApplyWindowShape(TSkinItem* item);

    // The faces of the player state.
    void ShowVolume(int volume);
    void ShowBalance(int balance);
    void ShowPosition();
    void ShowTime(int seconds);
    void ShowNumber(TCtrl* object, int index);
    // Everything the face shows, from the player state (after a load).
    void RefreshFace();

    // Commands carried out with a skin.
    // "#Skin," + file: the main window's normal face and the control bar; on
    // failure the message, the previous skin, then "default.eks".
    void ApplySkinFile(QWidget* mainWindow, QWidget* controlBarWindow, const QString& file);
    // "#SwitchSmall" without sender.
    void SwitchSmall(QWidget* mainWindow);
    // "#Extract": toggles the sliding panel holding the sender.
    void Extract(QObject* sender);
    // "#List": true when a skin's play-list drawer took the command.
    bool ListCommand(QObject* sender, QWidget* mainWindow);
    // "#Display" with a skin: true when the main window's display area took it
    // (mode 1 open, 0 toggle).
    bool DisplayCommand(QWidget* mainWindow, int mode);

    // Helpers for the objects.
    QImage ReadStateImage(TSkinItem* item, const QString& entry);
    void ApplyFont(TKvLabel* label, const QString& fontText);
    void Post(const QString& command);
    // Milliseconds between the steps of a slide (0 in tests).
    void SetSlideDelay(int ms) { slideDelay_ = ms; }

protected:
    // Brings a dressed window's play state up to date when it comes back on
    // screen after updates were held back while nobody could see it.
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // A window got a new face (section 0 to 2).
    void faceLoaded(QWidget* window, int section);

private:
    // Turns the "#Extract" handles inside a drawer to its open or closed state.
    void turnHandles(TSkinItem* item, TCtrl* drawer);
    // Hides a closed drawer that lies wholly under the window body, and shows
    // it again before it opens: Qt paints what lies under a repainted area
    // first, so every thumb move and time change would paint the drawer's
    // pictures and play list for nothing.
    void coverDrawer(TSkinItem* item, TCtrl* drawer);
    TCtrl* createObject(TSkinItem* item, const ObjectRecord& record, QWidget* owner);
    void applyRecord(TCtrl* object, const ObjectRecord& record);
    void finishObject(TCtrl* object);
    void removeRow(int index, bool deferred = true);
    void bindOption();
    // False while the control's window is minimized or hidden on purpose: its
    // time and position updates wait for the window to come back.
    bool onScreen(const QWidget* control);

    SkinEnvironment env_;
    TInfomation& info_;
    std::vector<std::unique_ptr<TSkinItemRec>> rows_;
    std::vector<TCtrl*> all_;
    int slideDelay_ = 8;
    bool playStateStale_ = false; // an update was held back by onScreen()
    QTimer thumbTimer_;
};
