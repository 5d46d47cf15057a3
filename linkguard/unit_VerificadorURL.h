#pragma once

#include "net/unit_ClienteHttp.h"
#include "net/unit_Trabalhador.h"

#include <QString>
#include <functional>
#include <memory>

// Where a verifier's reports go, on the UI thread: the address reached, the
// start address, and the page title (empty for a redirect, or when the page
// was not read).
using TVerificadorURL_Entrega =
    std::function<void(const QString& urlFinal, const QString& url, const QString& titulo)>;

// Follows a copied address on a worker thread the way a browser would,
// reporting every redirect target before it is fetched and at last the final
// address with the title of its page. It judges nothing itself.
class TVerificadorURL final : public TTrabalhador {
public:
    static constexpr qint64 tamanhoMaximo = 1'000'000;

    // Bounds of a verifier's GET, read when it is created: a page must answer
    // in time, a body of undeclared length is refused beyond the size rule,
    // the 15th redirect is where the address is judged without following it,
    // and the link, typed by someone else, never leads into the user's machine
    // or network, nor to a port a browser would not connect to.
    static inline TLimitesHttp limites{.conexao = std::chrono::seconds(10),
                                       .total = std::chrono::seconds(30),
                                       .corpoMaximo = tamanhoMaximo,
                                       .redirecionamentosMaximos = 14,
                                       .apenasEnderecosPublicos = true,
                                       .apenasPortasSeguras = true};

    // `_URL` gets "http://" in front unless it already begins with it or with
    // "https://" (in any letter case). `entrega` runs only while `vida` lives.
    TVerificadorURL(const QString& _URL, QObject* vida, TVerificadorURL_Entrega entrega);
    ~TVerificadorURL() override;

    // The title of a page: the text between the first "<title>" and the first
    // "</title>", found by position alone, without blanks and control
    // characters at its ends; empty when they do not enclose any.
    static QString extrairTitulo(const QString& pagina);

protected:
    void Execute() override;

private:
    void onRedirect(const QString& destino);
    bool onHeadersAvailable(const TCabecalhosHttp& cabecalhos) const;
    void entregarTitulo(const QString& titulo);

    QString url;
    std::unique_ptr<TClienteHttp> http;
    QString urlFinal;
    TVerificadorURL_Entrega entrega_;
};
