#include "games/unit_DadosJogos.h"
#include "games/unit_frameOutroJogo.h"
#include "games/unit_frameVelmora.h"
#include "net/unit_Trabalhador.h"
#include "settings/unit_frameConfig.h"
#include "tests/games/unit_AmbienteJogos.h"
#include "ui/unit_Idioma.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>

namespace {

constexpr qint64 limite = TDadosJogos::limite;

} // namespace

// The games' stored data as the fake factory reports it, set before the
// window starts; the notices are counted once the checks' workers are done
// and the event loop has run.
class DadosJogos : public TAmbienteJogos {
protected:
    void SetUp() override {}
    void iniciar(const QMap<QString, qint64>& dados) {
        fabrica->dados = dados;
        montar();
    }
    QStringList avisos() {
        EXPECT_TRUE(QTest::qWaitFor([] { return TTrabalhador::ativos() == 0; }, 10'000));
        QCoreApplication::processEvents();
        QStringList textos;
        for (const auto& caixa : std::as_const(teste.mensagens->mostradas))
            if (caixa.tipo == QStringLiteral("informacao"))
                textos << caixa.texto;
        return textos;
    }
    QString texto(const char* chave, const QStringList& argumentos = {}) const {
        return principal->idioma->get(QLatin1String(chave), argumentos);
    }
    void fechar(TframeJogo* tela) {
        teste.mensagens->respostas.push_back(true);
        tela->btnFecharClick();
        concluirTransicoes();
    }
};

// At start every game over the cap has its data erased, and one notice names
// them all; a game at the cap exactly keeps its data.
TEST_F(DadosJogos, NoInicioOsJogosAcimaDoLimiteSaoApagadosComUmSoAviso) {
    iniciar({{QStringLiteral("Velmora"), limite},
             {QStringLiteral("Kraddle"), limite + 1},
             {QStringLiteral("Gumbrel"), 10},
             {QStringLiteral("Lurrow"), 300 * 1024 * 1024}});
    EXPECT_EQ(avisos(), QStringList{texto("Mensagem.dadosJogoExcedidos",
                                          {QStringLiteral("Kraddle, Lurrow"), QStringLiteral("50")})});
    EXPECT_EQ(fabrica->limpos, QStringList({QStringLiteral("Kraddle"), QStringLiteral("Lurrow")}));
}

// A game that went past the cap while it ran has its data erased once it is
// closed, and the user is told; going home or closing a game under the cap
// erases nothing.
TEST_F(DadosJogos, AoFecharOJogoQuePassouDoLimiteEApagado) {
    iniciar({});
    abrirPronto(1);
    abrirPronto(0);
    fabrica->dados[QStringLiteral("Kraddle")] = limite + 1;
    voltar(principal->frameVelmora);
    fechar(principal->frameVelmora);
    EXPECT_TRUE(avisos().isEmpty());
    EXPECT_TRUE(fabrica->limpos.isEmpty());

    clicarTile(1);
    fechar(principal->framesOutroJogo[0]);
    EXPECT_EQ(avisos(), QStringList{texto("Mensagem.dadosJogoExcedidos",
                                          {QStringLiteral("Kraddle"), QStringLiteral("50")})});
    EXPECT_EQ(fabrica->limpos, QStringList{QStringLiteral("Kraddle")});
}

// The count runs on a worker: a game opened again before its result is back
// keeps its data (it is checked when it closes again).
TEST_F(DadosJogos, JogoReabertoAntesDaContagemNaoEApagado) {
    iniciar({});
    abrirPronto(3);
    fabrica->dados[QStringLiteral("Lurrow")] = limite + 1;
    fechar(principal->framesOutroJogo[2]);
    abrirPronto(3);
    EXPECT_TRUE(avisos().isEmpty());
    EXPECT_TRUE(fabrica->limpos.isEmpty());
    fechar(principal->framesOutroJogo[2]);
    EXPECT_EQ(avisos().size(), 1);
    EXPECT_EQ(fabrica->limpos, QStringList{QStringLiteral("Lurrow")});
}

// The settings screen's button asks first; on Yes the open games close and
// every game's data is erased, and the user is told.
TEST_F(DadosJogos, LimparDadosPelasConfiguracoesFechaOsJogosEApagaTudo) {
    iniciar({{QStringLiteral("Velmora"), 4096}});
    abrirPronto(0);
    abrirPronto(2);
    voltar(principal->framesOutroJogo[1]);
    principal->btnConfigClick();
    concluirTransicoes();
    TframeConfig* config = principal->frameConfig();
    ASSERT_TRUE(config->btnLimparDados->isVisible());
    EXPECT_EQ(config->btnLimparDados->text(), texto("frameConfig.btnLimparDados"));

    config->btnLimparDados->click(); // answered No
    EXPECT_EQ(teste.mensagens->mostradas.last().texto, texto("Mensagem.limparDadosJogos"));
    EXPECT_NE(principal->frameVelmora, nullptr);
    EXPECT_TRUE(fabrica->limpos.isEmpty());

    teste.mensagens->respostas.push_back(true);
    config->btnLimparDados->click();
    EXPECT_EQ(principal->frameVelmora, nullptr);
    EXPECT_EQ(principal->framesOutroJogo[1], nullptr);
    EXPECT_EQ(fabrica->limpos, TDadosJogos::jogos());
    EXPECT_EQ(avisos(), QStringList{texto("Mensagem.dadosJogosLimpos")});
    EXPECT_TRUE(config->isVisible()) << "the settings screen stays";
}

// A game whose player still lives keeps its data, and the notice says so
// instead of claiming it erased.
TEST_F(DadosJogos, JogoComPlayerVivoNaoEApagadoEOAvisoDiz) {
    iniciar({});
    QWidget caixa;
    std::unique_ptr<TFlashPlayer> vivo(fabrica->criar(&caixa, QStringLiteral("Lurrow")));
    fabrica->dados[QStringLiteral("Lurrow")] = limite + 1;
    principal->dadosJogos->conferir({QStringLiteral("Lurrow")});
    EXPECT_TRUE(avisos().isEmpty());
    EXPECT_EQ(principal->dadosJogos->limparTodos(),
              texto("Mensagem.dadosJogosEmUso", {QStringLiteral("Lurrow")}));
    EXPECT_EQ(fabrica->limpos,
              QStringList({QStringLiteral("Velmora"), QStringLiteral("Kraddle"), QStringLiteral("Gumbrel")}));
}
