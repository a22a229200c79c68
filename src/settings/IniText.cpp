#include "IniText.h"

#include "FileName.h"
#include "TextCodec.h"

IniText::IniText(const QByteArray& text) {
    QList<QByteArray> raw = text.split('\n');
    if (!raw.isEmpty() && raw.last().isEmpty())
        raw.removeLast();
    for (QByteArray& line : raw) {
        if (line.endsWith('\r'))
            line.chop(1);
        // Decoded by DecodeText, which skips a byte order mark (on the first line).
        lines_.append(parse(line));
    }
}

IniText::Line IniText::parse(const QByteArray& raw) {
    Line line;
    line.raw = raw;
    line.text = DecodeText(raw);
    const QString t = line.text.trimmed();
    if (t.startsWith('[')) {
        const int close = t.indexOf(']');
        line.isSection = true;
        line.section = (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
    } else if (!t.isEmpty() && !t.startsWith(';')) {
        const int eq = t.indexOf('=');
        if (eq > 0) {
            line.isKey = true;
            line.key = t.left(eq).trimmed();
            // A key that is not UTF-8 may be a file name as the disk holds it
            // (the play counts' keys): then it is that name, so another file
            // whose name reads the same as text keeps its own line.
            const QByteArray keyBytes = rawKey(line);
            if (!IsValidUtf8(keyBytes))
                line.key = DecodeStoredPath(keyBytes);
            line.value = t.mid(eq + 1).trimmed();
        }
    }
    return line;
}

int IniText::sectionStart(const QString& section) const {
    for (int i = 0; i < lines_.size(); ++i)
        if (lines_[i].isSection && lines_[i].section.compare(section, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int IniText::sectionEnd(int start) const {
    int i = start + 1;
    while (i < lines_.size() && !lines_[i].isSection)
        ++i;
    return i;
}

QByteArray IniText::rawKey(const Line& line) {
    return line.raw.left(line.raw.indexOf('=')).trimmed();
}

QByteArray IniText::rawValue(const Line& line) {
    return line.raw.mid(line.raw.indexOf('=') + 1).trimmed();
}

bool IniText::keyMatches(const Line& line, const QString& key) {
    return line.isKey && line.key.compare(key, Qt::CaseInsensitive) == 0;
}

int IniText::keyLine(const QString& section, const QString& key) const {
    const int start = sectionStart(section);
    if (start < 0)
        return -1;
    for (int i = start + 1, end = sectionEnd(start); i < end; ++i)
        if (keyMatches(lines_[i], key))
            return i;
    return -1;
}

bool IniText::Find(const QString& section, const QString& key, QString& value) const {
    const int i = keyLine(section, key);
    if (i < 0)
        return false;
    value = lines_[i].value;
    return true;
}

bool IniText::FindRaw(const QString& section, const QString& key, QByteArray& value) const {
    const int i = keyLine(section, key);
    if (i < 0)
        return false;
    value = rawValue(lines_[i]);
    return true;
}

QStringList IniText::Keys(const QString& section) const {
    QStringList keys;
    const int start = sectionStart(section);
    if (start < 0)
        return keys;
    for (int i = start + 1, end = sectionEnd(start); i < end; ++i)
        if (lines_[i].isKey)
            keys << lines_[i].key;
    return keys;
}

void IniText::Set(const QString& section, const QString& key, const QString& value) {
    const QByteArray valueBytes = EncodeFileName(value);
    const Line line = parse(EncodeFileName(key) + '=' + valueBytes);

    int start = sectionStart(section);
    if (start < 0) {
        if (!lines_.isEmpty() && !lines_.last().text.trimmed().isEmpty())
            lines_.append(parse(QByteArray()));
        lines_.append(parse('[' + section.toUtf8() + ']'));
        lines_.append(line);
        return;
    }
    const int end = sectionEnd(start);
    for (int i = start + 1; i < end; ++i)
        if (keyMatches(lines_[i], key)) {
            if (lines_[i].value == value || rawValue(lines_[i]) == valueBytes)
                return; // the bytes stay as they are
            // The key keeps its spelling and its bytes as the file has them.
            lines_[i] = parse(rawKey(lines_[i]) + '=' + valueBytes);
            return;
        }
    // After the section's last non-blank line.
    int at = end;
    while (at > start + 1 && lines_[at - 1].text.trimmed().isEmpty())
        --at;
    lines_.insert(at, line);
}

bool IniText::EraseSection(const QString& section) {
    bool erased = false;
    for (int start = sectionStart(section); start >= 0; start = sectionStart(section)) {
        lines_.erase(lines_.begin() + start, lines_.begin() + sectionEnd(start));
        erased = true;
    }
    return erased;
}

QByteArray IniText::ToBytes() const {
    QByteArray out;
    for (const Line& line : lines_)
        out += line.raw + '\n';
    return out;
}
