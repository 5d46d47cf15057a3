#include "net/unit_MensagemSocks.h"

#include <gtest/gtest.h>

using TEstado = TMensagemSocks::TEstado;

namespace {

QByteArray bytes(std::initializer_list<int> valores) {
    QByteArray lista;
    for (const int valor : valores)
        lista.append(static_cast<char>(valor));
    return lista;
}

} // namespace

// Every message is read only once it is whole, to its declared length and
// no further; what follows it is the next message's.
TEST(MensagemSocks, AMessageIsTakenWholeAndNoFurther) {
    const QByteArray saudacao = bytes({5, 2, 2, 0});
    for (qsizetype parte = 0; parte < saudacao.size(); ++parte)
        EXPECT_EQ(TMensagemSocks::saudacao(saudacao.left(parte)).estado(), TEstado::incompleta) << parte;
    const TMensagemSocks lida = TMensagemSocks::saudacao(saudacao + "GET");
    EXPECT_EQ(lida.estado(), TEstado::aceita);
    EXPECT_EQ(lida.tamanho(), 4);
    EXPECT_EQ(TMensagemSocks::saudacao(bytes({5, 1, 2})).estado(), TEstado::semMetodoAceito);
    EXPECT_EQ(TMensagemSocks::saudacao("GET / HTTP/1.1").estado(), TEstado::invalida);

    const QByteArray pedido = bytes({5, 1, 0, 3, 12}) + "Jogo.Example" + bytes({0x1f, 0x40});
    for (qsizetype parte = 0; parte < pedido.size(); ++parte)
        EXPECT_EQ(TMensagemSocks::pedido(pedido.left(parte)).estado(), TEstado::incompleta) << parte;
    const TMensagemSocks conectar = TMensagemSocks::pedido(pedido + "dados");
    EXPECT_EQ(conectar.estado(), TEstado::aceita);
    EXPECT_EQ(conectar.tamanho(), pedido.size());
    EXPECT_EQ(conectar.host(), "jogo.example");
    EXPECT_EQ(conectar.porta(), 8000);
}

TEST(MensagemSocks, AddressesAreWrittenAsTextAndOddRequestsRefused) {
    const TMensagemSocks v4 = TMensagemSocks::pedido(bytes({5, 1, 0, 1, 203, 0, 113, 7, 0, 80}));
    EXPECT_EQ(v4.host(), "203.0.113.7");
    const TMensagemSocks mapeado = TMensagemSocks::pedido(
        bytes({5, 1, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xff, 0xff, 127, 0, 0, 1, 0, 80}));
    EXPECT_EQ(mapeado.host(), "127.0.0.1");
    EXPECT_EQ(
        TMensagemSocks::pedido(bytes({5, 1, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 80}))
            .host(),
        "::1");

    EXPECT_EQ(TMensagemSocks::pedido(bytes({5, 2, 0, 1, 1, 2, 3, 4, 0, 80})).estado(),
              TEstado::comandoNaoSuportado);
    EXPECT_EQ(TMensagemSocks::pedido(bytes({5, 1, 0, 9, 0, 0})).estado(), TEstado::tipoNaoSuportado);
    EXPECT_EQ(TMensagemSocks::pedido(bytes({4, 1, 0, 1, 1, 2, 3, 4, 0, 80})).estado(), TEstado::invalida);
    // A name with a zero byte, a space or a slash is no host name.
    for (const QByteArray& nome :
         {QByteArray("jogo\0.example", 13), QByteArray("a b"), QByteArray("a/b"), QByteArray()})
        EXPECT_EQ(
            TMensagemSocks::pedido(bytes({5, 1, 0, 3, static_cast<int>(nome.size())}) + nome + bytes({0, 80}))
                .estado(),
            TEstado::invalida);
}
