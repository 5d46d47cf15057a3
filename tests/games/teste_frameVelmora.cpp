#include "core/unit_Constantes.h"
#include "games/unit_frameOutroJogo.h"
#include "games/unit_frameVelmora.h"
#include "settings/unit_ArquivoConfig.h"
#include "settings/unit_Idioma.h"
#include "tests/games/unit_AmbienteJogos.h"
#include "ui/unit_Painel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

class Velmora : public TAmbienteJogos {
protected:
    TframeVelmora* tela = nullptr;
    TFlashPlayerFalso* player = nullptr;

    void SetUp() override {
        TAmbienteJogos::SetUp();
        textosDasListas();
        player = abrirPronto(0);
        tela = principal->frameVelmora;
    }
    // Resizes the window and lets the new size reach the content box.
    void redimensionar(int largura, int altura) {
        principal->resize(largura, altura);
        QCoreApplication::processEvents();
        ASSERT_EQ(tela->C->viewport()->size(), QSize(largura, altura));
    }
    bool guardado(const char* chave) const {
        return principal->config->ReadBool(Constantes::secao, QLatin1String(chave), false);
    }
};

TEST_F(Velmora, OcultarForaDoPalcoCentraSemLimitar) {
    redimensionar(840, 626);
    tela->checkNoOffset->click();
    EXPECT_TRUE(guardado("noOffset"));
    EXPECT_FALSE(player->alinhado());
    EXPECT_EQ(player->geometry(), QRect(20, 13, 800, 600));
    EXPECT_EQ(tela->Bevel1->geometry(), QRect(19, 12, 802, 602));
    EXPECT_TRUE(tela->Bevel1->isVisibleTo(tela));

    redimensionar(700, 601); // 601 / 2 = 300; 350 - 400 = -50
    EXPECT_EQ(player->geometry(), QRect(-50, 0, 800, 600));
    EXPECT_EQ(tela->Bevel1->pos(), QPoint(-51, -1));

    tela->checkNoOffset->click();
    EXPECT_TRUE(player->alinhado());
    EXPECT_EQ(player->geometry(), QRect(QPoint(0, 0), tela->C->viewport()->size()));
    EXPECT_FALSE(tela->Bevel1->isVisibleTo(tela));
}

TEST_F(Velmora, ExpandirRolaAoMeioERestaurarVoltaAPreencher) {
    tela->Image3Click();
    EXPECT_EQ(player->geometry(), QRect(0, 0, 4000, 3000));
    EXPECT_EQ(tela->C->verticalScrollBar()->value(), 1050);
    EXPECT_EQ(tela->C->horizontalScrollBar()->value(), 1400);

    tela->Image3Click();
    EXPECT_TRUE(player->alinhado());
    EXPECT_EQ(player->geometry(), QRect(QPoint(0, 0), tela->C->viewport()->size()));

    // Hiding the offscreen content while expanded goes straight to the stage layout.
    tela->Image3Click();
    tela->checkNoOffset->click();
    EXPECT_EQ(player->size(), QSize(800, 600));
    EXPECT_EQ(player->pos(),
              QPoint(tela->C->viewport()->width() / 2 - 400, tela->C->viewport()->height() / 2 - 300));

    tela->Image3Click();
    ASSERT_EQ(teste.mensagens->mostradas.size(), 1);
    EXPECT_EQ(teste.mensagens->mostradas[0].tipo, QStringLiteral("informacao"));
    EXPECT_EQ(teste.mensagens->mostradas[0].texto,
              principal->idioma->get(QStringLiteral("frameVelmora.alerta1")));
    EXPECT_EQ(player->size(), QSize(800, 600));
}

