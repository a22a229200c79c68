#include "LinkRules.h"

namespace {

bool startsWithBase(const QString& address, const QString& base) {
    return !base.isEmpty() && address.startsWith(base, Qt::CaseInsensitive);
}

} // namespace

LinkDecision ClassifyLink(const QString& target, const QString& origin, const LinkContext& context) {
    const qsizetype colon = target.indexOf(QLatin1Char(':'));
    if (colon >= 0 && target.left(colon).compare(QLatin1String("kvscript"), Qt::CaseInsensitive) == 0) {
        const QString command = target.mid(colon + 1).trimmed();
        const bool trustedPage =
            startsWithBase(origin, context.builtinBase) || startsWithBase(origin, context.siteBase);
        if (!trustedPage || !command.startsWith(QLatin1Char('#')))
            return {LinkDecision::Ignore, QString()};
        return {LinkDecision::Command, command};
    }

    const qsizetype question = target.indexOf(QLatin1Char('?'));
    if (question >= 0 && !context.downloadHost.isEmpty()) {
        const QString page = QStringLiteral("lrc://") + context.downloadHost + QStringLiteral("/downlrc.php");
        if (target.left(question).compare(page, Qt::CaseInsensitive) == 0)
            return {LinkDecision::Downlrc, target.mid(question + 1)};
    }

    const qsizetype slashes = target.indexOf(QLatin1String("//"));
    if (slashes >= 0 && target.left(slashes).compare(QLatin1String("lrc:"), Qt::CaseInsensitive) == 0)
        return {LinkDecision::Download, target.mid(slashes + 2)};

    return {LinkDecision::Proceed, QString()};
}

LrcLink ParseLrcLink(const QString& rest) {
    LrcLink link;
    const qsizetype firstEq = rest.indexOf(QLatin1Char('='));
    if (firstEq < 0)
        return link;
    const qsizetype amp = rest.indexOf(QLatin1Char('&'), firstEq + 1);
    if (amp < 0) {
        link.url = rest.mid(firstEq + 1);
        return link;
    }
    link.url = rest.mid(firstEq + 1, amp - firstEq - 1);
    const qsizetype nextEq = rest.indexOf(QLatin1Char('='), amp + 1);
    if (nextEq < 0)
        return link;
    QString name = rest.mid(nextEq + 1);
    const qsizetype slash = name.indexOf(QLatin1Char('/'));
    if (slash >= 0)
        name.truncate(slash);
    link.fileName = QUrl::fromPercentEncoding(name.toUtf8());
    return link;
}

QString SafeLyricsFileName(const QString& name) {
    QString plain = name;
    // Only the last part of anything that looks like a path, with either separator.
    for (QChar separator : {QLatin1Char('/'), QLatin1Char('\\')}) {
        const qsizetype at = plain.lastIndexOf(separator);
        if (at >= 0)
            plain = plain.mid(at + 1);
    }
    QString clean;
    for (QChar c : plain) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7f || (u >= 0x80 && u < 0xa0) || c.category() == QChar::Other_Format)
            continue;
        clean.append(c);
    }
    clean = clean.trimmed();
    if (clean.endsWith(QLatin1String(".lrc"), Qt::CaseInsensitive))
        clean.chop(4);
    while (clean.startsWith(QLatin1Char('.')))
        clean.remove(0, 1);
    clean = clean.trimmed();
    constexpr qsizetype kMaxStem = 116;
    if (clean.size() > kMaxStem) {
        clean.truncate(kMaxStem);
        if (clean.back().isHighSurrogate())
            clean.chop(1);
    }
    if (clean.isEmpty())
        return QString();
    return clean + QStringLiteral(".lrc");
}

bool DownloadableUrl(const QUrl& url, const QString& builtinScheme) {
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           (!builtinScheme.isEmpty() && scheme == builtinScheme);
}
