#pragma once

#include <QHash>
#include <QStringList>
#include <chrono>

// Bounds of the sockets one page opens through the bridge. A page keeps the
// bounds it was registered with.
struct TLimitesPonte {
    // Sockets open at once, connecting ones included.
    int socketsPorPagina = 16;
    // Bytes waiting in either direction of a socket; past it the sending
    // side is held back until the receiving side has taken half of them.
    qint64 pendenteMaximo = 4 * 1024 * 1024;
    // The largest message a page may send at once (a movie's flush); a
    // larger one closes the socket.
    qint64 mensagemMaxima = 1024 * 1024;
    // From the page's socket to the game server's accepting it, the host's
    // consent included.
    std::chrono::milliseconds conexao{20'000};
    // For each request of a host's socket policy.
    std::chrono::milliseconds esperaPolitica{3'000};
    // Where a host serves the socket policy for all its ports.
    int portaPolitica = 843;
    // Addresses and ports reached all the same although they are not public
    // ("127.0.0.1:8001", "[::1]:8001"): test peers on this machine. Nothing a
    // user or a movie can set reaches it.
    QStringList destinosPermitidos{};
    // Names the pages' proxy takes as resolved to the given address
    // ("jogo.example" → "127.0.0.1") instead of asking the system: test
    // hosts. Nothing a user or a movie can set reaches it either.
    QHash<QString, QString> nomesResolvidos{};
};
