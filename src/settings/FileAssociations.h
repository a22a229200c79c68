#pragma once

#include <QString>

// Which program opens a file type on the desktop. The options window's
// association list and the start-up association check work through this
// interface; the desktop back end changes the user's defaults and keeps the
// previous owner so that releasing an extension gives it back.
class FileAssociations {
public:
    virtual ~FileAssociations() = default;

    // True when files with this extension (with its dot, ".mp3") open with
    // this player.
    virtual bool IsAssociated(const QString& extension) const = 0;
    // Makes this player the program for the extension, or with `remove`
    // gives the extension back to its previous owner. Returns false when the
    // change could not be made.
    virtual bool Associate(const QString& extension, bool remove) = 0;
};

// Until a desktop back end is present: nothing is associated, nothing changes.
class NoFileAssociations final : public FileAssociations {
public:
    bool IsAssociated(const QString&) const override { return false; }
    bool Associate(const QString&, bool) override { return false; }
};
