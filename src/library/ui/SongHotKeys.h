#pragma once

#include <QKeySequence>
#include <QString>

// The global hot keys as the file manager sees them: a song's file bound to a
// key combination that plays it. Files are passed as shown; the table keeps
// them lower-cased.
class SongHotKeys {
public:
    virtual ~SongHotKeys() = default;
    // The combination bound to the file, as shortcut text; empty when none.
    virtual QString ShortcutTextOf(const QString& file) const = 0;
    // Binds the combination to play the file (replacing whatever had it).
    virtual void Bind(const QString& file, const QKeySequence& keys) = 0;
    virtual void Unbind(const QString& file) = 0;
    // While a hot-key field is being typed into, the global keys do not fire.
    virtual void Suspend(bool suspended) = 0;
};
