#include "app/unit_AlternanciaContida.h"
#include "tests/support/unit_Janela.h"
#include "ui/unit_Painel.h"

#include <gtest/gtest.h>

TEST(TelaCheia, EachRequestFlipsTheModeReadFromTheBorder) {
    TJanelaTeste janela;
    EXPECT_FALSE(janela->emFullscreen());

    janela->modoFullscreen();
    EXPECT_TRUE(janela->emFullscreen());
    EXPECT_TRUE(janela->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(janela->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(janela->geometry(), QRect(0, 0, 1920, 1106));
    EXPECT_TRUE(janela->isVisible());

    janela->modoFullscreen();
    EXPECT_FALSE(janela->emFullscreen());
    EXPECT_FALSE(janela->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(janela->windowState().testFlag(Qt::WindowMaximized)) << "the window comes back maximised";
    EXPECT_TRUE(janela->isVisible());
}

TEST(TelaCheia, GoingHomeKeepsFullScreen) {
    TJanelaTeste janela;
    janela->modoFullscreen();
    janela->ocultarHome(janela->painelJogo);
    janela.concluirTransicoes();
    janela->mostrarHome();
    janela.concluirTransicoes();
    EXPECT_TRUE(janela->emFullscreen());
}

// A movie asking every 200 ms: the window switches at the first request, and
// then once per second at most, at the end of a second in which the requests
// were odd in number. At rest nothing keeps ticking.
TEST(TelaCheia, PedidosDoFilmeMudamAJanelaNoMaximoUmaVezPorSegundo) {
    TJanelaTeste janela;
    TAlternanciaContida* contida = janela->telaCheiaContida;
    QList<bool> modos;
    const auto segundo = [&](int pedidos) {
        for (int i = 0; i < pedidos; ++i)
            contida->pedir();
        modos << janela->emFullscreen();
        contida->timerIntervaloTimer();
    };
    segundo(5); // switched at once; four more, even: no switch at the end
    segundo(0);
    segundo(5); // the interval closed: the first switches at once again
    segundo(0);
    segundo(2); // one more, odd: switches when the second is over
    EXPECT_EQ(modos, QList<bool>({true, true, false, false, true}));
    EXPECT_FALSE(janela->emFullscreen());
    EXPECT_TRUE(contida->timerIntervalo->isActive()) << "a switch opens the next interval";
    contida->timerIntervaloTimer();
    EXPECT_FALSE(contida->timerIntervalo->isActive());
}
