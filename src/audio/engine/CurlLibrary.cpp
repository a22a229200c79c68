#include "CurlLibrary.h"

#include <dlfcn.h>

namespace {

template <typename Function>
bool resolve(void* library, const char* name, Function* function) {
    *function = reinterpret_cast<Function>(dlsym(library, name));
    return *function != nullptr;
}

const CurlLibrary* load() {
    // Never closed: its threads and handles may outlive any one stream.
    void* library = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return nullptr;
    static CurlLibrary curl;
    decltype(&curl_global_init) global_init = nullptr;
    const bool all = resolve(library, "curl_global_init", &global_init) &&
                     resolve(library, "curl_easy_init", &curl.easy_init) &&
                     resolve(library, "curl_easy_setopt", &curl.easy_setopt) &&
                     resolve(library, "curl_easy_pause", &curl.easy_pause) &&
                     resolve(library, "curl_easy_cleanup", &curl.easy_cleanup) &&
                     resolve(library, "curl_multi_init", &curl.multi_init) &&
                     resolve(library, "curl_multi_add_handle", &curl.multi_add_handle) &&
                     resolve(library, "curl_multi_perform", &curl.multi_perform) &&
                     resolve(library, "curl_multi_poll", &curl.multi_poll) &&
                     resolve(library, "curl_multi_info_read", &curl.multi_info_read) &&
                     resolve(library, "curl_multi_remove_handle", &curl.multi_remove_handle) &&
                     resolve(library, "curl_multi_cleanup", &curl.multi_cleanup) &&
                     resolve(library, "curl_slist_append", &curl.slist_append) &&
                     resolve(library, "curl_slist_free_all", &curl.slist_free_all);
    if (!all || global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK)
        return nullptr;
    return &curl;
}

} // namespace

const CurlLibrary* Curl() {
    static const CurlLibrary* const library = load();
    return library;
}
