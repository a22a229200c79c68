// Feeds arbitrary file tails to the description reader: it must never read
// outside the bytes it is given, whatever the lengths in them claim.
#include "PluginDescription.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const std::optional<PluginDescription> d = ReadPluginDescriptionBytes(bytes)) {
        (void)FlagsFromNumber(d->flagsNumber);
    }
    return 0;
}
