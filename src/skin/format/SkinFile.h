#pragma once

#include "SkinModel.h"

#include <memory>
#include <optional>
#include <QIODevice>
#include <vector>

class DeviceReader;

// A skin file larger than this is refused: a skin is a few windows' pictures.
inline constexpr qint64 kMaxSkinFileBytes = qint64(256) * 1024 * 1024;

// An open skin file (".eks"). The file stays open while a face built from it
// is shown: StateList entries of image kinds are file offsets whose pictures
// are read on demand with readStateImage.
//
// Layout: magic "[KELVANDO_SKIN]", int32 version 64, int32 offset of section 0,
// the InfoBlock; sections 0 to 2 (one window face each) chained by their end
// offsets; section 3, the FrontList, ends the file.
class SkinFile {
public:
    SkinFile();
    ~SkinFile();
    SkinFile(const SkinFile&) = delete;
    SkinFile& operator=(const SkinFile&) = delete;

    // Opens the file for reading and checks magic and version. Only a regular
    // file of at most kMaxSkinFileBytes is opened (a FIFO or device named like a
    // skin fails at once with CannotOpen).
    SkinLoadResult open(const QString& path);
    // Same over any random-access device (an in-memory buffer in tests and the
    // fuzzer); the device is opened read-only when it is not open yet.
    SkinLoadResult open(std::unique_ptr<QIODevice> device);
    bool isOpen() const { return reader_ != nullptr; }
    void close();
    qint64 size() const;

    // Position of section s (0 to 3) when it lies before the end of the file.
    std::optional<qint64> locateSection(int s);
    // Whether section s (0 to 2) has at least one ObjectRecord.
    bool sectionHasObjects(int s);

    // Reads one window's face (s = 0 to 2) with its FrontList order. Fails for
    // a missing section, an empty section 1 or 2, and any broken size or offset.
    SkinLoadResult readSection(int s, SkinSection* section);
    // The FrontList numbers; *end receives the position after the list.
    SkinLoadResult readFrontList(std::vector<qint32>* numbers, qint64* end = nullptr);
    // The InfoBlock (title, preview, author ...).
    SkinLoadResult readInfo(SkinInfo* info);

    // The picture of a StateList entry (a decimal file offset of a bitmap blob);
    // a null image for an empty entry or anything unreadable.
    QImage readStateImage(const QString& entry);
    QImage readStateImage(qint64 offset);

private:
    SkinLoadResult check();
    SkinLoadResult readWindowBody(SkinSection* section);

    std::unique_ptr<QIODevice> device_;
    std::unique_ptr<DeviceReader> reader_;
};

// The skin manager's header read: false for a file that cannot be opened or
// whose magic, version or InfoBlock is wrong (no message is shown).
bool ReadSkinInfo(const QString& path, SkinInfo* info);

// Opens the file and answers whether section s has objects (false when the
// file cannot be read); used before switching to small mode.
bool SectionHasObjects(const QString& path, int s);
