#include "app/unit_LinhaComando.h"
#include "games/unit_frameOutroJogo.h"
#include "settings/unit_frameConfig.h"
#include "tests/support/unit_Janela.h"
#include "ui/unit_Painel.h"

#include <gtest/gtest.h>

namespace {

using TAcao = TLinhaComando::TAcao;

TLinhaComando ler(const QStringList& argumentos) {
    return TLinhaComando::ler(argumentos);
}

TEST(LinhaComando, VersionAndHelpAnswerWhereverTheyStand) {
    EXPECT_EQ(ler({"--version"}).acao, TAcao::versao);
    EXPECT_EQ(ler({"-platform", "xcb", "--version"}).acao, TAcao::versao);
    EXPECT_EQ(ler({"--game", "tetris", "--help"}).acao, TAcao::ajuda);
    EXPECT_EQ(ler({"-h"}).acao, TAcao::ajuda);
    EXPECT_EQ(TLinhaComando::textoVersao(), QStringLiteral("Quillet 6 6.0.1"));
    for (const char* jogo : {"velmora", "kraddle", "gumbrel", "lurrow"})
        EXPECT_TRUE(TLinhaComando::textoAjuda().contains(QLatin1String(jogo)));
}

TEST(LinhaComando, AGameIsOneOfTheFourInEitherSpelling) {
    EXPECT_EQ(ler({}).acao, TAcao::iniciar);
    EXPECT_FALSE(ler({}).jogo);
    EXPECT_EQ(ler({"--game", "velmora"}).jogo, 0);
    EXPECT_EQ(ler({"--game=Kraddle"}).jogo, 1);
    EXPECT_EQ(ler({"--game", "GUMBREL"}).jogo, 2);
    EXPECT_EQ(ler({"--game", "lurrow"}).jogo, 3);
    for (const QStringList& errada :
         {QStringList{"--game"}, QStringList{"--game", "tetris"}, QStringList{"--game="}}) {
        const TLinhaComando linha = ler(errada);
        EXPECT_EQ(linha.acao, TAcao::erro) << errada.join(' ').toStdString();
        EXPECT_FALSE(linha.erro.isEmpty());
    }
}

// Qt's own options are Qt's until the application object has taken them
// out; what is left then must be the program's.
TEST(LinhaComando, UnknownArgumentsAreErrorsOnlyOnceQtHasTakenItsOwn) {
    const TLinhaComando antes = ler({"-platform", "offscreen", "--game", "lurrow"});
    EXPECT_EQ(antes.acao, TAcao::iniciar);
    EXPECT_EQ(antes.desconhecidos, QStringList({"-platform", "offscreen"}));
    const TLinhaComando depois = ler({"--gmae", "lurrow"}).semDesconhecidos();
    EXPECT_EQ(depois.acao, TAcao::erro);
    EXPECT_TRUE(depois.erro.contains(QStringLiteral("--gmae")));
    EXPECT_EQ(depois.responder(), 2);
}

// A game asked for on the command line opens as its tile does; at a first
// start it comes in place of the settings screen.
TEST(LinhaComando, TheGameAskedForOpensAfterStartEvenAtTheFirstStart) {
    TJanelaTeste janela{QString()};
    ASSERT_TRUE(janela->frameConfig()->isVisible());
    janela->abrirJogoPedido(2);
    janela.concluirTransicoes();
    ASSERT_NE(janela->framesOutroJogo[1], nullptr);
    EXPECT_TRUE(janela->painelQuillet->isHidden());
    EXPECT_TRUE(janela->painelHome->isHidden());
    EXPECT_FALSE(janela->painelJogo->isHidden());
    EXPECT_TRUE(janela.conteudoConfig().contains("primeiroUso=0"));
}

} // namespace
