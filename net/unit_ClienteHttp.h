#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <chrono>
#include <curl/curl.h>
#include <functional>

class TBibliotecaCurl;

// Bounds of one GET. When one strikes, the GET fails quietly.
struct TLimitesHttp {
    std::chrono::milliseconds conexao{10'000};
    // The whole GET with its redirects; the time spent in the redirect event is not counted.
    std::chrono::milliseconds total{60'000};
    // A body may be at most this long: a longer declared length fails the GET
    // at its headers (after the headers event), before any of the body is
    // read; a body of undeclared length fails it when it grows past the cap.
    qint64 corpoMaximo = 10 * 1024 * 1024;
    // Redirects followed in one GET; the one past them is not followed, its response is the final one.
    int redirecionamentosMaximos = 14;
    // Connections only to public addresses, never into this machine or its
    // networks, whether a link names such an address, a name resolves to it or
    // a redirect leads there. The address actually connected to is checked; a
    // refused one fails the GET like one that does not answer.
    bool apenasEnderecosPublicos = false;
    // Connections only to ports a browser would connect to: never to one of
    // the well-known ports of other protocols (PortasInseguras), whether the
    // link names it or a redirect leads there. A refused port fails the GET
    // like a host that does not answer.
    bool apenasPortasSeguras = false;
    // Addresses and ports let through the address rule all the same
    // ("127.0.0.1:8080", "[::1]:8080"): test servers on this machine.
    QStringList destinosPermitidos{};
};

// What a response's headers say, as soon as they have been read.
struct TCabecalhosHttp {
    int status = 0;
    qint64 contentLength = -1; // -1 when the response does not declare it
    QString location;          // empty when absent
    QString tipoMidia;         // Content-Type without its parameters
};

// An HTTP/1.1 client for one worker: GETs over http and https with the
// program's User-Agent and no other header of its own. Making one costs
// nothing; its first GET loads libcurl (TBibliotecaCurl) if no GET has yet.
// It follows redirects itself (as many as its limits allow) and keeps the
// cookies of its responses for its own later requests only.
class TClienteHttp {
public:
    // What counts as success besides a final status in the 200s.
    enum class TRegraSucesso {
        apenas200s,
        // Also a final 301, 302 or 304, and a redirect past the limit (not followed); with an empty body.
        tambemRedirecionamentoFinal
    };

    TClienteHttp(const TLimitesHttp& limites, TRegraSucesso regra);
    ~TClienteHttp();
    TClienteHttp(const TClienteHttp&) = delete;
    TClienteHttp& operator=(const TClienteHttp&) = delete;

    // For every response, redirects included, before anything else is done
    // with it. Returning false stops the transfer: the GET ends at once,
    // without reading the body, and does not fail.
    std::function<bool(const TCabecalhosHttp& cabecalhos)> onHeadersAvailable;
    // For every redirect response (a status in the 300s other than 304, with
    // a Location), after its headers event and before it is followed, with
    // the Location exactly as given. An exception raised here fails the GET.
    std::function<void(const QString& location)> onRedirect;

    // GETs `url` into `corpo`. On failure `corpo` is left empty.
    bool Get(const QString& url, QByteArray& corpo);

private:
    enum class TDesfecho { concluido, parado, falhou };
    TDesfecho transferir(const QByteArray& endereco, QByteArray& corpo);
    bool sucessoFinal(QByteArray& corpo) const;
    bool ehRedirecionamento() const;
    QByteArray destinoRedirecionamento() const;

    static curl_socket_t abrirSocket(void* cliente, curlsocktype proposito, curl_sockaddr* endereco);
    bool podeConectar(const curl_sockaddr& endereco) const;
    static size_t aoCabecalho(char* dados, size_t tamanho, size_t quantidade, void* cliente);
    static size_t aoCorpo(char* dados, size_t tamanho, size_t quantidade, void* cliente);
    bool lerCabecalho(const QByteArray& linha);
    size_t lerCorpo(const char* dados, size_t tamanho);
    bool entregarCabecalhos();

    bool prepararHandle();

    const TBibliotecaCurl* curl_ = nullptr;
    CURL* handle_ = nullptr;
    TLimitesHttp limites_;
    TRegraSucesso regra_;
    std::chrono::milliseconds tempoGasto_{0};

    // The response being received.
    TCabecalhosHttp cabecalhos_;
    bool cabecalhosEntregues_ = false;
    bool parado_ = false;
    qint64 tamanhoLido_ = 0; // of the response's body, a redirect's included
    QByteArray* corpo_ = nullptr;
};
