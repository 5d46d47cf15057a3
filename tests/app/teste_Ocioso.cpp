// A program left alone does not wake up: the home screen's tile fade runs only
// while a tile is changing colour, and the screens at rest hold no timer.
#include "linkguard/unit_frameProtetor.h"
#include "settings/unit_frameConfig.h"
#include "tests/support/unit_Janela.h"
#include "tests/support/unit_Temporizadores.h"
#include "ui/unit_Imagem.h"

#include <QApplication>
#include <QEnterEvent>
#include <gtest/gtest.h>

namespace {

const QColor branco(255, 255, 255);
const QColor cinzaHover(235, 235, 235);

void entrar(TImagem* tile) {
    const QPointF ponto(5, 5);
    QEnterEvent evento(ponto, ponto, ponto);
    QApplication::sendEvent(tile, &evento);
}

void sair(TImagem* tile) {
    QEvent evento(QEvent::Leave);
    QApplication::sendEvent(tile, &evento);
}

int ticarFade(TJanelaTeste& janela) {
    TPrincipal* p = janela.principal.get();
    return TJanelaTeste::ticarAteParar(p->AnimLogo, [p] { p->AnimLogoTimer(); });
}

} // namespace

TEST(Ocioso, TileFadeRunsFromTheHoverChangeUntilTheTileReachesItsColour) {
    TJanelaTeste janela;
    TImagem* tile = janela->logoKraddle;
    EXPECT_EQ(temporizadoresAtivos(janela.principal.get()), QStringList());

    entrar(tile);
    EXPECT_TRUE(janela->AnimLogo->isActive());
    EXPECT_EQ(ticarFade(janela), 20);
    EXPECT_EQ(tile->corFundo, cinzaHover);

    sair(tile);
    EXPECT_TRUE(janela->AnimLogo->isActive());
    EXPECT_EQ(ticarFade(janela), 20);
    EXPECT_EQ(tile->corFundo, branco);
    EXPECT_EQ(temporizadoresAtivos(janela.principal.get()), QStringList());
}

TEST(Ocioso, TileFadeWaitsForTheLastOfSeveralTiles) {
    TJanelaTeste janela;
    entrar(janela->logoVelmora);
    ticarFade(janela);
    entrar(janela->logoGumbrel);
    for (int i = 0; i < 10; ++i)
        janela->AnimLogoTimer();
    sair(janela->logoGumbrel);
    sair(janela->logoVelmora);
    entrar(janela->logoLurrow);
    // Gumbrel lightens in 10 ticks, Velmora in 20, Lurrow darkens in 20.
    EXPECT_EQ(ticarFade(janela), 20);
    EXPECT_EQ(janela->logoGumbrel->corFundo, branco);
    EXPECT_EQ(janela->logoVelmora->corFundo, branco);
    EXPECT_EQ(janela->logoLurrow->corFundo, cinzaHover);
}

TEST(Ocioso, PressingATileWithoutHoverChangeStartsNoFade) {
    TJanelaTeste janela;
    Q_EMIT janela->logoLurrow->MouseDown(Qt::LeftButton);
    Q_EMIT janela->logoLurrow->MouseUp(Qt::LeftButton);
    EXPECT_FALSE(janela->AnimLogo->isActive());
}

TEST(Ocioso, SettingsAndWarningScreensAtRestHoldNoTimer) {
    TJanelaTeste janela{QString()}; // first use: the settings screen slides in
    EXPECT_GT(janela.concluirTransicoes(), 0);
    ASSERT_TRUE(janela->frameConfig()->isVisible());
    EXPECT_EQ(temporizadoresAtivos(janela.principal.get()), QStringList());

    Q_EMIT janela->frameConfig()->voltarPedido();
    janela.concluirTransicoes();
    EXPECT_EQ(temporizadoresAtivos(janela.principal.get()), QStringList());

    janela->frameProtetor()->show();
    janela->mostrarProtetor();
    ASSERT_TRUE(janela->frameProtetor()->isVisible());
    EXPECT_EQ(temporizadoresAtivos(janela.principal.get()), QStringList());
}
