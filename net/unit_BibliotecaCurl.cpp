#include "net/unit_BibliotecaCurl.h"

#include <dlfcn.h>
#include <mutex>

namespace {

// The ABI libcurl has kept since 7.16; every build of it is named so.
constexpr const char* nomeBiblioteca = "libcurl.so.4";

QString erroCarga;

template <typename TFuncao> bool resolver(void* biblioteca, const char* nome, TFuncao& funcao) {
    funcao = reinterpret_cast<TFuncao>(dlsym(biblioteca, nome));
    if (!funcao)
        erroCarga = QString::fromLocal8Bit(dlerror());
    return funcao != nullptr;
}

} // namespace

const TBibliotecaCurl* TBibliotecaCurl::carregar() {
    static std::once_flag uma;
    static TBibliotecaCurl* carregada = nullptr;
    std::call_once(uma, [] {
        void* biblioteca = dlopen(nomeBiblioteca, RTLD_NOW | RTLD_LOCAL);
        if (!biblioteca) {
            erroCarga = QString::fromLocal8Bit(dlerror());
            return;
        }
        static TBibliotecaCurl curl;
        CURLcode (*global_init)(long flags) = nullptr;
        if (!resolver(biblioteca, "curl_global_init", global_init) ||
            !resolver(biblioteca, "curl_easy_init", curl.easy_init) ||
            !resolver(biblioteca, "curl_easy_setopt", curl.easy_setopt) ||
            !resolver(biblioteca, "curl_easy_perform", curl.easy_perform) ||
            !resolver(biblioteca, "curl_easy_getinfo", curl.easy_getinfo) ||
            !resolver(biblioteca, "curl_easy_cleanup", curl.easy_cleanup))
            return;
        if (global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
            erroCarga = QStringLiteral("curl_global_init failed");
            return;
        }
        carregada = &curl;
    });
    return carregada;
}

QString TBibliotecaCurl::erro() {
    carregar();
    return erroCarga;
}
