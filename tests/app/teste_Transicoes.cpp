#include "core/unit_ArquivoConfig.h"
#include "core/unit_Erros.h"
#include "settings/unit_frameConfig.h"
#include "tests/support/unit_Janela.h"
#include "ui/unit_Painel.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Records the pending actions run at the end of transitions.
class TRegistro : public QObject {
public:
    QStringList executadas;
    TPrincipal* principal = nullptr;
    int xPainelHome = 0;
    void abrir() {
        executadas << QStringLiteral("abrir");
        xPainelHome = principal->painelHome->x();
    }
    void fechar() { executadas << QStringLiteral("fechar"); }
    void falhar() {
        executadas << QStringLiteral("falhar");
        throw EConversao(QStringLiteral("'x' is not a valid integer value"));
    }
};

void usarAnimacao(TJanelaTeste& janela, bool usar) {
    janela->config->WriteBool(QStringLiteral("Quillet"), QStringLiteral("usarAnim"), usar);
}

// The window system delivers a top-level resize through the event loop.
void redimensionar(TPrincipal* p, int largura, int altura) {
    p->resize(largura, altura);
    ASSERT_TRUE(QTest::qWaitFor([p, largura, altura] { return p->size() == QSize(largura, altura); }));
}

int ticarOcultarHome(TJanelaTeste& janela) {
    TPrincipal* p = janela.principal.get();
    return TJanelaTeste::ticarAteParar(p->timerOcultarHome, [p] { p->timerOcultarHomeTimer(); });
}

int ticarMostrarHome(TJanelaTeste& janela) {
    TPrincipal* p = janela.principal.get();
    return TJanelaTeste::ticarAteParar(p->timerMostrarHome, [p] { p->timerMostrarHomeTimer(); });
}

} // namespace

TEST(Transicoes, SlidesAtTheDesignSizeTakeSeventeenTicks) {
    TJanelaTeste janela;
    TPrincipal* p = janela.principal.get();
    ASSERT_EQ(p->width(), 840);

    p->ocultarHome(p->painelJogo);
    EXPECT_FALSE(p->painelHome->alinhado());
    EXPECT_TRUE(p->painelJogo->isVisible());
    EXPECT_EQ(ticarOcultarHome(janela), 17);
    EXPECT_EQ(p->painelHome->x(), -884);
    EXPECT_TRUE(p->painelHome->isHidden());

    p->mostrarHome();
    EXPECT_EQ(ticarMostrarHome(janela), 17);
    EXPECT_EQ(p->painelHome->x(), 0);
    EXPECT_TRUE(p->painelHome->alinhado());
    EXPECT_TRUE(p->painelJogo->isHidden());

    p->mostrarQuillet();
    EXPECT_EQ(p->painelQuillet->x(), 840);
    for (int i = 0; i < 16; ++i)
        p->timermostrarQuilletTimer();
    EXPECT_EQ(p->painelQuillet->x(), 8);
    p->timermostrarQuilletTimer(); // reaches -44 and snaps to 0 as it is aligned again
    EXPECT_FALSE(p->timermostrarQuillet->isActive());
    EXPECT_EQ(p->painelQuillet->geometry(), p->rect());
    EXPECT_TRUE(p->painelHome->isHidden());

    p->ocultarQuillet(p->painelHome);
    EXPECT_EQ(TJanelaTeste::ticarAteParar(p->timerOcultarQuillet, [p] { p->timerOcultarQuilletTimer(); }),
              17);
    EXPECT_EQ(p->painelQuillet->x(), 884);
    EXPECT_TRUE(p->painelQuillet->isHidden());
    EXPECT_TRUE(p->painelHome->isVisible());
}

TEST(Transicoes, PendingActionRunsAfterTheSlideOnceAndSlotIsEmptied) {
    TJanelaTeste janela;
    TPrincipal* p = janela.principal.get();
    TRegistro registro;
    registro.principal = p;

    p->callbackOcultarHome = {&registro, &TRegistro::abrir};
    p->ocultarHome(p->painelJogo);
    EXPECT_TRUE(registro.executadas.isEmpty());
    ticarOcultarHome(janela);
    EXPECT_EQ(registro.executadas, QStringList{QStringLiteral("abrir")});
    EXPECT_EQ(registro.xPainelHome, -884); // the home panel has left before the game opens
    EXPECT_FALSE(p->callbackOcultarHome);

    p->mostrarHome();
    ticarMostrarHome(janela);
    EXPECT_EQ(registro.executadas.size(), 1);
}

TEST(Transicoes, WithoutAnimationEveryTransitionEndsAtItsFirstTick) {
    TJanelaTeste janela;
    TPrincipal* p = janela.principal.get();
    usarAnimacao(janela, false);
    TRegistro registro;
    registro.principal = p;

    p->callbackOcultarHome = {&registro, &TRegistro::abrir};
    p->ocultarHome(p->painelJogo);
    EXPECT_TRUE(registro.executadas.isEmpty()) << "never inside the starting call";
    EXPECT_EQ(ticarOcultarHome(janela), 1);
    EXPECT_EQ(registro.executadas.size(), 1);

    p->mostrarHome();
    p->callbackOcultarHome = {&registro, &TRegistro::fechar};
    EXPECT_EQ(ticarMostrarHome(janela), 1);
    EXPECT_EQ(registro.executadas.last(), QStringLiteral("fechar"));

    p->mostrarQuillet();
    EXPECT_EQ(TJanelaTeste::ticarAteParar(p->timermostrarQuillet, [p] { p->timermostrarQuilletTimer(); }), 1);
    p->ocultarQuillet(p->painelHome);
    EXPECT_EQ(TJanelaTeste::ticarAteParar(p->timerOcultarQuillet, [p] { p->timerOcultarQuilletTimer(); }), 1);
    EXPECT_EQ(p->painelQuillet->x(), 840);
}

