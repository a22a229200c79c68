#include "ShortKeySongs.h"

#include "TFileForm.h"
#include "TShortKey.h"

ShortKeySongs::ShortKeySongs(TShortKey& keys, QObject* parent) : QObject(parent), keys_(keys) {
    connect(&keys_, &TShortKey::bindingAdded, this, [this](int index) { showChanged(keys_.At(index).command); });
    connect(&keys_, &TShortKey::bindingRemoving, this, [this](int index) { removing_ << keys_.At(index).command; });
    connect(&keys_, &TShortKey::changed, this, [this] {
        for (const QString& command : std::exchange(removing_, {}))
            showChanged(command);
    });
    // Every suspension ends when the application loses the focus.
    connect(&keys_, &TShortKey::suspendedChanged, this, [this](bool suspended) {
        if (!suspended)
            suspended_ = false;
    });
}

ShortKeySongs::~ShortKeySongs() {
    Suspend(false);
}

void ShortKeySongs::showChanged(const QString& command) const {
    if (window_ && !command.startsWith(QLatin1Char('#')))
        window_->HotKeyChanged(command);
}

QString ShortKeySongs::ShortcutTextOf(const QString& file) const {
    return keys_.ShortCutOf(file).toString(QKeySequence::PortableText);
}

void ShortKeySongs::Bind(const QString& file, const QKeySequence& keys) {
    const QString command = file.toLower();
    keys_.AddShortCut(keys, TShortKey::OnceFor(command), command);
}

void ShortKeySongs::Unbind(const QString& file) {
    keys_.DeleteCommand(file.toLower());
}

void ShortKeySongs::Suspend(bool suspended) {
    if (suspended == suspended_)
        return;
    suspended_ = suspended;
    if (suspended)
        keys_.Suspend();
    else
        keys_.Resume();
}
