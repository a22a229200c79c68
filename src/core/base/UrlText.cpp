#include "UrlText.h"

#include <QRegularExpression>

namespace {

QStringList& knownSchemes() {
    static QStringList schemes = {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("ftp"),
                                  QStringLiteral("file")};
    return schemes;
}

// The scheme of "scheme://...", lower-cased, or empty.
QString schemeOf(const QString& name) {
    static const QRegularExpression form(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*)://"));
    const QRegularExpressionMatch match = form.match(name.trimmed());
    return match.hasMatch() ? match.captured(1).toLower() : QString();
}

} // namespace

bool IsUrl(const QString& name) {
    const QString scheme = schemeOf(name);
    return !scheme.isEmpty() && knownSchemes().contains(scheme);
}

void AddUrlSchemes(const QStringList& schemes) {
    for (const QString& scheme : schemes) {
        const QString lower = scheme.trimmed().toLower();
        if (!lower.isEmpty() && !knownSchemes().contains(lower))
            knownSchemes() << lower;
    }
}

bool HasUrlForm(const QString& name) { return !schemeOf(name).isEmpty(); }
