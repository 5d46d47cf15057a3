#pragma once

#include <QTcpSocket>

// A TCP socket whose reader can be held back: while held, a reader sees
// nothing to read, the socket keeps at most its read buffer's worth, and the
// sender is slowed by TCP itself. The bridge holds the page's side of a
// socket while the game server's side cannot take more.
class TSocketContido : public QTcpSocket {
    Q_OBJECT
public:
    using QTcpSocket::QTcpSocket;

    void conter() { contido_ = true; }
    // Lets the reader go on with what arrived meanwhile.
    void soltar();
    // After its reader has taken what it could: a socket whose read buffer
    // was full reads from the system again (Qt does so only when a read asks
    // for more than the buffer holds, which a frame reader never does).
    void retomarLeitura();
    bool contido() const { return contido_; }

    qint64 bytesAvailable() const override { return contido_ ? 0 : QTcpSocket::bytesAvailable(); }

private:
    bool contido_ = false;
};
