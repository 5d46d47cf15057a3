#include "player/unit_SocketContido.h"

void TSocketContido::soltar() {
    if (!std::exchange(contido_, false))
        return;
    if (QTcpSocket::bytesAvailable() > 0)
        Q_EMIT readyRead();
    retomarLeitura();
}

// Setting the read buffer's size turns reading from the system back on when
// the buffer has room; Qt skips a size equal to the current one.
void TSocketContido::retomarLeitura() {
    if (contido_)
        return;
    const qint64 tamanho = readBufferSize();
    setReadBufferSize(tamanho + 1);
    setReadBufferSize(tamanho);
}
