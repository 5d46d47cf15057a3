// The header of a game screen follows the cursor only while the screen is in
// view; hidden or covered, its game goes on untouched.
#include "games/unit_frameOutroJogo.h"
#include "games/unit_frameVelmora.h"
#include "linkguard/unit_frameProtetor.h"
#include "tests/games/unit_AmbienteJogos.h"
#include "tests/support/unit_Temporizadores.h"

#include <QTimer>

using CabecalhoEmVista = TAmbienteJogos;

TEST_F(CabecalhoEmVista, RunsWhileTheGameIsShownAndStopsBehindHome) {
    clicarTile(0);
    TframeVelmora* tela = principal->frameVelmora;
    EXPECT_FALSE(tela->TimerCabecalho->isActive()) << "the screen waits hidden for its movie";
    TFlashPlayerFalso* player = fabrica->criados.last();
    player->mudarEstado(4);
    EXPECT_TRUE(tela->TimerCabecalho->isActive());

    voltar(tela);
    EXPECT_FALSE(tela->TimerCabecalho->isActive());
    EXPECT_EQ(temporizadoresAtivos(principal.get()), QStringList());
    // The game behind home is left as it was: its player shown in its screen, answering its movie.
    EXPECT_FALSE(player->isHidden());
    EXPECT_TRUE(player->chamar(pedidoEndereco).has_value());

    clicarTile(1);
    TFlashPlayerFalso* outro = fabrica->criados.last();
    outro->mudarEstado(4);
    EXPECT_TRUE(principal->framesOutroJogo[0]->TimerCabecalho->isActive());
    EXPECT_FALSE(tela->TimerCabecalho->isActive()) << "hidden in the panel behind the other game";

    voltar(principal->framesOutroJogo[0]);
    clicarTile(0);
    EXPECT_TRUE(tela->TimerCabecalho->isActive());
    EXPECT_FALSE(principal->framesOutroJogo[0]->TimerCabecalho->isActive());
}

TEST_F(CabecalhoEmVista, StopsUnderTheWarningAndRunsAgainOnceUncovered) {
    TFlashPlayerFalso* player = abrirPronto(0);
    TframeVelmora* tela = principal->frameVelmora;
    principal->frameProtetor()->show();
    principal->mostrarProtetor();
    EXPECT_TRUE(tela->isVisible()) << "the warning covers the game without hiding it";
    EXPECT_FALSE(tela->TimerCabecalho->isActive());
    EXPECT_EQ(temporizadoresAtivos(principal.get()), QStringList());
    EXPECT_FALSE(player->isHidden());

    principal->frameProtetor()->btnVoltarClick();
    concluirTransicoes();
    EXPECT_TRUE(tela->TimerCabecalho->isActive());
}
