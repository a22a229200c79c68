#include "UpdateCheck.h"

#include <QRegularExpression>

UpdateInfo ReadUpdateInfo(const QByteArray& bytes) {
    UpdateInfo info;
    bool inUpdate = false;
    for (const QByteArray& raw : bytes.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith('[') && line.endsWith(']')) {
            inUpdate = line.mid(1, line.size() - 2).trimmed().compare(QLatin1String("update"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (!inUpdate || eq < 0)
            continue;
        const QString key = line.left(eq).trimmed().toLower();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == QLatin1String("date"))
            info.date = ReadShortDate(value);
        else if (key == QLatin1String("page"))
            info.page = value;
    }
    return info;
}

QDate ReadShortDate(const QString& text) {
    static const QRegularExpression form(QStringLiteral(R"(^(\d{4})([-/.])(\d{1,2})\2(\d{1,2})$)"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch())
        return {};
    return QDate(m.captured(1).toInt(), m.captured(3).toInt(), m.captured(4).toInt());
}

QDate ReleaseDate() { return QDate(2002, 10, 8); }
