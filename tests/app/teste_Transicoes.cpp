#include "app/unit_Principal.h"
#include "platform/unit_Painel.h"
#include "tests/support/unit_Falsos.h"

#include <QTimer>
#include <gtest/gtest.h>

TEST(Transicoes, OcultarHomeTerminaEm884) {
    TServicosTeste teste;
    TPrincipal principal(std::move(teste.servicos));
    principal.show();
    principal.ocultarHome(principal.painelJogo);
    int ticks = 0;
    while (principal.timerOcultarHome->isActive()) {
        principal.timerOcultarHomeTimer();
        ++ticks;
    }
    EXPECT_EQ(ticks, 17);
    EXPECT_EQ(principal.painelHome->x(), -884);
}
