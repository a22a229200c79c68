#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The text of an initialisation file, edited in place: lines naming a section
// in square brackets, each followed by key=value lines. Section and key names
// compare ignoring letter case; blanks around names and values are trimmed;
// lines starting with ";" are comments. Keys may start with "#" (hot-key
// commands do), so "#" does not start a comment. Lines the edit does not touch
// are written back byte for byte, in their order. Each line is read with the
// player's text rule (UTF-8 when valid, else GB18030 when it decodes whole, else
// Latin-1), so no byte is lost; a value set to what it already holds keeps its
// bytes, and a changed value is written as UTF-8 after the key's own bytes.
// Keys and values that are file names (paths as values, the play counts' keys)
// are written with EncodeFileName, so a name that is not UTF-8 keeps its bytes;
// a key that is not UTF-8 is read with DecodeStoredPath, and FindRaw gives a
// value's bytes for it.
class IniText {
public:
    explicit IniText(const QByteArray& text = {});

    // The first value of the key in the first section of that name.
    bool Find(const QString& section, const QString& key, QString& value) const;
    QStringList Keys(const QString& section) const;
    // The value's bytes as the file holds them (trimmed).
    bool FindRaw(const QString& section, const QString& key, QByteArray& value) const;

    // Replaces the key's value, or adds the key at the end of its section (the
    // section is added at the end of the file when missing).
    void Set(const QString& section, const QString& key, const QString& value);
    // Removes every section of that name with its keys. Returns whether any was.
    bool EraseSection(const QString& section);

    QByteArray ToBytes() const;

private:
    struct Line {
        QByteArray raw;  // as read or written (without the line end)
        QString text;    // decoded
        QString section; // set for a section header
        QString key;     // set for a key line
        QString value;
        bool isSection = false;
        bool isKey = false;
    };
    static Line parse(const QByteArray& raw);
    static QByteArray rawKey(const Line& line);
    static QByteArray rawValue(const Line& line);
    static bool keyMatches(const Line& line, const QString& key);
    // Index of the key's line in the section, or -1.
    int keyLine(const QString& section, const QString& key) const;
    // Index of the first header of the section, or -1; end = first line after it.
    int sectionStart(const QString& section) const;
    int sectionEnd(int start) const;

    QList<Line> lines_;
};
