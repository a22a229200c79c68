// plugin-describe FILE --id {GUID} --priority N --flags NNN --name NAME --types "*.ogg;*.mp3;"
// plugin-describe --show FILE
//
// Writes the description trailer that the player reads from the end of a
// plug-in file. A trailer already at the end of the file is replaced, so
// running the tool again on the same file leaves one description.
#include "PluginDescription.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: plugin-describe FILE --id {GUID} --priority N --flags NNN --name NAME --types "
                 "\"*.ext;...\"\n       plugin-describe --show FILE\n");
    return 2;
}

bool parseInt(const char* text, int& value) {
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (!*text || *end || v < -2147483647L || v > 2147483647L)
        return false;
    value = static_cast<int>(v);
    return true;
}

int show(const char* path) {
    const std::optional<PluginDescription> d = ReadPluginDescriptionFile(path);
    if (!d) {
        std::fprintf(stderr, "plugin-describe: %s has no description\n", path);
        return 1;
    }
    std::printf("ID: %s\nName: %s\nPriority: %d\nFlags: %03d\nFileTypes: %s\n", d->id.c_str(),
                d->name.c_str(), d->priority, d->flagsNumber, d->fileTypes.c_str());
    return 0;
}

// Types are written lower-cased, each "*." + extension + ";".
bool validTypes(const std::string& types) {
    if (types.empty() || types.back() != ';')
        return false;
    std::size_t start = 0;
    while (start < types.size()) {
        const std::size_t end = types.find(';', start);
        const std::string pattern = types.substr(start, end - start);
        if (pattern.size() < 3 || pattern.compare(0, 2, "*.") != 0)
            return false;
        start = end + 1;
    }
    return true;
}

int describe(const char* path, const PluginDescription& d) {
    std::string trailer, error;
    if (!BuildDescriptionTrailer(d, trailer, error)) {
        std::fprintf(stderr, "plugin-describe: %s\n", error.c_str());
        return 1;
    }
    const std::int64_t existing = DescriptionTrailerLengthFile(path);
    if (existing < 0) {
        std::fprintf(stderr, "plugin-describe: cannot open %s\n", path);
        return 1;
    }
    std::FILE* file = std::fopen(path, "r+b");
    if (!file) {
        std::fprintf(stderr, "plugin-describe: cannot write %s\n", path);
        return 1;
    }
    bool ok = std::fseek(file, 0, SEEK_END) == 0;
    const off_t size = ok ? ftello(file) : 0;
    const off_t keep = size - static_cast<off_t>(existing);
    ok = ok && std::fflush(file) == 0 && ftruncate(fileno(file), keep) == 0 &&
         fseeko(file, keep, SEEK_SET) == 0 &&
         std::fwrite(trailer.data(), 1, trailer.size(), file) == trailer.size();
    ok = (std::fclose(file) == 0) && ok;
    if (!ok) {
        std::fprintf(stderr, "plugin-describe: writing %s failed\n", path);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--show") == 0)
        return show(argv[2]);
    if (argc < 2 || argv[1][0] == '-')
        return usage();
    const char* path = argv[1];
    PluginDescription d;
    bool haveId = false, haveTypes = false;
    for (int i = 2; i < argc; i += 2) {
        if (i + 1 >= argc)
            return usage();
        const std::string option = argv[i];
        const char* value = argv[i + 1];
        if (option == "--id") {
            d.id = value;
            haveId = true;
        } else if (option == "--priority") {
            if (!parseInt(value, d.priority)) {
                std::fprintf(stderr, "plugin-describe: priority is not a number: %s\n", value);
                return 1;
            }
        } else if (option == "--flags") {
            if (!parseInt(value, d.flagsNumber) || d.flagsNumber < 0) {
                std::fprintf(stderr, "plugin-describe: flags are not a number: %s\n", value);
                return 1;
            }
        } else if (option == "--name") {
            d.name = value;
        } else if (option == "--types") {
            d.fileTypes = value;
            for (char& c : d.fileTypes)
                if (c >= 'A' && c <= 'Z')
                    c = static_cast<char>(c - 'A' + 'a');
            haveTypes = true;
        } else {
            return usage();
        }
    }
    if (!haveId || !haveTypes)
        return usage();
    if (!validTypes(d.fileTypes)) {
        std::fprintf(stderr, "plugin-describe: types must read \"*.ext;*.ext;\": %s\n", d.fileTypes.c_str());
        return 1;
    }
    return describe(path, d);
}
