// A movie that fails to load, and one whose page process dies, leave a stage
// that says why in plain words and plays the movie again in place.
#include "player/unit_PalcoFalha.h"
#include "tests/player/unit_AmbienteRuffle.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWebEngineView>
#include <atomic>
#include <csignal>

using namespace MotorTeste;

namespace {

const QString prefixoTique = QStringLiteral(R"(<invoke name="tique" returntype="xml"><arguments><number>)");

qsizetype tiques(const QStringList& pedidos) {
    return std::count_if(pedidos.begin(), pedidos.end(),
                         [](const QString& pedido) { return pedido.startsWith(prefixoTique); });
}

} // namespace

using FalhasRuffle = TAmbienteRuffle;

TEST_F(FalhasRuffle, AFailedLoadSaysWhyAndTryingAgainPlaysTheMovie) {
    // The server is busy at first, then serves the movie.
    auto pedidosFilme = std::make_shared<std::atomic<int>>(0);
    servidor.rota("/instavel.swf", [pedidosFilme](const TPedidoLocal&) {
        if (++*pedidosFilme == 1)
            return TRespostaLocal{503, "ocupado", "text/plain"};
        return TRespostaLocal{200, lerFilme("ponte.swf"), "application/x-shockwave-flash"};
    });
    TFlashPlayerRuffle* player = criarPlayer();
    ASSERT_TRUE(focar(player));
    player->setMovie(servidor.url("/instavel.swf"));
    ASSERT_TRUE(esperarEstados(1));

    auto* palco = player->findChild<TPalcoFalha*>();
    ASSERT_TRUE(palco->isVisible());
    EXPECT_EQ(palco->textoTitulo->text(), QStringLiteral("The game could not be loaded"));
    EXPECT_EQ(palco->textoMotivo->text(),
              QStringLiteral("The game's server is having trouble. Try again in a few minutes."));
    EXPECT_TRUE(palco->textoFalha->text().contains(QStringLiteral("the server answered 503")));
    EXPECT_EQ(palco->btnTentar->text(), QStringLiteral("Try again"));
    // The keyboard that was in the movie is on the button, which Enter presses.
    EXPECT_EQ(QApplication::focusWidget(), palco->btnTentar);
    teclar(Qt::Key_Return);

    ASSERT_TRUE(esperarRastro(QStringLiteral("Browser identity: undefined")));
    EXPECT_FALSE(palco->isVisible());
    EXPECT_TRUE(player->findChild<QWebEngineView*>()->isVisible());
    EXPECT_EQ(estados, QList<int>({0, 4, 0, 4}));
    EXPECT_EQ(pedidosFilme->load(), 2);
}

// The page's process killed while the movie plays: the stage says the game
// stopped, and restarting plays the movie again in a new process.
TEST_F(FalhasRuffle, AKilledPageProcessOffersToRestartTheGameInPlace) {
    TFlashPlayerRuffle* player = criarPlayer();
    player->setMovie(urlFilme("contador.swf"));
    ASSERT_TRUE(esperar([&] { return tiques(pedidos) >= 2; }));
    auto* visao = player->findChild<QWebEngineView*>();
    const qint64 processo = visao->page()->renderProcessPid();
    ASSERT_GT(processo, 0);
    ::kill(static_cast<pid_t>(processo), SIGKILL);

    auto* palco = player->findChild<TPalcoFalha*>();
    ASSERT_TRUE(esperar([&] { return palco->isVisible(); }));
    EXPECT_EQ(palco->textoTitulo->text(), QStringLiteral("The game stopped"));
    EXPECT_TRUE(palco->textoMotivo->text().contains(QStringLiteral("ended unexpectedly")));
    EXPECT_TRUE(palco->textoFalha->isHidden());
    EXPECT_EQ(palco->btnTentar->text(), QStringLiteral("Restart the game"));
    EXPECT_EQ(estados, QList<int>({0, 4}));

    const qsizetype antes = tiques(pedidos);
    palco->btnTentar->click();
    ASSERT_TRUE(esperar([&] { return tiques(pedidos) >= antes + 2; }));
    EXPECT_TRUE(visao->isVisible());
    EXPECT_FALSE(palco->isVisible());
    EXPECT_NE(visao->page()->renderProcessPid(), processo);
    EXPECT_EQ(estados, QList<int>({0, 4, 0, 4}));
}
