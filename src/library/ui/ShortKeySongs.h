#pragma once

#include "SongHotKeys.h"

#include <QObject>
#include <QStringList>

class TFileForm;
class TShortKey;

// The songs' side of the player's hot-key table: a song's binding is kept
// under its lower-cased path and fires "#Play," + that path. The file
// manager's rows follow every change of the table, whoever makes it (the
// options window included).
class ShortKeySongs : public QObject, public SongHotKeys {
    Q_OBJECT
public:
    explicit ShortKeySongs(TShortKey& keys, QObject* parent = nullptr);
    ~ShortKeySongs() override;

    // The window whose rows show the bindings (null: none).
    void SetWindow(TFileForm* window) { window_ = window; }

    QString ShortcutTextOf(const QString& file) const override;
    void Bind(const QString& file, const QKeySequence& keys) override;
    void Unbind(const QString& file) override;
    void Suspend(bool suspended) override;

private:
    void showChanged(const QString& command) const;

    TShortKey& keys_;
    TFileForm* window_ = nullptr;
    QStringList removing_; // commands of bindings being removed
    bool suspended_ = false;
};
