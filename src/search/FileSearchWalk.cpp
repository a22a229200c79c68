#include "FileSearchWalk.h"

#include "FileName.h"

#include <QFile>
#include <QSet>

#include <algorithm>

#include <dirent.h>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <utility>

namespace {

using FolderId = std::pair<dev_t, ino_t>;

// Devices of the mounted kernel file systems, which hold no files to find.
std::set<dev_t> kernelDevices() {
    std::set<dev_t> devices;
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    if (!mounts.open(QIODevice::ReadOnly))
        return devices;
    for (const QByteArray& line : mounts.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 3 || !IsKernelFileSystem(fields[2]))
            continue;
        struct stat st {};
        if (fields[1].indexOf('\\') < 0 && ::stat(fields[1].constData(), &st) == 0)
            devices.insert(st.st_dev);
    }
    return devices;
}

bool byName(const QString& a, const QString& b) {
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

} // namespace

struct FileSearchWalk::Walk {
    FileSearchWalk& owner;
    const SearchPattern& pattern;
    std::set<FolderId>& visited;
    const std::set<dev_t>& kernel;

    bool stopped() const { return owner.stop_.load(std::memory_order_relaxed); }

    void folder(const QString& path, const QByteArray& bytes) {
        if (owner.reports_.folder)
            owner.reports_.folder(path);
        DIR* dir = owner.opener_ ? owner.opener_(bytes) : ::opendir(bytes.constData());
        if (!dir)
            return;
        const int fd = ::dirfd(dir);
        QList<FoundFile> files;
        QList<QByteArray> subfolders;
        while (!stopped()) {
            const dirent* entry = ::readdir(dir);
            if (!entry)
                break;
            const QByteArray name(entry->d_name);
            if (name == "." || name == "..")
                continue;
            unsigned char type = entry->d_type;
            struct stat st {};
            bool haveStat = false;
            if (type == DT_UNKNOWN || type == DT_LNK) {
                // Links are followed to what they name; a dangling link is nothing.
                if (::fstatat(fd, name.constData(), &st, 0) != 0)
                    continue;
                haveStat = true;
                type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : DT_UNKNOWN;
            }
            if (type == DT_DIR) {
                if (!name.startsWith('.'))
                    subfolders << name;
                continue;
            }
            if (type != DT_REG)
                continue;
            const QString decoded = DecodeFileName(name);
            if (!MatchesPattern(decoded, pattern))
                continue;
            if (!haveStat && (::fstatat(fd, name.constData(), &st, 0) != 0 || !S_ISREG(st.st_mode)))
                continue;
            files.append({path, decoded, qint64(st.st_size), QDateTime::fromSecsSinceEpoch(qint64(st.st_mtim.tv_sec))});
        }
        ::closedir(dir);
        // Listing order of the disk is arbitrary here (hash order): files and
        // subfolders go in name order, as people read a folder.
        std::sort(files.begin(), files.end(), [](const FoundFile& a, const FoundFile& b) {
            return byName(a.name, b.name);
        });
        std::sort(subfolders.begin(), subfolders.end(), [](const QByteArray& a, const QByteArray& b) {
            return byName(DecodeFileName(a), DecodeFileName(b));
        });
        for (const FoundFile& file : std::as_const(files)) {
            if (stopped())
                return;
            if (owner.reports_.found)
                owner.reports_.found(file);
        }
        for (const QByteArray& name : std::as_const(subfolders)) {
            if (stopped())
                return;
            const QByteArray childBytes = bytes + name + '/';
            struct stat st {};
            if (::stat(childBytes.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
                continue;
            if (kernel.count(st.st_dev) || !visited.insert({st.st_dev, st.st_ino}).second)
                continue;
            folder(path + DecodeFileName(name) + QLatin1Char('/'), childBytes);
        }
    }
};

FileSearchWalk::FileSearchWalk(QStringList folders, QList<SearchPattern> patterns, const std::atomic_bool& stop,
                               Reports reports)
    : folders_(std::move(folders)), patterns_(std::move(patterns)), stop_(stop), reports_(std::move(reports)) {}

void FileSearchWalk::Run() {
    const std::set<dev_t> kernel = kernelDevices();
    // One record of walked folders per pattern: overlapping folders of one
    // search are walked once for each pattern.
    std::vector<std::set<FolderId>> visited(size_t(patterns_.size()));
    for (const QString& root : std::as_const(folders_)) {
        for (qsizetype i = 0; i < patterns_.size(); ++i) {
            if (stop_.load())
                return;
            QByteArray bytes = EncodeFileName(root);
            if (!bytes.endsWith('/'))
                bytes += '/';
            struct stat st {};
            if (::stat(bytes.constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
                !visited[size_t(i)].insert({st.st_dev, st.st_ino}).second)
                continue;
            Walk walk{*this, patterns_[i], visited[size_t(i)], kernel};
            walk.folder(root, bytes);
        }
    }
}
