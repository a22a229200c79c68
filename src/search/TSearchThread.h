#pragma once

#include "FileSearchWalk.h"

#include <QElapsedTimer>
#include <QList>
#include <QThread>

#include <atomic>

// Runs one search's directory walk on a worker thread. What it finds reaches
// the main thread in batches (at most one hand-over per 50 ms or 500 files),
// with the folder being searched at that moment, so a search over a large disk
// never floods the window with one event per file. The signals arrive in
// order; finished() of a stopped search comes after its last batch.
class TSearchThread : public QThread {
    Q_OBJECT
public:
    TSearchThread(QStringList folders, QList<SearchPattern> patterns, QObject* parent = nullptr);
    ~TSearchThread() override;

    // Asks the walk to stop; it ends after the entry it is looking at.
    void Stop() { stop_.store(true); }
    void SetFolderOpener(FileSearchWalk::FolderOpener opener) { walk_.SetFolderOpener(std::move(opener)); }

signals:
    void foundFiles(const QList<FoundFile>& files);
    void searchingFolder(const QString& folder);
    // The walk is over, finished or stopped; every batch has been sent.
    void searchDone();

protected:
    void run() override;

private:
    void found(const FoundFile& file);
    void folder(const QString& folder);
    void handOver(bool force);

    std::atomic_bool stop_{false};
    FileSearchWalk walk_;
    QList<FoundFile> pending_;
    QString pendingFolder_;
    QElapsedTimer sinceHandOver_;
};
