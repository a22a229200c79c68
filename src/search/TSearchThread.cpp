#include "TSearchThread.h"

namespace {
constexpr int kBatchFiles = 500;
constexpr int kBatchMs = 50;
} // namespace

TSearchThread::TSearchThread(QStringList folders, QList<SearchPattern> patterns, QObject* parent)
    : QThread(parent),
      walk_(std::move(folders), std::move(patterns), stop_,
            {[this](const QString& f) { folder(f); }, [this](const FoundFile& f) { found(f); }}) {}

TSearchThread::~TSearchThread() {
    Stop();
    wait();
}

void TSearchThread::run() {
    sinceHandOver_.start();
    walk_.Run();
    handOver(true);
    emit searchDone();
}

void TSearchThread::found(const FoundFile& file) {
    pending_.append(file);
    handOver(false);
}

void TSearchThread::folder(const QString& folder) {
    pendingFolder_ = folder;
    handOver(false);
}

void TSearchThread::handOver(bool force) {
    if (!force && pending_.size() < kBatchFiles && sinceHandOver_.elapsed() < kBatchMs)
        return;
    if (!pendingFolder_.isNull()) {
        emit searchingFolder(pendingFolder_);
        pendingFolder_ = QString();
    }
    if (!pending_.isEmpty()) {
        emit foundFiles(pending_);
        pending_.clear();
    }
    sinceHandOver_.restart();
}
