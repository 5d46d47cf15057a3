#include "games/unit_frameVelmora.h"
#include "linkguard/unit_VigiaLinks.h"
#include "linkguard/unit_frameProtetor.h"
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

// The Velmora movie opens web addresses (link.swf, told where by link.txt).
class VelmoraRuffleLinks : public VelmoraRuffle {
protected:
    void SetUp() override {
        VelmoraRuffle::SetUp();
        servidor.rota("/VelmoraChargeur.swf",
                      TRespostaLocal{200, lerFilme("link.swf"), "application/x-shockwave-flash"});
    }

    // Opens Velmora on a movie that opens `alvo` in `janela` on a click or on its timer.
    TFlashPlayer* abrirComLink(const QString& alvo, const QString& janela, const char* modo) {
        servidor.rota("/link.txt", TRespostaLocal{200,
                                                  "alvo=" + QUrl::toPercentEncoding(alvo) +
                                                      "&janela=" + janela.toUtf8() + "&modo=" + modo,
                                                  "text/plain"});
        TFlashPlayer* player = abrirVelmora();
        EXPECT_TRUE(esperar([&] { return rastros.contains(QStringLiteral("Ready")); }));
        EXPECT_TRUE(focar(player));
        return player;
    }
    static void clicar() {
        QTest::mouseClick(QApplication::focusWidget(), Qt::LeftButton, {}, QPoint(400, 300));
    }
    bool avisoVisivel() const { return principal->frameProtetor()->isVisible(); }
};

// A good address opens in the desktop's browser once its check has ended (a
// host that cannot be fetched is not bad), whether the movie names a window
// of its own or its page; one click opens it once.
TEST_F(VelmoraRuffleLinks, AClickOpensTheMoviesLinkInTheBrowserAfterItsCheck) {
    for (const QString& janela : {QStringLiteral("_blank"), QString()}) {
        SCOPED_TRACE(janela.toStdString());
        const QString alvo = QStringLiteral("http://jogo-bom.example/noticias%1").arg(janela);
        abrirComLink(alvo, janela, "clique");
        const qsizetype antes = teste.shell->abertos.size();
        clicar();
        ASSERT_TRUE(esperar([&] { return teste.shell->abertos.size() > antes; }));
        EXPECT_EQ(teste.shell->abertos.last(), alvo);
        ASSERT_TRUE(esperar([&] { return rastros.contains(QStringLiteral("Opened 1")); }));
        EXPECT_EQ(teste.shell->abertos.size(), antes + 1);
        EXPECT_FALSE(avisoVisivel());
        EXPECT_EQ(principal->frameVelmora->Flash->Movie(),
                  servidor.url("/VelmoraChargeur.swf?salon=*QL6 vanilla"))
            << "the page never leaves its game";
        rastros.clear();
        principal->fecharVelmora();
    }
}

TEST_F(VelmoraRuffleLinks, AKeywordLinkShowsTheWarningAndOpensNothing) {
    abrirComLink(QStringLiteral("http://morangos-free-gratis.com/"), QStringLiteral("_blank"), "clique");
    clicar();
    ASSERT_TRUE(esperar([&] { return avisoVisivel(); }));
    ASSERT_TRUE(esperar([&] { return rastros.contains(QStringLiteral("Opened 1")); }));
    EXPECT_TRUE(teste.shell->abertos.isEmpty());
}

// With no click or key of the user, nothing the movie opens reaches anything.
TEST_F(VelmoraRuffleLinks, AMovieOpeningLinksOnItsOwnOpensNothing) {
    abrirComLink(QStringLiteral("http://jogo-bom.example/"), QStringLiteral("_blank"), "tempo");
    ASSERT_TRUE(esperar([&] { return rastros.contains(QStringLiteral("Opened 10")); }));
    EXPECT_TRUE(teste.shell->abertos.isEmpty());
    EXPECT_EQ(principal->vigiaLinks->filaVerificacoes().emCurso(), 0);
}
