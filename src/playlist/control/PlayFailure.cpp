#include "PlayFailure.h"

#include "FileName.h"

#include <QCoreApplication>
#include <QByteArray>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString tr(const char* text) { return QCoreApplication::translate("PlayFailure", text); }

// The first bytes of a file name one of the audio containers the player's
// plug-ins read, or hold MPEG audio frames.
bool LooksLikeAudio(const QByteArray& head) {
    auto at = [&](int offset, const char* magic) { return head.mid(offset, qstrlen(magic)) == magic; };
    if (at(0, "ID3") || at(0, "fLaC") || at(0, "OggS") || at(0, "FORM") || at(0, "caff") || at(0, ".snd") ||
        at(0, "wvpk") || at(0, "MAC ") || at(4, "ftyp"))
        return true;
    if (at(0, "RIFF") && (at(8, "WAVE") || at(8, "RMP3")))
        return true;
    // An MPEG frame header: eleven set sync bits (never found in text).
    for (qsizetype i = 0; i + 1 < head.size(); ++i)
        if (static_cast<unsigned char>(head[i]) == 0xFF && (static_cast<unsigned char>(head[i + 1]) & 0xE0) == 0xE0)
            return true;
    return false;
}

} // namespace

QString PlayFailureReason(const QString& file) {
    if (file.contains(QStringLiteral("://")))
        return tr("cannot play: the stream cannot be opened");
    const QByteArray name = EncodeFileName(file);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return errno == EACCES ? tr("cannot open: permission denied") : tr("cannot open: file not found");
    if (!S_ISREG(info.st_mode))
        return tr("cannot open: not a file");
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno == EACCES ? tr("cannot open: permission denied") : tr("cannot open: the file cannot be read");
    QByteArray head(4096, '\0');
    const ssize_t got = ::read(fd, head.data(), static_cast<size_t>(head.size()));
    ::close(fd);
    if (got < 0)
        return tr("cannot open: the file cannot be read");
    head.truncate(got);
    return LooksLikeAudio(head) ? tr("cannot play: damaged or unsupported audio file")
                                : tr("cannot play: not an audio file");
}
