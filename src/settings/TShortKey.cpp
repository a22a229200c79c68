#include "TShortKey.h"

#include "OptionsStore.h"
#include "VirtualKeys.h"

namespace {

const QString kSection = QStringLiteral("HOTKEY");

constexpr quint8 kCtrlShift = TShortKey::CtrlKey | TShortKey::ShiftKey;
constexpr quint8 kCtrlAlt = TShortKey::CtrlKey | TShortKey::AltKey;

} // namespace

// The captions are the player's English texts; a list that shows them
// translated looks them up in the context "TShortKey".
const QList<TShortKey::BuiltIn>& TShortKey::BuiltIns() {
    static const QList<BuiltIn> table = {
        {"#playpause", QT_TRANSLATE_NOOP("TShortKey", "Play&Pause"), 'P', kCtrlShift},
        {"#stop", QT_TRANSLATE_NOOP("TShortKey", "Stop"), 'S', kCtrlShift},
        {"#prev", QT_TRANSLATE_NOOP("TShortKey", "Prev"), 188, kCtrlShift},
        {"#next", QT_TRANSLATE_NOOP("TShortKey", "Next"), 190, kCtrlShift},
        {"#forward", QT_TRANSLATE_NOOP("TShortKey", "Forward"), 187, kCtrlShift},
        {"#rewind", QT_TRANSLATE_NOOP("TShortKey", "Rewind"), 189, kCtrlShift},
        {"#shuffle", QT_TRANSLATE_NOOP("TShortKey", "Shuffle Mode"), 0, 0},
        {"#repeat", QT_TRANSLATE_NOOP("TShortKey", "Repeat Mode"), 0, 0},
        {"#only", QT_TRANSLATE_NOOP("TShortKey", "Single Play"), 0, 0},
        {"#filemanage", QT_TRANSLATE_NOOP("TShortKey", "File Manage"), 'F', kCtrlAlt},
        {"#list", QT_TRANSLATE_NOOP("TShortKey", "Select Window"), 'L', kCtrlShift},
        {"#lyrics", QT_TRANSLATE_NOOP("TShortKey", "Show Lyrics"), 'L', kCtrlAlt},
        {"#editlrc", QT_TRANSLATE_NOOP("TShortKey", "Edit Lyrics"), 'E', kCtrlShift},
        {"#id3", QT_TRANSLATE_NOOP("TShortKey", "ID3"), 'I', kCtrlAlt},
        {"#setup", QT_TRANSLATE_NOOP("TShortKey", "Options"), 'S', kCtrlAlt},
        {"#url", QT_TRANSLATE_NOOP("TShortKey", "Url"), 'U', kCtrlAlt},
        {"#minimize", QT_TRANSLATE_NOOP("TShortKey", "Minimize"), 'M', kCtrlAlt},
        {"#exit", QT_TRANSLATE_NOOP("TShortKey", "Exit"), 'X', kCtrlAlt},
        {"#skin", QT_TRANSLATE_NOOP("TShortKey", "Skins"), 0, 0},
        {"#silent", QT_TRANSLATE_NOOP("TShortKey", "Silent"), 'M', kCtrlShift},
        {"#soundup", QT_TRANSLATE_NOOP("TShortKey", "Increase Volume"), 187, kCtrlAlt},
        {"#sounddown", QT_TRANSLATE_NOOP("TShortKey", "Decrease Volume"), 189, kCtrlAlt},
        {"#hotkey", QT_TRANSLATE_NOOP("TShortKey", "Hotkey"), 0, 0},
        {"#display", QT_TRANSLATE_NOOP("TShortKey", "Video Window"), 0, 0},
    };
    return table;
}

TShortKey::TShortKey(OptionsStore& store, QObject* parent) : QObject(parent), store_(store) {
    ResetDefaults();
    Load();
}

TShortKey::~TShortKey() {
    Save();
}

void TShortKey::Add(quint16 key, quint8 shift, const QString& command, bool once) {
    // A combination that names no key never fires, so it takes nothing from
    // another binding: two unreadable stored lines both stay in the table.
    if (key != 0) {
        const int sameKey = IndexOfKey(key, shift);
        if (sameKey >= 0)
            Delete(sameKey);
    }
    const int sameCommand = IndexOfCommand(command);
    if (sameCommand >= 0)
        Delete(sameCommand);
    bindings_.append({key, shift, once, command});
    emit bindingAdded(Count() - 1);
    emit changed();
}

void TShortKey::AddShortCut(const QKeySequence& shortcut, bool once, const QString& command) {
    quint16 key = 0;
    quint8 shift = 0;
    if (!Unpack(shortcut, key, shift))
        key = shift = 0;
    Add(key, shift, command, once);
}

void TShortKey::Delete(int index) {
    if (index < 0 || index >= Count())
        return;
    emit bindingRemoving(index);
    bindings_.removeAt(index);
    emit changed();
}

