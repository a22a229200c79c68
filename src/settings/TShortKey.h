#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class OptionsStore;

// The global hot-key table. A binding joins a key combination to a command
// string beginning with "#" or to the full name of a song file, which is then
// played. The table is kept in section [HOTKEY] of "Options.ini", one line per
// binding: key = the command, value = the combination as Qt's portable
// shortcut text ("Ctrl+Shift+P"); any order of the modifier names is read.
//
// The table itself never looks at the keyboard: HotKeyMatcher does, through
// a back end of the window system, and asks the table what to run.
class TShortKey : public QObject {
    Q_OBJECT
public:
    // Modifiers of a binding's shift set: these must be down, the others up.
    enum Shift : quint8 { ShiftKey = 1, AltKey = 2, CtrlKey = 4 };

    struct Binding {
        quint16 key = 0;  // virtual-key code of the main key (VirtualKeys), 0: never fires
        quint8 shift = 0; // Shift bits
        bool once = true; // false: fires again and again while held
        QString command;  // "#..." or the full name of a song file
    };

    struct BuiltIn {
        const char* command; // lower case, as stored
        const char* caption; // shown by the options window's list
        quint16 key;         // default combination, 0 for none
        quint8 shift;
    };
    // The 24 built-in commands in their order; 18 have a default combination.
    static const QList<BuiltIn>& BuiltIns();

    // An empty table, then the defaults, then what [HOTKEY] holds.
    explicit TShortKey(OptionsStore& store, QObject* parent = nullptr);
    // Saves the table.
    ~TShortKey() override;

    int Count() const { return int(bindings_.size()); }
    const Binding& At(int index) const { return bindings_.at(index); }
    const QList<Binding>& Bindings() const { return bindings_; }

    // Removes the binding of the same key and shift and the binding of the
    // same command (exact text), then appends the new one.
    void Add(quint16 key, quint8 shift, const QString& command, bool once);
    // Add with the first combination of `shortcut` (an empty or unknown
    // combination gives key 0: a binding that never fires).
    void AddShortCut(const QKeySequence& shortcut, bool once, const QString& command);
    void Delete(int index);
    // Deletes the binding with exactly this command, if any.
    void DeleteCommand(const QString& command);
    int IndexOfKey(quint16 key, quint8 shift) const;
    // Index of the binding with exactly this command text, or -1.
    int IndexOfCommand(const QString& command) const;
    // The combination bound to the lower-cased command, or an empty sequence;
    // the main window's menus show it beside their items.
    QKeySequence ShortCutOf(const QString& command) const;
    // The binding's combination as stored (portable shortcut text), or "".
    QString ShortCutTextOf(int index) const;
    // What a binding runs: its command, or "#Play," + the file for a song.
    QString CommandToRun(int index) const;

    // The built-in caption of a command (compared ignoring case), else the command.
    static QString CaptionOf(const QString& command);
    // True when the command is one of the built-in commands, exactly as written there.
    static bool IsBuiltIn(const QString& command);
    // False exactly for "#SoundUp" and "#SoundDown" (ignoring case): those
    // repeat while held, everything else fires once per press.
    static bool OnceFor(const QString& command);

    // Key and shift set of a combination, and back.
    static bool Unpack(const QKeySequence& shortcut, quint16& key, quint8& shift);
    static QKeySequence Pack(quint16 key, quint8 shift);

    // Deletes every binding, last first, then adds the defaults in their order.
    void ResetDefaults();
    // Adds every non-empty line of [HOTKEY] in file order.
    void Load();
    // Rewrites [HOTKEY] from the table.
    void Save();

    // Suspension: no binding fires while a hot-key entry field has the focus
    // or one of the player's own dialogs waits for the user. Every Suspend is
    // matched by a Resume; ClearSuspension (the application lost the focus)
    // ends every suspension at once.
    void Suspend();
    void Resume();
    void ClearSuspension();
    bool Suspended() const { return suspensions_ > 0; }

    // Keeps the table suspended while it lives.
    class Suspension {
    public:
        explicit Suspension(TShortKey& keys) : keys_(keys) { keys_.Suspend(); }
        ~Suspension() { keys_.Resume(); }
        Suspension(const Suspension&) = delete;
        Suspension& operator=(const Suspension&) = delete;

    private:
        TShortKey& keys_;
    };

signals:
    // A binding was appended at `index` (always the last one).
    void bindingAdded(int index);
    // The binding at `index` is about to go; it is still in the table.
    void bindingRemoving(int index);
    // Any change of the table, after the added or removed binding.
    void changed();
    void suspendedChanged(bool suspended);

private:
    OptionsStore& store_;
    QList<Binding> bindings_;
    int suspensions_ = 0;
};
