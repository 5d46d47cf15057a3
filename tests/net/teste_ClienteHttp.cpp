#include "core/unit_Constantes.h"
#include "net/unit_ClienteHttp.h"
#include "tests/support/unit_ServidorLocal.h"

#include <QFile>
#include <QSet>
#include <gtest/gtest.h>
#include <thread>

using namespace std::chrono_literals;
using TRegra = TClienteHttp::TRegraSucesso;

namespace {

// Answers /cadeia/<n> with a redirect to /cadeia/<n-1>, and /cadeia/0 with a page.
void rotaCadeia(TServidorLocal& servidor) {
    servidor.rota("/cadeia/*", [](const TPedidoLocal& pedido) {
        const int restantes = pedido.caminho.sliced(8).toInt();
        if (restantes == 0)
            return TRespostaLocal{200, "fim"};
        return TRespostaLocal::redirecionar("/cadeia/" + QByteArray::number(restantes - 1));
    });
}

bool curlCarregada() {
    QFile mapas(QStringLiteral("/proc/self/maps"));
    return mapas.open(QIODevice::ReadOnly) && mapas.readAll().contains("/libcurl");
}

} // namespace

// Making a client (the loaders are made on the UI thread) loads nothing:
// libcurl comes with the first GET, on the thread that makes it.
TEST(ClienteHttp, LibcurlChegaComOPrimeiroGet) {
    if (curlCarregada())
        GTEST_SKIP() << "an earlier GET of this process loaded it";
    TServidorLocal servidor;
    servidor.rota("/ok", TRespostaLocal{200, "corpo"});
    TClienteHttp http({}, TRegra::apenas200s);
    EXPECT_FALSE(curlCarregada());
    QByteArray corpo;
    bool sucesso = false;
    std::thread([&] { sucesso = http.Get(servidor.url("/ok"), corpo); }).join();
    EXPECT_TRUE(sucesso);
    EXPECT_EQ(corpo, "corpo");
    EXPECT_TRUE(curlCarregada());
}

TEST(ClienteHttp, EnviaApenasOUserAgentDoPrograma) {
    TServidorLocal servidor;
    servidor.rota("/ok", TRespostaLocal{200, "corpo"});
    TClienteHttp http({}, TRegra::apenas200s);
    QByteArray corpo;
    ASSERT_TRUE(http.Get(servidor.url("/ok"), corpo));
    EXPECT_EQ(corpo, "corpo");
    const TPedidoLocal pedido = servidor.pedidos().value(0);
    EXPECT_EQ(pedido.cabecalho("User-Agent"), Constantes::userAgent.toUtf8());
    for (const auto& [nome, valor] : pedido.cabecalhos)
        EXPECT_TRUE(QSet<QByteArray>({"host", "user-agent", "accept"}).contains(nome.toLower()))
            << nome.data();
}

TEST(ClienteHttp, CabecalhosDeCadaRespostaAntesDoRedirecionamento) {
    TServidorLocal servidor;
    TRespostaLocal redirecionamento = TRespostaLocal::redirecionar("b", 301);
    redirecionamento.tipo = "TEXT/Plain ; charset=latin1";
    servidor.rota("/a", redirecionamento);
    servidor.rota("/b", TRespostaLocal{200, "fim"});
    TClienteHttp http({}, TRegra::apenas200s);
    QStringList eventos;
    http.onHeadersAvailable = [&](const TCabecalhosHttp& c) {
        eventos << QStringLiteral("h %1 %2 [%3] %4")
                       .arg(c.status)
                       .arg(c.contentLength)
                       .arg(c.location, c.tipoMidia);
        return true;
    };
    http.onRedirect = [&](const QString& location) { eventos << QStringLiteral("r ") + location; };
    QByteArray corpo;
    ASSERT_TRUE(http.Get(servidor.url("/a"), corpo));
    EXPECT_EQ(corpo, "fim");
    EXPECT_EQ(eventos, QStringList({"h 301 0 [b] TEXT/Plain", "r b", "h 200 3 [] text/html"}));
}

TEST(ClienteHttp, QuatorzeRedirecionamentosSeguidosODecimoQuintoNao) {
    TServidorLocal servidor;
    rotaCadeia(servidor);
    for (const TRegra regra : {TRegra::apenas200s, TRegra::tambemRedirecionamentoFinal}) {
        TClienteHttp http({}, regra);
        int anunciados = 0;
        http.onRedirect = [&](const QString&) { ++anunciados; };
        QByteArray corpo;
        EXPECT_TRUE(http.Get(servidor.url("/cadeia/14"), corpo));
        EXPECT_EQ(corpo, "fim");
        anunciados = 0;
        EXPECT_EQ(http.Get(servidor.url("/cadeia/15"), corpo), regra == TRegra::tambemRedirecionamentoFinal);
        EXPECT_TRUE(corpo.isEmpty());
        EXPECT_EQ(anunciados, 15);
    }
    EXPECT_EQ(servidor.contar("/cadeia/0"), 2); // only the chains of 14 reached the page
}

