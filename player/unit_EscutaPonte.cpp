#include "player/unit_EscutaPonte.h"

#include "player/unit_SocketContido.h"

#include <unistd.h>

void TEscutaPonte::incomingConnection(qintptr descritor) {
    auto* socket = new TSocketContido(this);
    if (socket->setSocketDescriptor(descritor))
        aoAceitar(socket);
    else {
        delete socket;
        ::close(static_cast<int>(descritor));
    }
}
