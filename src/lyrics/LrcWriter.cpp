#include "LrcWriter.h"

#include "LrcParser.h"
#include "LrcTimeTag.h"

#include <QHash>
#include <QSaveFile>

namespace {

bool IsHeaderKind(LrcLineKind kind) {
    return kind >= kLrcCoLine && kind <= kLrcSegmentedLine;
}

} // namespace

QString FormatLrcForSave(const QStringList& editorLines) {
    QStringList header;
    QStringList tail;
    struct Timed {
        QString prefix;
        QString text;
    };
    QList<Timed> timed;
    QHash<QString, qsizetype> byText; // case-folded text -> index in timed

    for (const QString& raw : editorLines) {
        const QStringView line = TrimLrcLine(raw);
        if (line.isEmpty())
            continue;
        const LrcLineKind kind = ClassifyLrcLine(line);
        if (kind == kLrcOtherLine) {
            tail.append(line.toString());
        } else if (IsHeaderKind(kind)) {
            header.append(raw);
        } else {
            const QString trimmed = line.toString();
            const QString text = StripTimeTags(trimmed);
            const QString prefix = trimmed.left(trimmed.size() - text.size());
            const QString key = text.toCaseFolded();
            const auto found = byText.constFind(key);
            if (found != byText.cend()) {
                timed[*found].prefix += prefix;
            } else {
                byText.insert(key, timed.size());
                timed.append({prefix, text});
            }
        }
    }

    QString out;
    const auto put = [&out](const QString& line) {
        out += line;
        out += QLatin1String("\r\n");
    };
    for (const QString& line : header)
        put(line);
    for (const Timed& t : timed)
        put(t.prefix + t.text);
    for (const QString& line : tail)
        put(line);
    return out;
}

bool SaveLrcFile(const QString& fileName, const QStringList& editorLines) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(FormatLrcForSave(editorLines).toUtf8());
    return file.commit();
}

QStringList SortLrcLinesByTime(const QStringList& editorLines, TLrcRec& work) {
    QStringList header;
    QStringList tail;
    work.Clear();
    for (const QString& raw : editorLines) {
        const QStringView line = TrimLrcLine(raw);
        if (line.isEmpty())
            continue;
        const LrcLineKind kind = ClassifyLrcLine(line);
        if (kind == kLrcTimedLine)
            AddTimedLine(line, work);
        else if (IsHeaderKind(kind))
            header.append(raw);
        else
            tail.append(raw);
    }
    SortLrcRec(work);

    QStringList out = header;
    out.reserve(header.size() + work.Count + tail.size());
    for (qsizetype i = 0; i < work.Count; ++i)
        out.append(u'[' + FormatLrcTime(work.Times[i]) + u']' + work.Lines[i]);
    out += tail;
    return out;
}
