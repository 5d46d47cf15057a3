#include "core/unit_TratadorErros.h"
#include "remote/unit_URLLoader.h"
#include "tests/support/unit_ServidorLocal.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

class URLLoader : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_TRUE(QTest::qWaitFor([] { return TTrabalhador::ativos() == 0; }, 10'000));
    }

    void iniciar(const QString& url, TURLLoader_OnComplete tratador, TURLLoader_Preparo preparo = {}) {
        auto* carregador = new TURLLoader(url, limites, &vida);
        carregador->onComplete(std::move(tratador));
        if (preparo)
            carregador->onPreparar(std::move(preparo));
        carregador->Start();
    }

    // Downloads `url` and returns what the handler read from the current position of its stream.
    QByteArray baixar(const QString& url, TURLLoader_Preparo preparo = {}) {
        QList<QPair<QByteArray, QString>> entregas;
        iniciar(
            url,
            [&](QBuffer& data, const QString& urlEntregue) {
                entregas.append({data.readAll(), urlEntregue});
            },
            std::move(preparo));
        EXPECT_TRUE(QTest::qWaitFor([&] { return TTrabalhador::ativos() == 0; }, 10'000));
        EXPECT_EQ(entregas.size(), 1);
        EXPECT_EQ(entregas.value(0).second, url);
        return entregas.value(0).first;
    }

    TLimitesHttp limites;
    QObject vida;
    TServidorLocal servidor;
};

} // namespace

TEST_F(URLLoader, FalhasECorpoVazioDaoStreamVazio) {
    limites = {.total = 300ms, .corpoMaximo = 64 * 1024};
    servidor.rota("/nao-existe", TRespostaLocal{404, "pagina de erro"});
    servidor.rota("/vazio", TRespostaLocal{200, ""});
    servidor.rota("/ftp", TRespostaLocal::redirecionar("ftp://127.0.0.1/arquivo"));
    servidor.rota("/mudo", TRespostaLocal{.portao = 1});
    servidor.rota("/sem-fim", TRespostaLocal{.semFim = true});
    for (const QByteArray caminho : {"/nao-existe", "/vazio", "/ftp", "/mudo", "/sem-fim"})
        EXPECT_EQ(baixar(servidor.url(caminho)), QByteArray()) << caminho.data();
}

// The preparation runs on the worker, only for a body that arrived; an error
// in it gives the handler an empty stream.
TEST_F(URLLoader, PreparoNoTrabalhadorAntesDaEntrega) {
    servidor.rota("/doc", TRespostaLocal{200, "corpo"});
    servidor.rota("/nao-existe", TRespostaLocal{404, "pagina de erro"});
    QList<QPair<QByteArray, bool>> preparos; // the body, and whether on the UI thread
    const auto preparar = [&](const QByteArray& corpo) {
        preparos.append({corpo, QThread::currentThread() == qApp->thread()});
    };
    EXPECT_EQ(baixar(servidor.url("/doc"), preparar), "corpo");
    EXPECT_EQ(baixar(servidor.url("/nao-existe"), preparar), QByteArray());
    EXPECT_EQ(preparos, (QList<QPair<QByteArray, bool>>{{"corpo", false}}));
    EXPECT_EQ(baixar(servidor.url("/doc"),
                     [](const QByteArray&) { throw std::runtime_error("lista longa demais"); }),
              QByteArray());
}

TEST_F(URLLoader, RedirecionamentosGuardamOEnderecoOriginal) {
    servidor.rota("/cadeia/*", [](const TPedidoLocal& pedido) {
        const int restantes = pedido.caminho.sliced(8).toInt();
        return restantes == 0 ? TRespostaLocal{200, "documento"}
                              : TRespostaLocal::redirecionar(QByteArray::number(restantes - 1));
    });
    EXPECT_EQ(baixar(servidor.url("/cadeia/14")), "documento");
    EXPECT_EQ(baixar(servidor.url("/cadeia/15")), QByteArray());
}

TEST_F(URLLoader, CookiesSoDentroDeUmCarregador) {
    TRespostaLocal comCookie = TRespostaLocal::redirecionar("/destino");
    comCookie.cabecalhos.append(QPair<QByteArray, QByteArray>("Set-Cookie", "sessao=abc; Path=/"));
    servidor.rota("/entrada", comCookie);
    servidor.rota("/destino", TRespostaLocal{200, "ok"});
    baixar(servidor.url("/entrada"));
    baixar(servidor.url("/destino"));
    const QList<TPedidoLocal> pedidos = servidor.pedidos();
    ASSERT_EQ(pedidos.size(), 3);
    EXPECT_EQ(pedidos[1].cabecalho("Cookie"), "sessao=abc");
    EXPECT_EQ(pedidos[2].cabecalho("Cookie"), QByteArray());
}

// The first handler holds a modal loop open; the others arrive meanwhile and
// run inside it, in the order their downloads ended.
TEST_F(URLLoader, EntregasEmOrdemDeChegadaTambemDuranteUmaCaixaModal) {
    servidor.rota("/a", TRespostaLocal{200, "a"});
    servidor.rota("/b", TRespostaLocal{.corpo = "b", .portao = 1});
    servidor.rota("/c", TRespostaLocal{.corpo = "c", .portao = 2});
    QByteArrayList ordem;
    QEventLoop modal;
    iniciar(servidor.url("/a"), [&](QBuffer& data, const QString&) {
        ordem << data.readAll();
        servidor.abrirPortao(1);
        modal.exec();
        ordem << "fim a";
    });
    iniciar(servidor.url("/b"), [&](QBuffer& data, const QString&) {
        ordem << data.readAll();
        servidor.abrirPortao(2);
    });
    iniciar(servidor.url("/c"), [&](QBuffer& data, const QString&) {
        ordem << data.readAll();
        modal.quit();
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return ordem.size() == 4; }, 10'000));
    EXPECT_EQ(ordem, QByteArrayList({"a", "b", "c", "fim a"}));
}

TEST_F(URLLoader, ErroDoTratadorFicaNoCarregador) {
    int errosNaAplicacao = 0;
    TratadorErros::definir([&](const std::exception&) { ++errosNaAplicacao; });
    servidor.rota("/doc", TRespostaLocal{200, "x"});
    iniciar(servidor.url("/doc"),
            [](QBuffer&, const QString&) { throw std::runtime_error("falha no tratador"); });
    EXPECT_TRUE(QTest::qWaitFor([] { return TTrabalhador::ativos() == 0; }, 10'000));
    TratadorErros::definir({});
    EXPECT_EQ(errosNaAplicacao, 0);
}
