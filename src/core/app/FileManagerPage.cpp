#include "FileManagerPage.h"

#include "FileAdder.h"
#include "PlayerApplication.h"
#include "ShortKeySongs.h"
#include "TFileForm.h"
#include "TOption.h"
#include "TSearchForm.h"
#include "TShortKey.h"
#include "WorkPage.h"

WorkPage* CreateFileManagerPage(PlayerApplication& p, QWidget* parent) {
    auto* hotKeys = new ShortKeySongs(p.shortKey());
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
    hotKeys->setParent(page);
    hotKeys->SetWindow(page);
    return page;
}
