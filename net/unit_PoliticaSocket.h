#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// A socket policy as a game host serves it on request: which movies, by the
// host they were loaded from, may open sockets to which of its ports.
//
//   <cross-domain-policy>
//     <allow-access-from domain="*.example.com" to-ports="843,5000-5010"/>
//   </cross-domain-policy>
//
// A domain is "*" (any host), "*.name" (name and every host under it) or
// a host written out; ports are "*" or a list of ports and ranges. Letter case
// is ignored in domains. A policy that declares `site-control` with
// permitted-cross-domain-policies="none" allows nothing.
class TPoliticaSocket {
public:
    // What a host may send at most, up to its closing zero byte.
    static constexpr qsizetype tamanhoMaximo = 20 * 1024;

    // Reads a policy; none when the text is not a well-formed
    // `cross-domain-policy` document (or is longer than the cap).
    static std::optional<TPoliticaSocket> ler(const QByteArray& texto);

    // Whether a movie loaded from `hostFilme` may connect to `porta`.
    bool permite(const QString& hostFilme, int porta) const;

private:
    struct TPortas {
        int de;
        int ate;
    };
    struct TRegra {
        QString dominio; // lower case
        QList<TPortas> portas;
    };

    static std::optional<QList<TPortas>> lerPortas(const QString& texto);
    static bool dominioAceita(const QString& dominio, const QString& host);

    QList<TRegra> regras_;
};
