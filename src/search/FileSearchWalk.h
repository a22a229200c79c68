#pragma once

#include "SearchPatterns.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

struct __dirstream;

// One file found: its folder (ending with "/"), name, size and modification time.
struct FoundFile {
    QString folder;
    QString name;
    qint64 size = 0;
    QDateTime modified;
};

// The directory walk of one search, on whatever thread runs it. For each folder
// in order, for each pattern in order: the folder is reported, its regular
// files matching the pattern are reported in name order, then each
// subfolder not beginning with "." (in name order) is searched the same way,
// depth first.
// Safe on any tree: a folder already walked for the pattern (a symbolic link
// back to a parent, a bind mount, overlapping folders) is not walked again;
// FIFOs, devices and sockets are never opened nor reported; a folder that
// cannot be listed is skipped; kernel file systems (/proc, /sys ...) are not
// entered from their parent. The stop flag is checked between entries.
class FileSearchWalk {
public:
    struct Reports {
        std::function<void(const QString& folder)> folder;
        std::function<void(const FoundFile& file)> found;
    };
    // Opens a folder for listing; a seam so tests can make a folder unreadable
    // (the tests run as root, which reads every folder).
    using FolderOpener = std::function<__dirstream*(const QByteArray& path)>;

    FileSearchWalk(QStringList folders, QList<SearchPattern> patterns, const std::atomic_bool& stop,
                   Reports reports);
    void SetFolderOpener(FolderOpener opener) { opener_ = std::move(opener); }

    void Run();

private:
    struct Walk;
    QStringList folders_;
    QList<SearchPattern> patterns_;
    const std::atomic_bool& stop_;
    Reports reports_;
    FolderOpener opener_;
};
