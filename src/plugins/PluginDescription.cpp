#include "PluginDescription.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

class MemorySource : public DescriptionSource {
public:
    explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
    std::int64_t size() const override { return static_cast<std::int64_t>(bytes_.size()); }
    std::size_t readAt(std::int64_t offset, char* buffer, std::size_t len) const override {
        if (offset < 0 || offset >= size())
            return 0;
        const std::size_t n = std::min(len, bytes_.size() - static_cast<std::size_t>(offset));
        std::memcpy(buffer, bytes_.data() + offset, n);
        return n;
    }

private:
    std::string_view bytes_;
};

class FileSource : public DescriptionSource {
public:
    explicit FileSource(std::FILE* file) : file_(file) {
        if (std::fseek(file_, 0, SEEK_END) == 0)
            size_ = ftello(file_);
        if (size_ < 0)
            size_ = 0;
    }
    std::int64_t size() const override { return size_; }
    std::size_t readAt(std::int64_t offset, char* buffer, std::size_t len) const override {
        if (offset < 0 || offset >= size_ || fseeko(file_, offset, SEEK_SET) != 0)
            return 0;
        return std::fread(buffer, 1, len, file_);
    }

private:
    std::FILE* file_;
    std::int64_t size_ = 0;
};

// Reads the fields one after the other from a start offset, never outside the
// file: what lies past the end reads as zero bytes.
class FieldReader {
public:
    FieldReader(const DescriptionSource& source, std::int64_t offset) : source_(source), offset_(offset) {}

    // A zero-filled field of len bytes with what the file holds there.
    std::vector<unsigned char> field(std::int64_t len) {
        const std::int64_t available = std::max<std::int64_t>(0, source_.size() - offset_);
        const std::int64_t toRead = std::min(len, available);
        std::vector<unsigned char> buffer(static_cast<std::size_t>(std::max<std::int64_t>(toRead, 0)) + 1, 0);
        if (toRead > 0)
            source_.readAt(offset_, reinterpret_cast<char*>(buffer.data()), static_cast<std::size_t>(toRead));
        offset_ += len;
        return buffer;
    }

    // Text of a field: up to its first zero byte.
    std::string text(std::int64_t len) {
        const std::vector<unsigned char> bytes = field(len);
        return std::string(reinterpret_cast<const char*>(bytes.data()));
    }

    int number() {
        std::vector<unsigned char> bytes = field(kDescriptionNumberSize);
        bytes.resize(kDescriptionNumberSize, 0);
        return DecodeDescriptionNumber(bytes.data());
    }

private:
    const DescriptionSource& source_;
    std::int64_t offset_;
};

// Decimal text: optional blanks, optional sign, digits, optional trailing blanks.
bool parseDecimal(const std::string& text, int& value) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const std::size_t digitsStart = i;
    long long v = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        v = v * 10 + (text[i++] - '0');
        if (v > 0x7fffffffLL)
            return false;
    }
    if (i == digitsStart)
        return false;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    if (i != text.size())
        return false;
    value = static_cast<int>(negative ? -v : v);
    return true;
}

bool magicMatches(const char* bytes) {
    for (std::size_t i = 0; i < kDescriptionMagic.size(); ++i) {
        char c = bytes[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != kDescriptionMagic[i])
            return false;
    }
    return true;
}

// Start offset of the description block, or -1 when there is none.
std::int64_t blockStart(const DescriptionSource& source) {
    const std::int64_t size = source.size();
    if (size < kDescriptionTailSize)
        return -1;
    char tail[kDescriptionTailSize];
    if (source.readAt(size - kDescriptionTailSize, tail, sizeof tail) != sizeof tail)
        return -1;
    if (!magicMatches(tail + kDescriptionNumberSize))
        return -1;
    const std::int64_t n = DecodeDescriptionNumber(reinterpret_cast<const unsigned char*>(tail));
    const std::int64_t start = size - kDescriptionTailSize - n;
    return start >= 0 ? start : -1;
}

} // namespace

std::uint8_t FlagsFromNumber(int flagsNumber) {
    std::uint8_t flags = 0;
    if ((flagsNumber / 100) % 10 == 1)
        flags |= PluginFlagLoadAtStart;
    if ((flagsNumber / 10) % 10 == 1)
        flags |= PluginFlagTwo;
    if (flagsNumber % 10 == 1)
        flags |= PluginFlagOne;
    return flags;
}

