#pragma once

#include <QByteArray>
#include <QString>

// What a client says to a SOCKS5 proxy, read from the bytes received so far:
// its greeting (the methods it offers), then its request (a command, a host
// and a port). Only a CONNECT without authentication is taken.
class TMensagemSocks {
public:
    enum class TEstado {
        incompleta,          // more bytes are needed
        invalida,            // not SOCKS5, or a host no client would send
        semMetodoAceito,     // a greeting that offers no "no authentication"
        comandoNaoSuportado, // a request for other than CONNECT
        tipoNaoSuportado,    // a request with an unknown kind of address
        aceita,
    };

    // The most bytes either message may take.
    static constexpr qsizetype tamanhoMaximo = 262;

    static TMensagemSocks saudacao(const QByteArray& recebido);
    static TMensagemSocks pedido(const QByteArray& recebido);

    TEstado estado() const { return estado_; }
    // The bytes the message took, once it is whole.
    qsizetype tamanho() const { return tamanho_; }
    // A name, in lower case, or an address's text.
    QString host() const { return host_; }
    quint16 porta() const { return porta_; }

private:
    explicit TMensagemSocks(TEstado estado, qsizetype tamanho = 0) : estado_(estado), tamanho_(tamanho) {}

    TEstado estado_;
    qsizetype tamanho_;
    QString host_;
    quint16 porta_ = 0;
};
