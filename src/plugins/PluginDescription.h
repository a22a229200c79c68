#pragma once

// The description trailer at the end of a plug-in file, read by the plug-in host
// and written by tools/plugin-describe. Plain C++ (no Qt) so that the tool and
// the fuzzer share the one reader with the host.
//
// Layout, counted back from the end of the file:
//     ... | ID 38 | priority text 7 | flags 4 | Name 32 | L 4 | FileTypes L | filler | N 4 | "kelvando"
// N is the length of the block from the ID up to where the N field begins.
// Text fields are zero-padded; a text ends at its first zero byte or at the end
// of its field. The 4-byte numbers hold one base-100 digit per byte, each plus 1,
// least significant first: 101 is stored as the bytes 2, 2, 1, 1.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr int kDescriptionIdSize = 38;
inline constexpr int kDescriptionPrioritySize = 7;
inline constexpr int kDescriptionNumberSize = 4;
inline constexpr int kDescriptionNameSize = 32;
inline constexpr int kDescriptionFixedSize =
    kDescriptionIdSize + kDescriptionPrioritySize + 2 * kDescriptionNumberSize + kDescriptionNameSize;
inline constexpr std::string_view kDescriptionMagic = "kelvando";
// N field plus magic.
inline constexpr int kDescriptionTailSize = kDescriptionNumberSize + 8;
// Largest value a 4-byte number field can hold.
inline constexpr int kDescriptionNumberMax = 99999999;

// Plug-in flag bits.
enum PluginFlag : std::uint8_t { PluginFlagOne = 1, PluginFlagTwo = 2, PluginFlagLoadAtStart = 4 };

struct PluginDescription {
    std::string id;        // GUID in braces as stored
    int priority = 0;      // 0 when the priority text is not a number
    int flagsNumber = 0;   // as stored: 100 = load at start, 10, 1
    std::string name;      // bytes as stored (8-bit text)
    std::string fileTypes; // as stored, "*.ogg;*.mp3;"
};

// Flag bits of a stored flags number: hundreds digit 1 -> 4, tens 1 -> 2, units 1 -> 1.
std::uint8_t FlagsFromNumber(int flagsNumber);
// Flags number that stands for flag bits (inverse of FlagsFromNumber).
int NumberFromFlags(std::uint8_t flags);

// The 4 bytes of a number field; value must lie in 0 .. kDescriptionNumberMax.
std::string EncodeDescriptionNumber(int value);
// Value of a number field; 0 when a byte does not hold a digit (0 or above 100).
int DecodeDescriptionNumber(const unsigned char* bytes);

// Random access to the bytes of a plug-in file.
class DescriptionSource {
public:
    virtual ~DescriptionSource() = default;
    virtual std::int64_t size() const = 0;
    // Reads up to len bytes at offset; returns how many were read.
    virtual std::size_t readAt(std::int64_t offset, char* buffer, std::size_t len) const = 0;
};

// Reads the description. Empty when the file is shorter than the tail, the magic
// is missing, or the block would begin before the start of the file. Fields that
// run past the end of the file read as far as the file goes.
std::optional<PluginDescription> ReadPluginDescription(const DescriptionSource& source);
std::optional<PluginDescription> ReadPluginDescriptionBytes(std::string_view bytes);
// Empty also when the file cannot be opened.
std::optional<PluginDescription> ReadPluginDescriptionFile(const std::string& path);

// Length of the whole trailer (N + 12) at the end of the source, or 0 when there
// is none that fits inside the file.
std::int64_t DescriptionTrailerLength(const DescriptionSource& source);
// Same for a file; -1 when it cannot be opened.
std::int64_t DescriptionTrailerLengthFile(const std::string& path);

// Builds the trailer bytes for a description. Returns false with a reason when a
// field does not fit its slot (ID over 38 bytes, Name over 32, priority outside
// -999999 .. 9999999, flags number or types length outside the number range).
bool BuildDescriptionTrailer(const PluginDescription& description, std::string& trailer, std::string& error);