TEST(ClienteHttp, RedirecionamentoFinalNaoSeguido) {
    TServidorLocal servidor;
    const struct {
        int status;
        bool sucessoVerificador;
    } casos[] = {{301, true}, {302, true}, {304, true}, {307, false}};
    for (const auto& caso : casos) {
        const QByteArray caminho = "/s" + QByteArray::number(caso.status);
        servidor.rota(caminho, TRespostaLocal{caso.status, caso.status == 304 ? "" : "corpo"});
        for (const TRegra regra : {TRegra::apenas200s, TRegra::tambemRedirecionamentoFinal}) {
            TClienteHttp http({}, regra);
            QByteArray corpo;
            const bool sucesso = http.Get(servidor.url(caminho), corpo);
            EXPECT_EQ(sucesso, regra != TRegra::apenas200s && caso.sucessoVerificador) << caso.status;
            EXPECT_TRUE(corpo.isEmpty()) << caso.status;
        }
    }
}

// A declared length over the cap fails at the headers, after their event. A
// redirect's body is read past, within the same cap.
TEST(ClienteHttp, LimiteDoCorpoDeclaradoOuNao) {
    TServidorLocal servidor;
    servidor.rota("/partes-exato", TRespostaLocal{.corpo = QByteArray(1000, 'a'), .emPartes = true});
    servidor.rota("/partes-excede", TRespostaLocal{.corpo = QByteArray(1001, 'a'), .emPartes = true});
    servidor.rota("/declarado-exato", TRespostaLocal{.corpo = QByteArray(1000, 'a')});
    servidor.rota("/declarado-excede", TRespostaLocal{.corpo = QByteArray(1001, 'a')});
    TRespostaLocal redirecionamento = TRespostaLocal::redirecionar("/declarado-exato");
    redirecionamento.corpo = QByteArray(1000, 'r');
    servidor.rota("/redirecionamento-com-corpo", redirecionamento);
    redirecionamento.corpo += 'r';
    servidor.rota("/redirecionamento-grande", redirecionamento);
    TClienteHttp http({.corpoMaximo = 1000}, TRegra::apenas200s);
    QList<qint64> tamanhosVistos;
    http.onHeadersAvailable = [&](const TCabecalhosHttp& c) {
        tamanhosVistos << c.contentLength;
        return true;
    };
    const struct {
        QByteArray caminho;
        bool sucesso;
    } casos[] = {{"/partes-exato", true},
                 {"/partes-excede", false},
                 {"/declarado-exato", true},
                 {"/declarado-excede", false},
                 {"/redirecionamento-com-corpo", true},
                 {"/redirecionamento-grande", false}};
    for (const auto& caso : casos) {
        QByteArray corpo;
        EXPECT_EQ(http.Get(servidor.url(caso.caminho), corpo), caso.sucesso) << caso.caminho.data();
        EXPECT_EQ(corpo.size(), caso.sucesso ? 1000 : 0) << caso.caminho.data();
    }
    EXPECT_EQ(tamanhosVistos, QList<qint64>({-1, -1, 1000, 1001, 1000, 1000, 1001}));
}

// A port browsers refuse is never connected to, even at an address let
// through; the same server is reached without the rule.
TEST(ClienteHttp, PortaInseguraNaoEContactada) {
    TServidorLocal inseguro(TServidorLocal::portasInseguras());
    if (inseguro.porta() == 0)
        GTEST_SKIP() << "every unsafe port tried is taken on this machine";
    inseguro.rota("/pagina", TRespostaLocal{200, "corpo"});
    QByteArray corpo;
    TClienteHttp comRegra({.apenasEnderecosPublicos = true,
                           .apenasPortasSeguras = true,
                           .destinosPermitidos = {inseguro.destino()}},
                          TRegra::apenas200s);
    EXPECT_FALSE(comRegra.Get(inseguro.url("/pagina"), corpo));
    EXPECT_EQ(inseguro.conexoesAceitas(), 0);

    TClienteHttp semRegra({.apenasEnderecosPublicos = true, .destinosPermitidos = {inseguro.destino()}},
                          TRegra::apenas200s);
    EXPECT_TRUE(semRegra.Get(inseguro.url("/pagina"), corpo));
    EXPECT_EQ(corpo, "corpo");
}
