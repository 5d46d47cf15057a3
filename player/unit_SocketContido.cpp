#include "player/unit_SocketContido.h"

void TSocketContido::soltar() {
    if (!std::exchange(contido_, false))
        return;
    if (QTcpSocket::bytesAvailable() > 0)
        Q_EMIT readyRead();
}
