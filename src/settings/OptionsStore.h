#pragma once

#include <QString>
#include <QStringList>

// Access layer of "Options.ini". Every operation opens the file, performs one
// read or write and closes it again: nothing is cached, so edits made by other
// programs are seen at the next read. Section and key names are compared
// ignoring letter case. A write that changes the text replaces the file
// atomically (a temporary file in the same folder renamed over it), so a crash
// never leaves half a file; a write that changes nothing leaves it alone.
//
// Values are kept as UTF-8 text. bool: "1"/"0", read as an integer, non-zero is
// true; integers in decimal; a missing or non-numeric value gives the default.
class OptionsStore {
public:
    explicit OptionsStore(QString fileName);

    const QString& fileName() const { return file_; }

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, qint64 value);
    void WriteBool(const QString& section, const QString& key, bool value);
    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    qint64 ReadInteger(const QString& section, const QString& key, qint64 defaultValue) const;
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;
    // A value that is a path: the bytes a write of that path stored name the
    // same file again, even when they are not UTF-8 (DecodeStoredPath).
    QString ReadPath(const QString& section, const QString& key, const QString& defaultValue) const;

    // Keys of a section in file order (the hot-key table lists its section).
    QStringList ReadSectionKeys(const QString& section) const;
    // Removes a whole section.
    void EraseSection(const QString& section);
    // Writes several keys of one section in one replacement of the file.
    void WriteStrings(const QString& section, const QList<QPair<QString, QString>>& values);
    // The section holds exactly these keys afterwards (none: the section goes).
    void ReplaceSection(const QString& section, const QList<QPair<QString, QString>>& values);

private:
    QString file_;
};

// Integer text as the store reads it: optional blanks and sign, decimal digits.
// Returns false for anything else (so "12abc" and "" are not numbers).
bool ParseDecimal(const QString& text, qint64& value);