TEST(Transicoes, TurningAnimationOffMidSlideEndsItAtTheNextTick) {
    TJanelaTeste janela;
    TPrincipal* p = janela.principal.get();
    p->ocultarHome(p->painelJogo);
    for (int i = 0; i < 5; ++i)
        p->timerOcultarHomeTimer();
    EXPECT_EQ(p->painelHome->x(), -260);
    usarAnimacao(janela, false);
    EXPECT_EQ(ticarOcultarHome(janela), 1);
    EXPECT_EQ(p->painelHome->x(), -840);
}

TEST(Transicoes, MostrarHomeWhileHomeIsInPlaceEndsAtFirstTick) {
    TJanelaTeste janela;
    TPrincipal* p = janela.principal.get();
    TRegistro registro;
    p->painelJogo->show();
    p->mostrarHome();
    p->callbackOcultarHome = {&registro, &TRegistro::fechar};
    EXPECT_EQ(ticarMostrarHome(janela), 1);
    EXPECT_EQ(p->painelHome->x(), 0);
    EXPECT_TRUE(p->painelJogo->isHidden());
    EXPECT_EQ(registro.executadas, QStringList{QStringLiteral("fechar")});
}

TEST(Transicoes, FailingActionGoesToTheHandlerAndIsNotRunAgain) {
    TJanelaTeste janela;
    TPrincipal* p = janela.principal.get();
    TRegistro registro;
    p->callbackOcultarHome = {&registro, &TRegistro::falhar};
    p->ocultarHome(p->painelJogo);
    ticarOcultarHome(janela);
    EXPECT_FALSE(p->timerOcultarHome->isActive());
    EXPECT_FALSE(p->callbackOcultarHome);

    p->mostrarHome();
    ticarMostrarHome(janela);
    EXPECT_EQ(registro.executadas, QStringList{QStringLiteral("falhar")});
    EXPECT_TRUE(p->painelHome->isVisible());
}

TEST(Transicoes, WindowResizedDuringASlide) {
    TJanelaTeste janela;
    TPrincipal* p = janela.principal.get();
    p->ocultarHome(p->painelJogo);
    p->timerOcultarHomeTimer();
    redimensionar(p, 1000, 700);
    EXPECT_EQ(p->painelHome->size(), QSize(840, 626)) << "the moving panel keeps its starting size";
    EXPECT_EQ(p->painelJogo->size(), QSize(1000, 700));
    // The end test uses the panel's own client width.
    EXPECT_EQ(ticarOcultarHome(janela), 16);
    EXPECT_EQ(p->painelHome->x(), -884);

    p->mostrarHome();
    EXPECT_EQ(p->painelHome->size(), QSize(1000, 700));
    p->timerMostrarHomeTimer();
    redimensionar(p, 900, 650);
    ticarMostrarHome(janela);
    EXPECT_EQ(p->painelHome->geometry(), QRect(0, 0, 900, 650)) << "aligned again, it takes the new size";

    p->mostrarQuillet();
    redimensionar(p, 1200, 650);
    // The end test reads the current width: the panel ends beyond 1200, not 900.
    p->ocultarQuillet(p->painelHome);
    TJanelaTeste::ticarAteParar(p->timerOcultarQuillet, [p] { p->timerOcultarQuilletTimer(); });
    EXPECT_GE(p->painelQuillet->x(), 1200);
}

TEST(Transicoes, StartingATransitionFinishesTheRunningOneFirst) {
    TJanelaTeste janela;
    TPrincipal* p = janela.principal.get();
    TRegistro registro;
    registro.principal = p;

    // A tile click: the open action is stored, home slides away.
    p->callbackOcultarHome = {&registro, &TRegistro::abrir};
    p->ocultarHome(p->painelJogo);
    for (int i = 0; i < 4; ++i)
        p->timerOcultarHomeTimer();

    // Back pressed mid-slide: the running slide ends at once with its action.
    p->mostrarHome();
    p->callbackOcultarHome = {&registro, &TRegistro::fechar};
    EXPECT_EQ(registro.executadas, QStringList{QStringLiteral("abrir")});
    EXPECT_FALSE(p->timerOcultarHome->isActive());
    EXPECT_TRUE(p->timerMostrarHome->isActive());

    ticarMostrarHome(janela);
    EXPECT_EQ(registro.executadas, (QStringList{QStringLiteral("abrir"), QStringLiteral("fechar")}));
    EXPECT_EQ(p->painelHome->x(), 0);
    EXPECT_FALSE(p->callbackOcultarHome);
}

TEST(Transicoes, SettingsScreenStaysInViewWhileSlidingOut) {
    TJanelaTeste janela;
    TPrincipal* p = janela.principal.get();
    p->btnConfigClick();
    janela.concluirTransicoes();
    EXPECT_TRUE(p->frameConfig()->isVisible());

    p->ocultarQuillet(p->painelHome);
    p->timerOcultarQuilletTimer();
    EXPECT_TRUE(p->frameConfig()->isVisible());
    janela.concluirTransicoes();
    EXPECT_TRUE(p->frameConfig()->isHidden());
}
