#include "RegularFile.h"

#include "FileName.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool IsRegularFile(const QString& path) {
    if (path.isEmpty())
        return false;
    struct stat st {};
    return ::stat(EncodeFileName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

namespace {

// Opens with O_NONBLOCK (so a FIFO returns at once), keeps the descriptor only
// when it is a regular file, then restores blocking mode for ordinary reads.
int OpenRegular(const QString& path, int accessMode) {
    if (path.isEmpty())
        return -1;
    const int fd = ::open(EncodeFileName(path).constData(), accessMode | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

} // namespace

int OpenRegularFileForReading(const QString& path) {
    return OpenRegular(path, O_RDONLY);
}

int OpenRegularFileForWriting(const QString& path) {
    return OpenRegular(path, O_RDWR);
}

bool OpenRegularFile(QFile& file, const QString& path, QIODevice::OpenMode mode) {
    const bool write = mode.testFlag(QIODevice::WriteOnly);
    const int fd = write ? OpenRegularFileForWriting(path) : OpenRegularFileForReading(path);
    if (fd < 0)
        return false;
    if (!file.open(fd, write ? QIODevice::ReadWrite : QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

namespace {

std::optional<QByteArray> ReadUpTo(const QString& path, qint64 maxBytes, bool cutLonger) {
    if (maxBytes < 0)
        return std::nullopt;
    const int fd = OpenRegularFileForReading(path);
    if (fd < 0)
        return std::nullopt;
    QByteArray bytes;
    bool failed = false;
    char buffer[65536];
    // One byte past the limit tells a file of exactly maxBytes from a longer one.
    while (bytes.size() <= maxBytes) {
        const qint64 want = std::min<qint64>(sizeof buffer, maxBytes + 1 - bytes.size());
        const ssize_t got = ::read(fd, buffer, static_cast<size_t>(want));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            failed = true;
            break;
        }
        if (got == 0)
            break;
        bytes.append(buffer, got);
    }
    ::close(fd);
    if (failed)
        return std::nullopt;
    if (bytes.size() > maxBytes) {
        if (!cutLonger)
            return std::nullopt;
        bytes.truncate(maxBytes);
    }
    return bytes;
}

} // namespace

std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes) {
    return ReadUpTo(path, maxBytes, false);
}

std::optional<QByteArray> ReadRegularFileHead(const QString& path, qint64 maxBytes) {
    return ReadUpTo(path, maxBytes, true);
}
