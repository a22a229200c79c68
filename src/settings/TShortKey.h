#pragma once

#include <QList>
#include <QString>

class OptionsStore;

// The global hot-key table: command (or a file to play) and its key
// combination as shortcut text, kept in section [HOTKEY] of "Options.ini".
// The table is read when the player starts and written anew when it ends.
class TShortKey {
public:
    struct Binding {
        QString command;
        QString shortcut;
    };

    explicit TShortKey(OptionsStore& store);
    ~TShortKey();

    const QList<Binding>& Bindings() const { return bindings_; }
    // The shortcut text bound to a command (compared ignoring case), or empty.
    QString ShortCutOf(const QString& command) const;

private:
    OptionsStore& store_;
    QList<Binding> bindings_;
};