int NumberFromFlags(std::uint8_t flags) {
    return ((flags & PluginFlagLoadAtStart) ? 100 : 0) + ((flags & PluginFlagTwo) ? 10 : 0) +
           ((flags & PluginFlagOne) ? 1 : 0);
}

std::string EncodeDescriptionNumber(int value) {
    value = std::clamp(value, 0, kDescriptionNumberMax);
    std::string bytes(kDescriptionNumberSize, '\0');
    for (int i = 0; i < kDescriptionNumberSize; ++i) {
        bytes[i] = static_cast<char>(value % 100 + 1);
        value /= 100;
    }
    return bytes;
}

int DecodeDescriptionNumber(const unsigned char* bytes) {
    // The stored number is read as the text of its digits, most significant
    // first. A byte outside 1..100 holds no digit and makes the whole field not a
    // number, which counts as 0 (and never as a negative or oversized length).
    int value = 0;
    for (int i = kDescriptionNumberSize - 1; i >= 0; --i) {
        if (bytes[i] < 1 || bytes[i] > 100)
            return 0;
        value = value * 100 + (bytes[i] - 1);
    }
    return value;
}

std::optional<PluginDescription> ReadPluginDescription(const DescriptionSource& source) {
    const std::int64_t start = blockStart(source);
    if (start < 0)
        return std::nullopt;
    FieldReader reader(source, start);
    PluginDescription d;
    d.id = reader.text(kDescriptionIdSize);
    if (!parseDecimal(reader.text(kDescriptionPrioritySize), d.priority))
        d.priority = 0;
    d.flagsNumber = reader.number();
    d.name = reader.text(kDescriptionNameSize);
    const int typesLength = reader.number();
    d.fileTypes = reader.text(typesLength);
    return d;
}

std::optional<PluginDescription> ReadPluginDescriptionBytes(std::string_view bytes) {
    return ReadPluginDescription(MemorySource(bytes));
}

std::optional<PluginDescription> ReadPluginDescriptionFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return std::nullopt;
    std::optional<PluginDescription> d = ReadPluginDescription(FileSource(file));
    std::fclose(file);
    return d;
}

std::int64_t DescriptionTrailerLength(const DescriptionSource& source) {
    const std::int64_t start = blockStart(source);
    return start < 0 ? 0 : source.size() - start;
}

std::int64_t DescriptionTrailerLengthFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return -1;
    const std::int64_t length = DescriptionTrailerLength(FileSource(file));
    std::fclose(file);
    return length;
}

bool BuildDescriptionTrailer(const PluginDescription& d, std::string& trailer, std::string& error) {
    if (d.id.size() > kDescriptionIdSize) {
        error = "the ID is longer than 38 bytes";
        return false;
    }
    if (d.name.size() > kDescriptionNameSize) {
        error = "the name is longer than 32 bytes";
        return false;
    }
    if (d.priority < -999999 || d.priority > 9999999) {
        error = "the priority does not fit in 7 characters";
        return false;
    }
    if (d.flagsNumber < 0 || d.flagsNumber > kDescriptionNumberMax) {
        error = "the flags number is out of range";
        return false;
    }
    if (d.fileTypes.size() > static_cast<std::size_t>(kDescriptionNumberMax) - kDescriptionFixedSize) {
        error = "the file types are too long";
        return false;
    }
    auto padded = [](const std::string& text, std::size_t size) {
        std::string field = text;
        field.resize(size, '\0');
        return field;
    };
    std::string block;
    block += padded(d.id, kDescriptionIdSize);
    block += padded(std::to_string(d.priority), kDescriptionPrioritySize);
    block += EncodeDescriptionNumber(d.flagsNumber);
    block += padded(d.name, kDescriptionNameSize);
    block += EncodeDescriptionNumber(static_cast<int>(d.fileTypes.size()));
    block += d.fileTypes;
    trailer =
        block + EncodeDescriptionNumber(static_cast<int>(block.size())) + std::string(kDescriptionMagic);
    return true;
}
