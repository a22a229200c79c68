#include "IniText.h"

IniText::IniText(const QByteArray& text) {
    const QString all = QString::fromUtf8(text);
    QStringList raw = all.split('\n');
    if (!raw.isEmpty() && raw.last().isEmpty())
        raw.removeLast();
    for (QString line : raw) {
        if (line.endsWith('\r'))
            line.chop(1);
        lines_.append(parse(line));
    }
}

IniText::Line IniText::parse(const QString& text) {
    Line line;
    line.text = text;
    const QString t = text.trimmed();
    if (t.startsWith('[')) {
        const int close = t.indexOf(']');
        line.isSection = true;
        line.section = (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
    } else if (!t.isEmpty() && !t.startsWith(';')) {
        const int eq = t.indexOf('=');
        if (eq > 0) {
            line.isKey = true;
            line.key = t.left(eq).trimmed();
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

bool IniText::Find(const QString& section, const QString& key, QString& value) const {
    const int start = sectionStart(section);
    if (start < 0)
        return false;
    for (int i = start + 1, end = sectionEnd(start); i < end; ++i)
        if (lines_[i].isKey && lines_[i].key.compare(key, Qt::CaseInsensitive) == 0) {
            value = lines_[i].value;
            return true;
        }
    return false;
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
    Line line;
    line.isKey = true;
    line.key = key;
    line.value = value;
    line.text = key + '=' + value;

    int start = sectionStart(section);
    if (start < 0) {
        if (!lines_.isEmpty() && !lines_.last().text.trimmed().isEmpty())
            lines_.append(parse(QString()));
        Line header;
        header.isSection = true;
        header.section = section;
        header.text = '[' + section + ']';
        lines_.append(header);
        lines_.append(line);
        return;
    }
    const int end = sectionEnd(start);
    for (int i = start + 1; i < end; ++i)
        if (lines_[i].isKey && lines_[i].key.compare(key, Qt::CaseInsensitive) == 0) {
            line.key = lines_[i].key; // keep the name as the file spells it
            line.text = line.key + '=' + value;
            lines_[i] = line;
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
        out += line.text.toUtf8() + '\n';
    return out;
}
