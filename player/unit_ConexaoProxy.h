#pragma once

#include "player/unit_LimitesPonte.h"
#include "player/unit_SocketContido.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTimer>
#include <functional>

// One connection of the player's browser through the pages' proxy (SOCKS5,
// CONNECT only, no authentication): the browser names a host and port, the
// name is resolved here, and the connection goes to the first address outside
// the user's own machine and networks or, when the name is a movie's own host,
// to its first address wherever it is. Then the bytes go both ways, each
// direction holding at most `pendenteMaximo` before its sender is held back.
// Lives on the bridge's thread; destroys itself once both sides are closed.
class TConexaoProxy : public QObject {
    Q_OBJECT
public:
    // Whether `host`, as the browser named it, is the host a registered
    // page's movie came from.
    using THostDeFilme = std::function<bool(const QString& host)>;

    // Takes `cliente`.
    TConexaoProxy(TSocketContido* cliente, const TLimitesPonte& limites, THostDeFilme hostDeFilme,
                  QObject* pai);
    ~TConexaoProxy() override;

    void fechar();

Q_SIGNALS:
    void encerrada();

private:
    enum class TEtapa { saudacao, pedido, resolvendo, conectando, ligada, recusada };

    void lerCliente();
    bool lerSaudacao();
    void lerPedido();
    void resolvido(const QList<QHostAddress>& enderecos);
    void conectado();
    void falhou(char codigo);
    void passar(TSocketContido& de, TSocketContido& para);
    void ladoFechou();
    void encerrar();

    TSocketContido* cliente_;
    TSocketContido servidor_{this};
    TLimitesPonte limites_;
    THostDeFilme hostDeFilme_;
    TEtapa etapa_ = TEtapa::saudacao;
    QString host_;
    quint16 porta_ = 0;
    QTimer prazo_{this};
    bool encerrada_ = false;
};
