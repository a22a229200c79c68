#include "TShortKey.h"

#include "OptionsStore.h"

namespace {
const QString kSection = QStringLiteral("HOTKEY");
}

TShortKey::TShortKey(OptionsStore& store) : store_(store) {
    for (const QString& key : store_.ReadSectionKeys(kSection))
        bindings_.append({key, store_.ReadString(kSection, key, QString())});
}

TShortKey::~TShortKey() {
    // The section is written anew in one replacement, and only when it differs.
    QList<QPair<QString, QString>> values;
    for (const Binding& binding : bindings_)
        values.append({binding.command, binding.shortcut});
    store_.ReplaceSection(kSection, values);
}

QString TShortKey::ShortCutOf(const QString& command) const {
    for (const Binding& binding : bindings_)
        if (binding.command.compare(command, Qt::CaseInsensitive) == 0)
            return binding.shortcut;
    return QString();
}
