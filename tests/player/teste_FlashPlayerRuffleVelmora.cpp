#include "games/unit_frameVelmora.h"
#include "tests/games/unit_AmbienteJogos.h"
#include "tests/player/unit_AmbienteRuffle.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

using namespace MotorTeste;

// The Velmora screen of a main window whose players run on the engine, its
// movie (the test movie) served by a local server.
class VelmoraRuffle : public TAmbienteJogos {
protected:
    void SetUp() override {
        if (!preparar())
            GTEST_SKIP() << "the SWF engine is not installed";
        servidor.rota("/VelmoraChargeur.swf",
                      TRespostaLocal{200, lerFilme("ponte.swf"), "application/x-shockwave-flash"});
        teste.servicos.fabricaPlayer = std::make_unique<TFabricaRuffle>();
        fabrica = nullptr;
        teste.servicos.enderecos.raizVelmora = raiz();
        montar();
    }

    virtual QString raiz() const { return servidor.url("/"); }

    // Opens Velmora and waits until its screen shows; traces are recorded.
    TFlashPlayer* abrirVelmora() {
        clicarTile(0);
        TFlashPlayer* player = principal->frameVelmora->Flash;
        QObject::connect(qobject_cast<TFlashPlayerRuffle*>(player), &TFlashPlayerRuffle::rastreado, player,
                         [this](const QString& linha) { rastros.append(linha); });
        EXPECT_TRUE(esperar([&] { return principal->frameVelmora->isVisible(); }));
        return player;
    }

    TServidorLocal servidor;
    QStringList rastros;
};

// The engine's own context menu opens on a right press in the movie only when
// the user allowed the player's menu: the program's filter sees the browser's view.
TEST_F(VelmoraRuffle, TheRightButtonReachesTheMovieOnlyWithItsMenuAllowed) {
    TFlashPlayer* player = abrirVelmora();
    ASSERT_TRUE(
        esperar([&] { return rastros.contains(QStringLiteral("Browser identity: Quillet 6 (6.0.1)")); }));
    ASSERT_TRUE(focar(player));
    const auto menuAberto = [&] {
        return executar(player, QStringLiteral(
                                    "!document.querySelector('ruffle-player').shadowRoot"
                                    ".getElementById('context-menu-overlay').classList.contains('hidden')"))
            .toBool();
    };
    const auto clicarDireito = [] {
        QTest::mouseClick(QApplication::focusWidget(), Qt::RightButton, {}, QPoint(400, 300));
    };

    clicarDireito();
    EXPECT_FALSE(menuAberto());
    gravar(QStringLiteral("menuCtx"), 1);
    clicarDireito();
    EXPECT_TRUE(esperar(menuAberto));
}

TEST_F(VelmoraRuffle, TheBridgeAnswersTheMovieAndItsFullScreenCallTogglesTheWindow) {
    TFlashPlayer* player = abrirVelmora();
    ASSERT_TRUE(
        esperar([&] { return rastros.contains(QStringLiteral("Browser identity: Quillet 6 (6.0.1)")); }));
    EXPECT_TRUE(
        rastros.contains(QStringLiteral("Page address: %1?salon=*QL6 vanilla").arg(servidor.url("/"))));

    ASSERT_TRUE(focar(player));
    teclar(Qt::Key_F);
    EXPECT_TRUE(esperar([&] { return principal->emFullscreen(); }));
    // A desktop activates the window shown in its new mode; the offscreen
    // platform, whose focus window never changed, does not tell the widgets.
    QApplication::setActiveWindow(principal.get());
    ASSERT_TRUE(focar(player));
    teclar(Qt::Key_F);
    EXPECT_TRUE(esperar([&] { return !principal->emFullscreen(); }));
}

class VelmoraRuffleInalcancavel : public VelmoraRuffle {
protected:
    QString raiz() const override { return QStringLiteral("http://127.0.0.1:9/"); }
};

TEST_F(VelmoraRuffleInalcancavel, TheScreenStillShowsWithAStageSayingTheMovieCouldNotBeLoaded) {
    TFlashPlayer* player = abrirVelmora();
    const auto* estagio = player->findChild<QLabel*>(QStringLiteral("textoFalha"));
    EXPECT_TRUE(estagio->isVisible());
    // In the interface's language, Portuguese unless chosen otherwise.
    EXPECT_TRUE(estagio->text().startsWith(QStringLiteral(
        "O filme em http://127.0.0.1:9/VelmoraChargeur.swf?salon=*QL6 vanilla não pôde ser carregado")))
        << estagio->text().toStdString();
}
