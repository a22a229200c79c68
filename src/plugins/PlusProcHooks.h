#pragma once

#include <QString>
#include <QStringList>

// What the plug-in callback reaches outside the player state: the play
// controller's play count, the play-list store and the video windows. The
// player wires an implementation in once those exist; until then the
// corresponding messages answer 0.
struct PlusProcHooks {
    virtual ~PlusProcHooks() = default;
    // The current song started playing after being opened: count one play.
    virtual void CountPlay() = 0;
    // New read-only system category named name; returns its ID.
    virtual int CreateClass(const QString& name) = 0;
    // Only called for IDs above 1 (the built-in categories stay).
    virtual void DeleteClass(int id) = 0;
    virtual void ClearClass(int id) = 0;
    // Adds files to the category in one batch; -1 when the batch ran, 0 when
    // the store refused it (a batch already under way).
    virtual int AddFiles(int id, const QStringList& files) = 0;
    // Video window; and the window to draw video into (0 when there is none).
    virtual quintptr DisplayWindow() = 0;
    virtual quintptr DisplayCtrl() = 0;
};
