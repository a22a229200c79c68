// A plug-in for the host tests. Every message it receives is appended as one
// line to the file named by SORVI_TEST_PLUGIN_LOG:  <own file name> <text>
// with the \1 separators written as '|'. Compile definitions pick variants:
//   TEST_PLUGIN_NO_ENTRY    no PlusMessage export at all
//   TEST_PLUGIN_THROWS      PlusMessage throws on code 2
//   TEST_PLUGIN_CALLS_HOST  on code 2 sends messages to the player's PlusProc
// Otherwise PlusMessage answers 100 + the code.
#include "PluginContract.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <stdexcept>
#include <string>

namespace {

std::string ownFileName() {
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&ownFileName), &info) || !info.dli_fname)
        return "?";
    const char* slash = std::strrchr(info.dli_fname, '/');
    return slash ? slash + 1 : info.dli_fname;
}

void logMessage(const char* text) {
    const char* path = std::getenv("SORVI_TEST_PLUGIN_LOG");
    if (!path)
        return;
    std::string line = ownFileName() + ' ' + text;
    for (char& c : line)
        if (c == '\1')
            c = '|';
    line += '\n';
    if (std::FILE* f = std::fopen(path, "ab")) {
        std::fwrite(line.data(), 1, line.size(), f);
        std::fclose(f);
    }
}

int codeOf(const char* text) {
    const char* first = std::strchr(text, '\1');
    return first ? std::atoi(first + 1) : -1;
}

} // namespace

#ifndef TEST_PLUGIN_NO_ENTRY
extern "C" __attribute__((visibility("default"))) int PlusMessage(const char* text) {
    logMessage(text);
    const int code = codeOf(text);
#ifdef TEST_PLUGIN_THROWS
    if (code == 2)
        throw std::runtime_error("this plug-in refuses to play");
#endif
#ifdef TEST_PLUGIN_CALLS_HOST
    if (code == 2) {
        auto proc = reinterpret_cast<PlusMessageFunc>(dlsym(RTLD_DEFAULT, "PlusProc"));
        if (!proc)
            return -2;
        proc("7\1%totaltime\001240");
        proc("7\1%status\0011");
        return proc("7\1#Play\001/x.mp3") + 1000;
    }
#endif
    return 100 + code;
}
#else
extern "C" __attribute__((visibility("default"))) int SomethingElse() {
    return 1;
}
#endif