TEST_F(Velmora, CabecalhoSoNaFaixaDeTrintaPixels) {
    TMetricasFalsas& metricas = *teste.metricas;
    const auto visivelCom = [&](int y) {
        metricas.cursor = QPoint(5, principal->y() + y);
        tela->TimerCabecalhoTimer();
        return tela->Cabecalho->isVisibleTo(tela);
    };
    EXPECT_TRUE(visivelCom(metricas.legenda + 30));
    EXPECT_FALSE(visivelCom(metricas.legenda + 31));
    EXPECT_FALSE(visivelCom(metricas.legenda - 1));
    EXPECT_TRUE(visivelCom(metricas.legenda));

    principal->modoFullscreen(); // no caption bar to subtract
    EXPECT_TRUE(visivelCom(30));
    EXPECT_FALSE(visivelCom(31));
    EXPECT_TRUE(visivelCom(0));

    // The other games' header follows the same rule.
    voltar(tela);
    abrirPronto(1);
    metricas.cursor = QPoint(5, principal->y() + 31);
    principal->framesOutroJogo[0]->TimerCabecalhoTimer();
    EXPECT_FALSE(principal->framesOutroJogo[0]->Cabecalho->isVisibleTo(principal->framesOutroJogo[0]));
}

TEST_F(Velmora, PainelAplicaDeImediatoEConfiguracoesDeForaSoAoVoltar) {
    EXPECT_EQ(player->WMode(), QStringLiteral("Direct"));
    EXPECT_EQ(player->Quality(), 1);
    tela->btnDesempenhoClick();
    EXPECT_EQ(tela->painelDesempenho->pos(),
              QPoint(tela->width() / 2 - 273 / 2, tela->height() / 2 - 311 / 2));

    tela->opcoesRender->setCurrentIndex(2);
    Q_EMIT tela->opcoesRender->activated(2);
    tela->opcoesQualidade->setCurrentIndex(0);
    Q_EMIT tela->opcoesQualidade->activated(0);
    EXPECT_EQ(player->WMode(), QStringLiteral("gpu"));
    EXPECT_EQ(player->Quality(), 0);
    TArquivoConfig disco(principal->configPath);
    EXPECT_EQ(disco.ReadInteger(Constantes::secao, QStringLiteral("wmodeFlash"), -1), 2);
    EXPECT_EQ(disco.ReadInteger(Constantes::secao, QStringLiteral("qualidadeFlash"), -1), 0);
    tela->btnFechar2Click();
    EXPECT_TRUE(tela->painelDesempenho->isHidden());

    // Written elsewhere (the settings screen): the player sees it only on return through the tile.
    gravar(QStringLiteral("wmodeFlash"), 4);
    gravar(QStringLiteral("qualidadeFlash"), 2);
    voltar(tela);
    EXPECT_EQ(player->WMode(), QStringLiteral("gpu"));
    clicarTile(0);
    EXPECT_EQ(player->WMode(), QStringLiteral("Window"));
    EXPECT_EQ(player->Quality(), 2);
    EXPECT_EQ(tela->opcoesRender->currentIndex(), 4);

    gravar(QStringLiteral("wmodeFlash"), 5);
    gravar(QStringLiteral("qualidadeFlash"), -1);
    tela->mostrarConfigs();
    EXPECT_EQ(player->WMode(), QStringLiteral("Direct"));
    EXPECT_EQ(player->Quality(), 1);
    EXPECT_EQ(tela->opcoesRender->currentIndex(), -1);
    EXPECT_EQ(tela->opcoesQualidade->currentIndex(), -1);
}

using VelmoraAoAbrir = TAmbienteJogos;

// The screen is laid out while still hidden; once shown the stage must sit centred in the real box.
TEST_F(VelmoraAoAbrir, NoOffsetGuardadoCentraOPalco) {
    principal->config->WriteBool(Constantes::secao, QStringLiteral("noOffset"), true);
    TFlashPlayerFalso* player = abrirPronto(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(player->geometry(), QRect(20, 13, 800, 600));
    EXPECT_TRUE(principal->frameVelmora->checkNoOffset->isChecked());
}
