#pragma once

#include <QList>
#include <QString>
#include <optional>

// A game server a movie opens a socket to: the host exactly as the movie
// names it (a name, an IPv4 address or an IPv6 address) and a port.
struct TServidorSocket {
    // Longer host texts are no host name (DNS names are at most 253).
    static constexpr qsizetype tamanhoMaximoHost = 253;

    QString host;
    int porta = 0;

    // From "host:port" ("[2001:db8::1]:port" for IPv6); none when the host is
    // empty, too long or holds blanks, control characters, slashes or
    // brackets, or the port is not 1 to 65535.
    static std::optional<TServidorSocket> ler(QStringView texto);
    static std::optional<TServidorSocket> de(const QString& host, int porta);
    // Every readable "host:port" of a list separated by commas or blanks,
    // without repeats, at most `maximo` of them.
    static QList<TServidorSocket> lerLista(QStringView texto, qsizetype maximo);

    QString texto() const;
    bool operator==(const TServidorSocket&) const = default;
};
