#pragma once

#include "player/unit_ConexaoProxy.h"
#include "player/unit_EscutaPonte.h"
#include "player/unit_LimitesPonte.h"

#include <QObject>

// The proxy every connection of the player's browser goes through, but those
// to this machine's loopback addresses (which the request filter judges by
// their text): a SOCKS5 server on 127.0.0.1 that resolves the names itself,
// so that a name leading into the user's own machine or networks is refused
// on the address actually connected to, whatever the name. A movie's own host
// is reached wherever it is. Lives on the bridge's thread.
class TProxyPaginas : public QObject {
    Q_OBJECT
public:
    TProxyPaginas(const TLimitesPonte& limites, TConexaoProxy::THostDeFilme hostDeFilme,
                  QObject* pai = nullptr);

    // Listens on 127.0.0.1 at a free port: the port, or 0 when it cannot.
    quint16 escutar();

private:
    void aceitar(TSocketContido* socket);

    TEscutaPonte escuta_{this};
    TLimitesPonte limites_;
    TConexaoProxy::THostDeFilme hostDeFilme_;
    int abertas_ = 0;
};
