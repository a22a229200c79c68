#include "MimeAppsList.h"

#include <QList>

namespace {

struct Line {
    qsizetype begin = 0; // first byte
    qsizetype end = 0;   // past the line's "\n" (or the end of the text)
    QByteArray body;     // without "\r\n" / "\n"
};

QList<Line> SplitLines(const QByteArray& text) {
    QList<Line> lines;
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype nl = text.indexOf('\n', at);
        const qsizetype end = nl < 0 ? text.size() : nl + 1;
        QByteArray body = text.mid(at, (nl < 0 ? text.size() : nl) - at);
        if (body.endsWith('\r'))
            body.chop(1);
        lines.append({at, end, body});
        at = end;
    }
    return lines;
}

// The group a header line opens, or nothing when the line is no header.
std::optional<QString> GroupOf(const QByteArray& body) {
    const QByteArray t = body.trimmed();
    if (t.size() >= 2 && t.startsWith('[') && t.endsWith(']'))
        return QString::fromUtf8(t.mid(1, t.size() - 2));
    return std::nullopt;
}

bool IsEntry(const QByteArray& body, const QString& key, QString* value = nullptr) {
    const QByteArray t = body.trimmed();
    if (t.isEmpty() || t.startsWith('#'))
        return false;
    const qsizetype eq = t.indexOf('=');
    if (eq < 0 || QString::fromUtf8(t.left(eq).trimmed()) != key)
        return false;
    if (value)
        *value = QString::fromUtf8(t.mid(eq + 1).trimmed());
    return true;
}

} // namespace

namespace MimeAppsList {

std::optional<QString> Value(const QByteArray& text, const QString& group, const QString& key) {
    bool inGroup = false;
    for (const Line& line : SplitLines(text)) {
        if (auto g = GroupOf(line.body)) {
            inGroup = *g == group;
            continue;
        }
        QString value;
        if (inGroup && IsEntry(line.body, key, &value))
            return value;
    }
    return std::nullopt;
}

QByteArray WithValue(const QByteArray& text, const QString& group, const QString& key,
                     const std::optional<QString>& value) {
    const QList<Line> lines = SplitLines(text);
    const QByteArray entry = key.toUtf8() + '=' + (value ? value->toUtf8() : QByteArray()) + '\n';
    bool inGroup = false;
    qsizetype insertAt = -1; // past the last non-blank line of the group
    for (const Line& line : lines) {
        if (auto g = GroupOf(line.body)) {
            if (inGroup)
                break;
            inGroup = *g == group;
            if (inGroup)
                insertAt = line.end;
            continue;
        }
        if (!inGroup)
            continue;
        if (IsEntry(line.body, key)) {
            QByteArray out = text.left(line.begin);
            if (value)
                out += entry;
            return out + text.mid(line.end);
        }
        if (!line.body.trimmed().isEmpty())
            insertAt = line.end;
    }
    if (!value)
        return text;
    QByteArray out;
    if (insertAt < 0) {
        out = text;
        if (!out.isEmpty() && !out.endsWith('\n'))
            out += '\n';
        if (!out.isEmpty())
            out += '\n';
        return out + '[' + group.toUtf8() + "]\n" + entry;
    }
    out = text.left(insertAt);
    if (!out.endsWith('\n'))
        out += '\n';
    return out + entry + text.mid(insertAt);
}

} // namespace MimeAppsList
