#include "FileAdder.h"

#include "CommandText.h"
#include "Messenger.h"
#include "PlayerSettings.h"
#include "TOption.h"
#include "TPlay.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

FileAdder::FileAdder(TPlay& play, TOption& option, Messenger& messenger, MediaTypes mediaTypes, CommandRunner run)
    : play_(play), option_(option), messenger_(messenger), mediaTypes_(std::move(mediaTypes)), run_(std::move(run)) {
    // After the caller of the ended batch has acted on its result.
    QObject::connect(&play_, &TPlay::addBatchEnded, &context_, [this] {
        QTimer::singleShot(0, &context_, [this] {
            if (!waitingLists_.isEmpty() && !play_.AddBusy())
                OpenFileCommand(waitingLists_.takeFirst());
        });
    });
}

QString FileAdder::DialogFilter(const QString& mediaTypes) {
    // Qt filters: "Name (pattern pattern)" separated by ";;".
    QStringList filters;
    QString masks = mediaTypes;
    masks.replace(';', ' ');
    masks = masks.simplified();
    if (!masks.isEmpty())
        filters << QCoreApplication::translate("FileAdder", "Media Files (%1)").arg(masks);
    filters << QCoreApplication::translate("FileAdder", "Playlist(*.m3u) (*.m3u)")
            << QCoreApplication::translate("FileAdder", "All Files(*.*) (*)");
    return filters.join(QStringLiteral(";;"));
}

void FileAdder::OpenFileCommand(const QString& argument) {
    if (argument.isEmpty()) {
        OpenFilesDialog(option_.RecentFolder(), TPlay::kDefaultId);
        return;
    }
    if (!play_.BeginAdd(TPlay::kDefaultId)) {
        waitingLists_ << argument;
        return;
    }
    for (const QString& path : OpenFileNames(argument))
        play_.AddFile(path);
    play_.EndAdd();
    AfterAdd(true);
}

void FileAdder::OpenFilesDialog(const QString& initialFolder, int categoryId) {
    const QString filter = DialogFilter(mediaTypes_ ? mediaTypes_() : QString());
    const QStringList files = messenger_.Modal([&](DialogLayer& d) {
        return d.OpenFiles(QCoreApplication::translate("FileAdder", "Open Files"), initialFolder, filter);
    });
    if (files.isEmpty())
        return;
    if (play_.BeginAdd(categoryId)) {
        for (const QString& file : files)
            play_.AddFile(file);
        play_.EndAdd();
        AfterAdd(false);
    }
    option_.SetRecentFolder(QFileInfo(files.first()).absolutePath() + '/');
}

void FileAdder::DropFiles(const QStringList& paths, int categoryId) {
    if (!play_.AcceptsUserFiles(categoryId)) {
        messenger_.ShowMessageBox(QCoreApplication::translate("TPlay", kReadOnlyCategoryMessage),
                                  MsgBox::IconStop);
        return;
    }
    if (!option_.Interactive())
        return;
    if (!play_.BeginAdd(categoryId)) {
        messenger_.ShowMessageBox(QCoreApplication::translate("TPlay", kAddBusyMessage),
                                  MsgBox::IconExclamation);
        return;
    }
    for (const QString& path : paths)
        play_.AddFile(path);
    play_.EndAdd();
    AfterAdd(false);
}

void FileAdder::AddUrl(const QString& url) {
    if (!play_.BeginAdd(TPlay::kDefaultId)) {
        messenger_.ShowMessageBox(QCoreApplication::translate("TPlay", kAddBusyMessage),
                                  MsgBox::IconExclamation);
        return;
    }
    play_.AddFile(url);
    play_.EndAdd();
    AfterAdd(false);
}

void FileAdder::AfterAdd(bool force) {
    const TAddBatch batch = play_.Batch();
    const bool play = force || !option_.Playing() || PlayerSettings::PlayOnAdd(option_.store());
    if (play && !batch.FirstAudioFile.isEmpty())
        run_(QStringLiteral("#Play,") + batch.FirstAudioFile);
    if (!batch.FirstLrcFile.isEmpty())
        run_(QStringLiteral("#EditLrc,") + batch.FirstLrcFile);
    if (!batch.FirstSkinFile.isEmpty())
        run_(QStringLiteral("#Skin,") + batch.FirstSkinFile);
}