void TShortKey::DeleteCommand(const QString& command) {
    Delete(IndexOfCommand(command));
}

int TShortKey::IndexOfKey(quint16 key, quint8 shift) const {
    for (int i = 0; i < Count(); ++i)
        if (bindings_[i].key == key && bindings_[i].shift == shift)
            return i;
    return -1;
}

int TShortKey::IndexOfCommand(const QString& command) const {
    for (int i = 0; i < Count(); ++i)
        if (bindings_[i].command == command)
            return i;
    return -1;
}

QKeySequence TShortKey::ShortCutOf(const QString& command) const {
    const int index = IndexOfCommand(command.toLower());
    return index < 0 ? QKeySequence() : Pack(bindings_[index].key, bindings_[index].shift);
}

QString TShortKey::ShortCutTextOf(int index) const {
    if (index < 0 || index >= Count())
        return QString();
    return Pack(bindings_[index].key, bindings_[index].shift).toString(QKeySequence::PortableText);
}

QString TShortKey::CommandToRun(int index) const {
    const QString& command = bindings_.at(index).command;
    return command.startsWith(QLatin1Char('#')) ? command : QStringLiteral("#Play,") + command;
}

QString TShortKey::CaptionOf(const QString& command) {
    for (const BuiltIn& builtIn : BuiltIns())
        if (command.compare(QLatin1String(builtIn.command), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(builtIn.caption);
    return command;
}

bool TShortKey::IsBuiltIn(const QString& command) {
    for (const BuiltIn& builtIn : BuiltIns())
        if (command == QLatin1String(builtIn.command))
            return true;
    return false;
}

bool TShortKey::OnceFor(const QString& command) {
    return command.compare(QLatin1String("#soundup"), Qt::CaseInsensitive) != 0 &&
           command.compare(QLatin1String("#sounddown"), Qt::CaseInsensitive) != 0;
}

bool TShortKey::Unpack(const QKeySequence& shortcut, quint16& key, quint8& shift) {
    if (shortcut.isEmpty())
        return false;
    const QKeyCombination combination = shortcut[0];
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    // A binding knows Shift, Ctrl and Alt only.
    if (modifiers & ~(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::KeypadModifier))
        return false;
    const quint16 vk = VirtualKeys::VkOfQtKey(combination.key(), modifiers.testFlag(Qt::KeypadModifier));
    if (vk == 0 || VirtualKeys::IsModifier(vk))
        return false;
    key = vk;
    shift = quint8((modifiers.testFlag(Qt::ShiftModifier) ? ShiftKey : 0) |
                   (modifiers.testFlag(Qt::AltModifier) ? AltKey : 0) |
                   (modifiers.testFlag(Qt::ControlModifier) ? CtrlKey : 0));
    return true;
}

QKeySequence TShortKey::Pack(quint16 key, quint8 shift) {
    bool keypad = false;
    const Qt::Key qtKey = VirtualKeys::QtKeyOf(key, &keypad);
    if (key == 0 || qtKey == Qt::Key_unknown)
        return QKeySequence();
    Qt::KeyboardModifiers modifiers;
    modifiers.setFlag(Qt::ShiftModifier, shift & ShiftKey);
    modifiers.setFlag(Qt::AltModifier, shift & AltKey);
    modifiers.setFlag(Qt::ControlModifier, shift & CtrlKey);
    modifiers.setFlag(Qt::KeypadModifier, keypad);
    return QKeySequence(QKeyCombination(modifiers, qtKey));
}

void TShortKey::ResetDefaults() {
    for (int i = Count() - 1; i >= 0; --i)
        Delete(i);
    for (const BuiltIn& builtIn : BuiltIns()) {
        if (builtIn.key == 0)
            continue;
        const QString command = QString::fromLatin1(builtIn.command);
        Add(builtIn.key, builtIn.shift, command, OnceFor(command));
    }
}

void TShortKey::Load() {
    for (const QString& name : store_.ReadSectionKeys(kSection)) {
        const QString value = store_.ReadString(kSection, name, QString());
        if (!value.isEmpty())
            AddShortCut(QKeySequence::fromString(value, QKeySequence::PortableText), OnceFor(name), name);
    }
}

void TShortKey::Save() {
    // The section is written anew in one replacement, and only when it differs.
    QList<QPair<QString, QString>> values;
    for (int i = 0; i < Count(); ++i)
        values.append({bindings_[i].command, ShortCutTextOf(i)});
    store_.ReplaceSection(kSection, values);
}

void TShortKey::Suspend() {
    if (++suspensions_ == 1)
        emit suspendedChanged(true);
}

void TShortKey::Resume() {
    if (suspensions_ == 0)
        return;
    if (--suspensions_ == 0)
        emit suspendedChanged(false);
}

void TShortKey::ClearSuspension() {
    if (suspensions_ == 0)
        return;
    suspensions_ = 0;
    emit suspendedChanged(false);
}
