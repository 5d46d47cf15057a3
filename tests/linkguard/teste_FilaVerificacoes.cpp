// The bounded link checks, with real verifiers against the local server.
#include "linkguard/unit_FilaVerificacoes.h"
#include "linkguard/unit_VerificadorURL.h"
#include "tests/support/unit_ServidorLocal.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

bool esperar(const std::function<bool()>& condicao) {
    return QTest::qWaitFor(condicao, 20'000);
}

// Every answer under /l/ is held until gate 1 opens.
class FilaVerificacoes : public ::testing::Test {
protected:
    FilaVerificacoes() {
        TVerificadorURL::limites.destinosPermitidos = {servidor.destino()};
        servidor.rota("/l/*", TRespostaLocal{200, "<title>Lido</title>", "text/html", {}, false, false, 1});
        fila = std::make_unique<TFilaVerificacoes>([this](const QString& url) { return criar(url); });
    }
    ~FilaVerificacoes() override {
        fila.reset();
        vida.reset();
        servidor.abrirPortao(1);
        EXPECT_TRUE(esperar([] { return TTrabalhador::ativos() == 0; }));
        TVerificadorURL::limites = limitesDoPrograma;
    }

    TTrabalhador* criar(const QString& url) {
        iniciados << url;
        maisAtivos = std::max(maisAtivos, TTrabalhador::ativos() + 1);
        return new TVerificadorURL(url, vida.get(),
                                   [this](const QString& urlFinal, const QString&, const QString& titulo) {
                                       entregas << urlFinal + " " + titulo;
                                   });
    }
    QString link(int i) const { return servidor.url("/l/" + QByteArray::number(i)); }
    bool recebidos(int n) const {
        return esperar([&] { return servidor.pedidos().size() == n; });
    }

    const TLimitesHttp limitesDoPrograma = TVerificadorURL::limites;
    TServidorLocal servidor;
    std::unique_ptr<QObject> vida = std::make_unique<QObject>();
    std::unique_ptr<TFilaVerificacoes> fila;
    QStringList iniciados;
    QStringList entregas;
    int maisAtivos = 0;
};

} // namespace

// No verifier is created before another has gone, so the count of workers
// at each creation bounds the threads at every moment.
TEST_F(FilaVerificacoes, DuzentosLinksDeUmaVezSemPassarDoLimite) {
    QStringList links;
    for (int i = 0; i < 200; ++i)
        links << link(i);
    for (const QString& url : links)
        fila->pedir(url);
    ASSERT_TRUE(recebidos(TFilaVerificacoes::maximoEmCurso));
    EXPECT_EQ(fila->emCurso(), TFilaVerificacoes::maximoEmCurso);
    EXPECT_EQ(fila->emEspera(), 200 - TFilaVerificacoes::maximoEmCurso);
    EXPECT_EQ(TTrabalhador::ativos(), TFilaVerificacoes::maximoEmCurso);

    servidor.abrirPortao(1);
    ASSERT_TRUE(esperar([&] { return entregas.size() == 200 && fila->emCurso() == 0; }));
    EXPECT_EQ(iniciados, links);
    EXPECT_LE(maisAtivos, TFilaVerificacoes::maximoEmCurso);
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(servidor.contar("/l/" + QByteArray::number(i)), 1) << i;
    EXPECT_TRUE(entregas.contains(link(199) + " Lido"));
}

// Running or waiting, an address is taken once, whatever its letter case;
// once its check has ended it can be asked for again.
TEST_F(FilaVerificacoes, MesmoLinkCopiadoDezVezesUmaVerificacao) {
    const QString emCurso = link(0);
    for (int i = 0; i < 10; ++i)
        fila->pedir(i % 2 ? emCurso.toUpper() : emCurso);
    for (int i = 1; i < TFilaVerificacoes::maximoEmCurso; ++i)
        fila->pedir(link(i));
    const QString esperando = servidor.url("/l/esperando");
    for (int i = 0; i < 10; ++i)
        fila->pedir(i % 2 ? esperando.toUpper() : esperando);
    ASSERT_TRUE(recebidos(TFilaVerificacoes::maximoEmCurso));
    EXPECT_EQ(fila->emEspera(), 1);

    servidor.abrirPortao(1);
    ASSERT_TRUE(esperar([&] { return fila->emCurso() == 0; }));
    EXPECT_EQ(servidor.contar("/l/0"), 1);
    EXPECT_EQ(servidor.contar("/l/esperando"), 1);
    fila->pedir(emCurso);
    ASSERT_TRUE(esperar([&] { return fila->emCurso() == 0; }));
    EXPECT_EQ(servidor.contar("/l/0"), 2);
}

// The oldest waiting checks make room, by count and by size.
TEST_F(FilaVerificacoes, EsperaLimitadaDescartaAsMaisAntigas) {
    const int maximo = TFilaVerificacoes::maximoEmCurso;
    const int alem = 10;
    for (int i = 0; i < maximo + TFilaVerificacoes::maximoEmEspera + alem; ++i)
        fila->pedir(link(i));
    EXPECT_EQ(fila->emEspera(), TFilaVerificacoes::maximoEmEspera);
    // Pushed out, so asked for anew.
    fila->pedir(link(maximo));
    EXPECT_EQ(fila->emEspera(), TFilaVerificacoes::maximoEmEspera);

    const QString longo = servidor.url("/l/longo?") + QString(TFilaVerificacoes::caracteresEmEspera / 3, 'x');
    for (int i = 0; i < 3; ++i)
        fila->pedir(longo + QString::number(i));
    EXPECT_EQ(fila->emEspera(), 2);

    servidor.abrirPortao(1);
    ASSERT_TRUE(esperar([&] { return fila->emCurso() == 0; }));
    EXPECT_EQ(iniciados.mid(0, maximo + 1), QStringList({link(0), link(1), link(2), link(3), link(4), link(5),
                                                         link(6), link(7), longo + "1"}));
    EXPECT_EQ(iniciados.size(), maximo + 2);
}

// The program closes with every slot taken and the queue full: nothing is
// waited for, and what ends afterwards reaches nothing.
TEST_F(FilaVerificacoes, FecharComFilaCheiaSaiNaHora) {
    for (int i = 0; i < TFilaVerificacoes::maximoEmCurso + TFilaVerificacoes::maximoEmEspera; ++i)
        fila->pedir(link(i));
    ASSERT_TRUE(recebidos(TFilaVerificacoes::maximoEmCurso));
    fila.reset();
    vida.reset();
    EXPECT_EQ(TTrabalhador::ativos(), TFilaVerificacoes::maximoEmCurso);

    servidor.abrirPortao(1);
    ASSERT_TRUE(esperar([] { return TTrabalhador::ativos() == 0; }));
    QCoreApplication::processEvents();
    EXPECT_TRUE(entregas.isEmpty());
    EXPECT_EQ(iniciados.size(), TFilaVerificacoes::maximoEmCurso);
}
