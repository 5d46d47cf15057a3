#include "app/unit_AlternanciaContida.h"
#include "core/unit_ArquivoConfig.h"
#include "core/unit_Constantes.h"
#include "games/unit_frameOutroJogo.h"
#include "games/unit_frameVelmora.h"
#include "tests/games/unit_AmbienteJogos.h"
#include "ui/unit_Painel.h"

#include <QScrollArea>

using Ponte = TAmbienteJogos;

TEST_F(Ponte, VelmoraLevaSalaAoFilmeEAPaginaSoQuandoLigada) {
    TFlashPlayerFalso* player = abrirPronto(0);
    EXPECT_EQ(player->Movie(),
              QStringLiteral("http://www.velmora.example/VelmoraChargeur.swf?salon=*QL6 vanilla"));
    EXPECT_EQ(player->chamar(pedidoEndereco),
              QStringLiteral("<string>http://www.velmora.example/?salon=*QL6 vanilla</string>"));

    principal->config->WriteBool(Constantes::secao, QStringLiteral("salaQL6"), false);
    EXPECT_EQ(player->chamar(pedidoEndereco), QStringLiteral("<string>http://www.velmora.example/</string>"));
    // The movie address is fixed when a screen is built: close and open again.
    teste.mensagens->respostas.push_back(true);
    principal->frameVelmora->btnFecharClick();
    concluirTransicoes();
    EXPECT_EQ(abrirPronto(0)->Movie(), QStringLiteral("http://www.velmora.example/VelmoraChargeur.swf"));
}

TEST_F(Ponte, IdentidadeIgualNosQuatroJogosEPaginaDosOutrosSemSala) {
    for (int tile = 0; tile < 4; ++tile) {
        TFlashPlayerFalso* player = abrirPronto(tile);
        EXPECT_EQ(player->chamar(pedidoIdentidade), QStringLiteral("<string>Quillet 6 (6.0.1)</string>"));
        if (tile > 0) {
            EXPECT_EQ(player->chamar(pedidoEndereco),
                      QStringLiteral("<string>") + principal->servicos.enderecos.raizPaginasOutros[tile - 1] +
                          QStringLiteral("</string>"));
        }
        voltar(tile == 0 ? static_cast<TframeJogo*>(principal->frameVelmora)
                         : principal->framesOutroJogo[tile - 1]);
    }
    EXPECT_EQ(fabrica->criados[1]->Movie(), QStringLiteral("http://www.kraddle.example/ChargeurKraddle.swf"));
    EXPECT_EQ(fabrica->criados[3]->Movie(), QStringLiteral("http://www.lurrow.example/ChargeurLurrow.swf"));
}

TEST_F(Ponte, SoOTextoExatoEOPrefixoComBrancoSaoReconhecidos) {
    TFlashPlayerFalso* player = abrirPronto(0);
    QString maiusculas = pedidoEndereco;
    maiusculas.replace(QStringLiteral("location"), QStringLiteral("Location"));
    QString espacado = pedidoEndereco;
    espacado.replace(QStringLiteral("><arguments>"), QStringLiteral("> <arguments>"));
    QString comArgumento = pedidoEndereco;
    comArgumento.replace(QStringLiteral("<arguments></arguments>"),
                         QStringLiteral("<arguments><true/></arguments>"));
    for (const QString& variante :
         {maiusculas, espacado, comArgumento, QStringLiteral(" ") + pedidoIdentidade,
          QStringLiteral(R"(<invoke name="pleinEcran"><arguments></arguments></invoke>)")})
        EXPECT_EQ(player->chamar(variante), std::nullopt) << variante.toStdString();
    EXPECT_FALSE(principal->emFullscreen());

    EXPECT_EQ(player->chamar(pedidoTelaCheia), std::nullopt);
    EXPECT_TRUE(principal->emFullscreen());
    player->chamar(QStringLiteral(
        R"(<invoke name="pleinEcran" returntype="xml"><arguments><false/></arguments></invoke>)"));
    EXPECT_TRUE(principal->emFullscreen()) << "one switch a second at most";
    principal->telaCheiaContida->timerIntervaloTimer();
    EXPECT_FALSE(principal->emFullscreen());
}

TEST_F(Ponte, VelmoraRecoloreEReimpoeAQualidadeGuardadaEmQualquerChamada) {
    TFlashPlayerFalso* player = abrirPronto(0);
    EXPECT_EQ(player->BGColor(), QStringLiteral("ffffff"));
    gravar(QStringLiteral("qualidadeFlash"), 3); // as the settings screen would
    EXPECT_EQ(player->chamar(QStringLiteral(R"(<invoke name="trace"><arguments/></invoke>)")), std::nullopt);
    EXPECT_EQ(player->BGColor(), QStringLiteral("6A7495"));
    EXPECT_EQ(principal->frameVelmora->C->viewport()->palette().color(QPalette::Window),
              QColor(0x6A, 0x74, 0x95));
    EXPECT_EQ(player->Quality(), 3);
    gravar(QStringLiteral("qualidadeFlash"), 9);
    player->chamar(pedidoIdentidade);
    EXPECT_EQ(player->Quality(), 1);
}

TEST_F(Ponte, OutroJogoGanhaASuaCorSemTocarNoPlayer) {
    TFlashPlayerFalso* player = abrirPronto(3);
    player->chamar(pedidoIdentidade);
    TframeOutroJogo* tela = principal->framesOutroJogo[2];
    EXPECT_EQ(tela->palette().color(QPalette::Window), QColor(0x04, 0x88, 0x95));
    EXPECT_EQ(tela->C->palette().color(QPalette::Window), QColor(0x04, 0x88, 0x95));
    EXPECT_EQ(player->BGColor(), QStringLiteral("ffffff"));
    EXPECT_TRUE(player->qualidades.isEmpty());
    EXPECT_TRUE(player->wmode.isEmpty());
}
