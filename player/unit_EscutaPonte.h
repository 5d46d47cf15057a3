#pragma once

#include <QTcpServer>
#include <functional>

class TSocketContido;

// The bridge's listening socket: hands each connection over as a socket
// whose reader the bridge can hold back.
class TEscutaPonte : public QTcpServer {
    Q_OBJECT
public:
    using QTcpServer::QTcpServer;

    std::function<void(TSocketContido* socket)> aoAceitar;

protected:
    void incomingConnection(qintptr descritor) override;
};
