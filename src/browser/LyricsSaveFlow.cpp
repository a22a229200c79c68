#include "LyricsSaveFlow.h"

#include "DialogLayer.h"
#include "LyricsLookup.h"
#include "SongLyricsNames.h"
#include "SongTag.h"
#include "TPlay.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("TWebForm", text);
}

} // namespace

QString SaveDownloadedLyrics(const QString& downloadedFile, const QString& offeredName,
                             const LyricsSavePorts& ports) {
    QDir().mkpath(ports.lyricsFolder);
    QString chosen =
        ports.saveDialog(tr("Save"), ports.lyricsFolder + offeredName, tr("Lyrics files(*.lrc)"));
    if (chosen.isEmpty())
        return QString();
    if (QFileInfo(chosen).suffix().isEmpty())
        chosen += QStringLiteral(".lrc");

    // Replace an existing file only once the new one is safely beside it.
    const QString staging = chosen + QStringLiteral(".part");
    QFile::remove(staging);
    if (!QFile::copy(downloadedFile, staging)) {
        ports.message(tr("The lyrics file cannot be saved."), MsgBox::IconStop);
        return QString();
    }
    QFile::remove(chosen);
    if (!QFile::rename(staging, chosen)) {
        QFile::remove(staging);
        ports.message(tr("The lyrics file cannot be saved."), MsgBox::IconStop);
        return QString();
    }
    ports.message(tr("Download lyrics complete."), MsgBox::IconInformation);

    TPlayItem& current = ports.play.Current();
    if (!current.FileName.isEmpty()) {
        const QString found = FindLyricsFile(LyricsSongOf(current), ports.lyricsFolder);
        const bool same = QFileInfo(found).absoluteFilePath().trimmed().compare(
                              QFileInfo(chosen).absoluteFilePath().trimmed(), Qt::CaseInsensitive) == 0;
        if ((found.isEmpty() || !same) &&
            ports.message(tr("Set downloaded lyrics file to current lyrics?"),
                          MsgBox::OkCancel | MsgBox::IconQuestion) == MsgBox::IdOk) {
            const QString name = QFileInfo(chosen).fileName();
            // The tag holds 30 bytes of name: a longer one would name a file
            // that does not exist.
            if (name.toUtf8().size() > static_cast<qsizetype>(current.Tag.LyricsName.size())) {
                ports.message(tr("The file name is too long to be kept in the song's tag (30 bytes at most)."),
                              MsgBox::IconExclamation);
            } else {
                TSongTag tag = current.Tag;
                // A song whose tag has not been read yet keeps the fields in its file.
                TSongTag read;
                if (!current.TagRead && ports.play.GetTag(current.FileName, read))
                    tag = read;
                SetTagText(tag.LyricsName, name);
                ports.play.SetTag(current.FileName, tag);
            }
        }
    }
    if (ports.reloadLyrics)
        ports.reloadLyrics();
    return chosen;
}
