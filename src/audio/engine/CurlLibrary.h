#pragma once

#include <curl/curl.h>

// libcurl, loaded when the first stream opens rather than with the engine:
// it brings TLS, SSH, LDAP and more libraries with it, megabytes of memory
// that a player of local files never uses.
struct CurlLibrary {
    decltype(&curl_easy_init) easy_init;
    decltype(&curl_easy_setopt) easy_setopt;
    decltype(&curl_easy_pause) easy_pause;
    decltype(&curl_easy_cleanup) easy_cleanup;
    decltype(&curl_multi_init) multi_init;
    decltype(&curl_multi_add_handle) multi_add_handle;
    decltype(&curl_multi_perform) multi_perform;
    decltype(&curl_multi_poll) multi_poll;
    decltype(&curl_multi_info_read) multi_info_read;
    decltype(&curl_multi_remove_handle) multi_remove_handle;
    decltype(&curl_multi_cleanup) multi_cleanup;
    decltype(&curl_slist_append) slist_append;
    decltype(&curl_slist_free_all) slist_free_all;
};

// The library, loaded and initialised once for the life of the process (a
// stream's thread may still be ending while the next one starts); null when
// it cannot be loaded, and every stream then fails.
const CurlLibrary* Curl();
