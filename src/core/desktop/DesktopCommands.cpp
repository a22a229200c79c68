#include "DesktopCommands.h"

#include "FileAssociations.h"
#include "Messenger.h"
#include "PlayerSettings.h"
#include "Shortcut.h"
#include "SiteAddresses.h"
#include "TCommandDispatcher.h"
#include "UpdateCheck.h"

#include <QCoreApplication>

namespace {
QString tr(const char* text) { return QCoreApplication::translate("DesktopCommands", text); }
} // namespace

void CheckLink(FileAssociations& associations, const QString& fileTypes, Messenger& messenger,
               OptionsStore& store, const std::function<void(const QString&)>& run) {
    for (const QString& pattern : fileTypes.split(';', Qt::SkipEmptyParts)) {
        const qsizetype dot = pattern.lastIndexOf('.');
        if (dot < 0)
            continue;
        const QString extension = pattern.mid(dot).trimmed();
        if (extension.size() < 2 || associations.IsAssociated(extension))
            continue;
        bool always = true;
        const int answer = messenger.AskWithCheckBox(
            tr("Media files not associated with the player, do you want to do it now?"), tr("Always Check"), always,
            MsgBox::YesNo | MsgBox::IconQuestion);
        PlayerSettings::SetCheckAcc(store, always);
        if (answer == MsgBox::IdYes)
            run(QStringLiteral("#Setup"));
        return;
    }
}

void CheckUpdate(const SiteAddresses& site, TextFetcher& fetcher, Messenger& messenger,
                 const std::function<void(const QString&)>& run, bool showMessages) {
    const auto bytes = fetcher.FetchSmallTextFile(QUrl(site.UpdateFile()), kUpdateFileMaxBytes, kUpdateFileTimeoutMs);
    if (!bytes) {
        if (showMessages)
            messenger.ShowMessageBox(tr("Could not connect to server."), MsgBox::IconInformation);
        return;
    }
    const UpdateInfo info = ReadUpdateInfo(*bytes);
    const bool newer = info.date.isValid() && ReleaseDate() < info.date;
    if (newer && !info.page.isEmpty()) {
        if (messenger.ShowMessageBox(tr("Sorvi was updated, download the newest now?"),
                                     MsgBox::OkCancel | MsgBox::IconInformation) == MsgBox::IdOk)
            run(QStringLiteral("#Explorer,") + site.Page(info.page));
        return;
    }
    if (showMessages)
        messenger.ShowMessageBox(tr("haven't update."), MsgBox::IconInformation);
}

void InstallDesktopCommands(TCommandDispatcher& d, DesktopCommandPorts ports) {
    d.SetHandler(QStringLiteral("#CHECKLINK"), [ports](const CommandCall&) {
        CheckLink(*ports.associations, ports.fileTypes ? ports.fileTypes() : QString(), *ports.messenger,
                  *ports.store, ports.run);
    });
    d.SetHandler(QStringLiteral("#CHECKUPDATE"),
                 [ports](const CommandCall&) {
                     if (TextFetcher* fetcher = ports.fetcher ? ports.fetcher() : nullptr)
                         CheckUpdate(*ports.site, *fetcher, *ports.messenger, ports.run, true);
                 });
    d.SetHandler(QStringLiteral("#CREATESHORTCUT"),
                 [ports](const CommandCall&) { CreateShortcut(ports.programPath, *ports.messenger); });
}
