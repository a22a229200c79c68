#include "TPlay.h"

int TPlay::PluginCreateClass(const QString& name) {
    // A system category: read-only for the user, never saved with the list.
    return AddCategory(name.isEmpty() ? QStringLiteral("New Category") : name, 1);
}

void TPlay::PluginDeleteClass(int id) {
    if (id > kTopTenId)
        DeleteCategory(id);
}

void TPlay::PluginClearClass(int id) {
    TPlayCategory* category = id > kTopTenId ? Category(id) : nullptr;
    if (!category)
        return;
    category->Clear();
    if (FileManagerShows(id))
        fileManager_->CategoryRebuilt(id);
}

int TPlay::PluginAddFiles(int id, const QStringList& files) {
    if (!BeginAdd(id))
        return 0;
    for (const QString& name : files) {
        if (name.isEmpty())
            break;
        AddFile(name);
    }
    EndAdd();
    return -1;
}
