#include "FileManagerPage.h"

#include "FileAdder.h"
#include "PlayerApplication.h"
#include "SongHotKeys.h"
#include "TFileForm.h"
#include "TOption.h"
#include "TSearchForm.h"
#include "TShortKey.h"
#include "WorkPage.h"

namespace {

// Song bindings of the hot-key table: a file's binding is kept under its
// lower-cased path.
class PlayerSongHotKeys : public SongHotKeys {
public:
    explicit PlayerSongHotKeys(TShortKey& keys) : keys_(keys) {}
    QString ShortcutTextOf(const QString& file) const override { return keys_.ShortCutOf(file.toLower()); }
    void Bind(const QString&, const QKeySequence&) override {}
    void Unbind(const QString&) override {}
    void Suspend(bool) override {}

private:
    TShortKey& keys_;
};

} // namespace

WorkPage* CreateFileManagerPage(PlayerApplication& p, QWidget* parent) {
    auto* hotKeys = new PlayerSongHotKeys(p.shortKey());
    TFileFormContext context{
        p.play(),
        p.messenger(),
        p.option(),
        [&p](const QString& command) { p.DoCommand(command); },
        [&p](int category) { p.OpenUrlWindow(category); },
        [&p](int category) { p.adder().OpenFilesDialog(p.option().RecentFolder(), category); },
        [&p](const QStringList& files, int category) { p.adder().DropFiles(files, category); },
        [&p](const QString& pattern) {
            if (auto* search = qobject_cast<TSearchForm*>(p.ShowWorkPage(WorkPageNumber::FileSearch)))
                search->StartSearch(TSearchForm::ComputerFolders(), pattern);
        },
        hotKeys};
    auto* page = new TFileForm(std::move(context), parent);
    QObject::connect(page, &QObject::destroyed, [hotKeys] { delete hotKeys; });
    return page;
}
