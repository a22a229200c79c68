#include "OptionsStore.h"
#include "TPlay.h"

namespace {

// A category id given as decimal text; false for anything else.
bool ParseId(const QString& text, int& id) {
    qint64 value = 0;
    if (!ParseDecimal(text, value) || value < 0 || value > std::numeric_limits<int>::max())
        return false;
    id = static_cast<int>(value);
    return true;
}

} // namespace

int TPlay::PluginCreateClass(const QString& name) {
    // A system category: read-only for the user, never saved with the list.
    return AddCategory(name.isEmpty() ? QStringLiteral("New Category") : name, 1);
}

int TPlay::PluginDeleteClass(const QString& argument) {
    int id = 0;
    if (ParseId(argument, id) && id > kTopTenId)
        DeleteCategory(id);
    return 0;
}

int TPlay::PluginClearClass(const QString& argument) {
    int id = 0;
    if (!ParseId(argument, id) || id <= kTopTenId)
        return 0;
    TPlayCategory* category = Category(id);
    if (!category)
        return 0;
    category->Clear();
    if (FileManagerShows(id))
        fileManager_->CategoryRebuilt(id);
    return 0;
}

int TPlay::PluginAddFiles(const QString& argument) {
    const qsizetype separator = argument.indexOf(QChar(1));
    int id = 0;
    if (!ParseId(separator < 0 ? argument : argument.left(separator), id) || !BeginAdd(id))
        return 0;
    if (separator >= 0) {
        for (QString name : argument.mid(separator + 1).split('\n')) {
            if (name.endsWith('\r'))
                name.chop(1);
            if (name.isEmpty())
                break;
            AddFile(name);
        }
    }
    EndAdd();
    return -1;
}
