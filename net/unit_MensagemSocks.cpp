#include "net/unit_MensagemSocks.h"

#include "net/unit_EnderecoIp.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <netinet/in.h>

namespace {

constexpr char versao = 5;
constexpr char semAutenticacao = 0;
constexpr char conectar = 1;
enum TTipoEndereco : char { ipv4 = 1, nome = 3, ipv6 = 4 };

// The letters of a host name, or of an address written as one.
bool nomeLegivel(const QByteArray& nomeHost) {
    return !nomeHost.isEmpty() && std::all_of(nomeHost.cbegin(), nomeHost.cend(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
               c == '.' || c == '_' || c == ':';
    });
}

// The text of an address of 4 or 16 bytes, in network order.
QString textoEndereco(const QByteArray& bytes) {
    sockaddr_in v4{};
    sockaddr_in6 v6{};
    v4.sin_family = AF_INET;
    v6.sin6_family = AF_INET6;
    const bool ehIpv4 = bytes.size() == 4;
    std::memcpy(ehIpv4 ? static_cast<void*>(&v4.sin_addr) : static_cast<void*>(&v6.sin6_addr),
                bytes.constData(), static_cast<size_t>(bytes.size()));
    const std::optional<TEnderecoIp> endereco =
        ehIpv4 ? TEnderecoIp::deSocket(reinterpret_cast<const sockaddr*>(&v4), sizeof v4)
               : TEnderecoIp::deSocket(reinterpret_cast<const sockaddr*>(&v6), sizeof v6);
    return endereco ? endereco->texto() : QString();
}

} // namespace

TMensagemSocks TMensagemSocks::saudacao(const QByteArray& recebido) {
    if (recebido.size() < 2)
        return TMensagemSocks(TEstado::incompleta);
    if (recebido.at(0) != versao)
        return TMensagemSocks(TEstado::invalida);
    const qsizetype tamanho = 2 + static_cast<uchar>(recebido.at(1));
    if (recebido.size() < tamanho)
        return TMensagemSocks(TEstado::incompleta);
    return TMensagemSocks(recebido.mid(2, tamanho - 2).contains(semAutenticacao) ? TEstado::aceita
                                                                                 : TEstado::semMetodoAceito,
                          tamanho);
}

TMensagemSocks TMensagemSocks::pedido(const QByteArray& recebido) {
    if (recebido.size() < 5)
        return TMensagemSocks(TEstado::incompleta);
    if (recebido.at(0) != versao || recebido.at(2) != 0)
        return TMensagemSocks(TEstado::invalida);
    if (recebido.at(1) != conectar)
        return TMensagemSocks(TEstado::comandoNaoSuportado);
    const char tipo = recebido.at(3);
    qsizetype tamanhoEndereco = 0;
    switch (tipo) {
    case ipv4:
        tamanhoEndereco = 4;
        break;
    case ipv6:
        tamanhoEndereco = 16;
        break;
    case nome:
        tamanhoEndereco = 1 + static_cast<uchar>(recebido.at(4));
        break;
    default:
        return TMensagemSocks(TEstado::tipoNaoSuportado);
    }
    const qsizetype tamanho = 4 + tamanhoEndereco + 2;
    if (recebido.size() < tamanho)
        return TMensagemSocks(TEstado::incompleta);

    const QByteArray endereco = recebido.mid(4, tamanhoEndereco);
    TMensagemSocks mensagem(TEstado::aceita, tamanho);
    mensagem.porta_ = qFromBigEndian<quint16>(recebido.constData() + 4 + tamanhoEndereco);
    if (tipo != nome)
        mensagem.host_ = textoEndereco(endereco);
    else if (nomeLegivel(endereco.mid(1)))
        mensagem.host_ = QString::fromLatin1(endereco.mid(1)).toLower();
    else
        return TMensagemSocks(TEstado::invalida);
    return mensagem;
}
