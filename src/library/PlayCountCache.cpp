#include "PlayCountCache.h"

#include "PlayCounts.h"
#include "TPlay.h"

int PlayCountCache::Count(const TPlay& play, const QString& fileName) {
    if (!valid_ || stamp_ != play.PlayCountStamp()) {
        counts_.clear();
        for (const auto& [key, count] : ReadAllPlayCounts(PlayCountFile()))
            if (const QString folded = key.toCaseFolded(); !counts_.contains(folded))
                counts_.insert(folded, static_cast<int>(count));
        stamp_ = play.PlayCountStamp();
        valid_ = true;
    }
    return counts_.value(fileName.toCaseFolded(), 0);
}
