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
