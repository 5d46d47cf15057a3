#pragma once

#include <QString>
#include <curl/curl.h>

// libcurl, loaded at run time by the first transfer rather than with the
// program: the library and the twenty-odd it brings (TLS, Kerberos, LDAP,
// SSH...) are mapped, relocated and initialised on the worker that needs them
// first, never on the UI thread's way to its first frame. Loaded once, it
// stays for the rest of the run.
class TBibliotecaCurl {
public:
    // The loaded library with curl_global_init done, or nullptr when it
    // cannot be loaded (`erro()` then says why). The first call loads it;
    // calls from several threads at once wait for that one.
    static const TBibliotecaCurl* carregar();
    static QString erro();

    CURL* (*easy_init)() = nullptr;
    CURLcode (*easy_setopt)(CURL* curl, CURLoption opcao, ...) = nullptr;
    CURLcode (*easy_perform)(CURL* curl) = nullptr;
    CURLcode (*easy_getinfo)(CURL* curl, CURLINFO informacao, ...) = nullptr;
    void (*easy_cleanup)(CURL* curl) = nullptr;

private:
    TBibliotecaCurl() = default;
};
