#include "WorkFormCommands.h"

#include "PlayerApplication.h"
#include "SkinLayer.h"
#include "TCommandDispatcher.h"
#include "TWorkForm.h"
#include "WorkPage.h"
#include "WorkPages.h"

TWorkForm* PlayerApplication::ShowWorkForm() {
    if (closed_)
        return nullptr;
    if (!workForm_) {
        workForm_ = new TWorkForm(
            store_, [this](int number, QWidget* parent) { return CreateWorkPage(*this, number, parent); },
            [this](const QString& command) { DoCommand(command); });
        // The skin's indicators of the file manager (group 1) and the options
        // window (group 6) are lit while their page shows.
        auto light = [this](int page) {
            skin_->SetGroupValue(1, page == WorkPageNumber::FileManager);
            skin_->SetGroupValue(6, page == WorkPageNumber::Options);
        };
        connect(workForm_.data(), &TWorkForm::currentPageChanged, this, light);
        connect(workForm_.data(), &QObject::destroyed, this, [this, light] {
            if (!closed_)
                light(-1);
        });
    }
    if (workForm_->isMinimized())
        workForm_->showNormal();
    workForm_->show();
    workForm_->raise();
    workForm_->activateWindow();
    return workForm_.data();
}

TWorkForm* PlayerApplication::workForm() const { return workForm_.data(); }

WorkPage* PlayerApplication::ShowWorkPage(int number) {
    DoCommand(QStringLiteral("#WorkForm"));
    if (!workForm_)
        return nullptr;
    workForm_->ShowPage(number);
    return workForm_->Page(number);
}

void InstallWorkFormCommands(TCommandDispatcher& d, PlayerApplication& player) {
    d.SetHandler(QStringLiteral("#WORKFORM"), [&player](const CommandCall&) { player.ShowWorkForm(); });
    auto page = [&player](int number) {
        return [&player, number](const CommandCall&) { player.ShowWorkPage(number); };
    };
    d.SetHandler(QStringLiteral("#FILEMANAGE"), page(WorkPageNumber::FileManager));
    d.SetHandler(QStringLiteral("#SETUP"), page(WorkPageNumber::Options));
    d.SetHandler(QStringLiteral("#SEARCH"), page(WorkPageNumber::FileSearch));
    d.SetHandler(QStringLiteral("#EDITLRC"), [&player](const CommandCall& call) {
        WorkPage* editor = player.ShowWorkPage(WorkPageNumber::LyricsEditor);
        if (editor && !call.argument.isEmpty())
            editor->CommandArgument(call.argument);
    });
    player.skin().SetSkinManagerPage([&player] { player.ShowWorkPage(WorkPageNumber::SkinManager); });
}
