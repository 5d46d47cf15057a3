#include "games/unit_frameVelmora.h"
#include "linkguard/unit_VigiaLinks.h"
#include "linkguard/unit_frameProtetor.h"
#include "platform/unit_AreaTransferenciaQt.h"
#include "tests/games/unit_AmbienteJogos.h"
#include "tests/player/unit_AmbienteRuffle.h"

#include <QApplication>
#include <QClipboard>
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
        if (areaTransferenciaReal())
            teste.servicos.areaTransferencia = std::make_unique<TAreaTransferenciaQt>();
        montar();
    }

    virtual QString raiz() const { return servidor.url("/"); }
    virtual bool areaTransferenciaReal() const { return false; }

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

// The desktop's clipboard: what the page writes reaches the program's
// watcher, which judges the text shown by the test movie. Its page address
// line links to the local server, which the bad-site list names.
class VelmoraRuffleAreaTransferencia : public VelmoraRuffle {
protected:
    bool areaTransferenciaReal() const override { return true; }

    // Velmora with its movie answered, the player focused and the list set.
    TFlashPlayer* jogar() {
        TFlashPlayer* player = abrirVelmora();
        EXPECT_TRUE(
            esperar([&] { return rastros.contains(QStringLiteral("Browser identity: Quillet 6 (6.0.1)")); }));
        EXPECT_TRUE(focar(player));
        TRegrasLinks regras;
        regras.definirLista({QStringLiteral("127\\.0\\.0\\.1")});
        principal->definirListaBadURLs(regras);
        QApplication::clipboard()->setText(QStringLiteral("antes"));
        return player;
    }

    bool copiadoDoFilme() const {
        return QApplication::clipboard()->text().startsWith(QStringLiteral("Quillet 6 test movie"));
    }
    // The warning for the movie's page address, once the burst of changes is judged.
    bool avisoDoEndereco() const {
        return principal->frameProtetor()->isVisible() &&
               principal->frameProtetor()->textoURL->text().startsWith(QStringLiteral("http://127.0.0.1:"));
    }
};

TEST_F(VelmoraRuffleAreaTransferencia, TheUsersCtrlCInTheMovieReachesTheClipboardAndTheWatcher) {
    jogar();
    teclar(Qt::Key_S); // the movie selects its text
    ASSERT_TRUE(esperar([&] { return rastros.contains(QStringLiteral("Key: 83")); }));
    teclar(Qt::Key_C, Qt::ControlModifier);
    ASSERT_TRUE(esperar([&] { return copiadoDoFilme(); }));
    EXPECT_TRUE(esperar([&] { return avisoDoEndereco(); }));
}

TEST_F(VelmoraRuffleAreaTransferencia, TheEnginesMenuCopyOfSelectedTextReachesTheClipboardAndTheWatcher) {
    TFlashPlayer* player = jogar();
    gravar(QStringLiteral("menuCtx"), 1);
    teclar(Qt::Key_S);
    ASSERT_TRUE(esperar([&] { return rastros.contains(QStringLiteral("Key: 83")); }));
    QTest::mouseClick(QApplication::focusWidget(), Qt::RightButton, {}, QPoint(400, 300));
    // On a text the menu begins with its text items, cut, copy, paste and
    // delete, then a separator (their captions follow the user's language).
    const QString centroDoCopiar = QStringLiteral(R"(
        (() => {
            const menu = document.querySelector('ruffle-player').shadowRoot.getElementById('context-menu');
            const itens = Array.from(menu.children);
            if (itens.length < 5 || !itens[4].classList.contains('menu-separator') ||
                !itens.slice(0, 4).every((item) => item.classList.contains('menu-item')))
                return null;
            const caixa = itens[1].getBoundingClientRect();
            return caixa.width > 0 ? [caixa.left + caixa.width / 2, caixa.top + caixa.height / 2] : null;
        })())");
    QVariantList centro;
    ASSERT_TRUE(esperar([&] {
        centro = executar(player, centroDoCopiar).toList();
        return centro.size() == 2;
    }));
    QTest::mouseClick(QApplication::focusWidget(), Qt::LeftButton, {},
                      QPoint(qRound(centro[0].toDouble()), qRound(centro[1].toDouble())));
    ASSERT_TRUE(esperar([&] { return copiadoDoFilme(); }));
    EXPECT_TRUE(esperar([&] { return avisoDoEndereco(); }));
}

// A script of the page (a movie's getURL("javascript:...") runs one) writes
// the clipboard only right after the user's own click or key, as on the web.
TEST_F(VelmoraRuffleAreaTransferencia, AScriptWritesTheClipboardOnlyRightAfterTheUsersAction) {
    TFlashPlayer* player = jogar();
    int mudancas = 0;
    QObject::connect(QApplication::clipboard(), &QClipboard::dataChanged, player, [&] { ++mudancas; });
    // Copies through the page's copy command, then asks the asynchronous
    // clipboard to write; `window.escrita` says whether it did.
    const auto escrever = [&](const QString& texto, int vezes) {
        executar(player, QStringLiteral(R"(
            window.escrita = undefined;
            (async () => {
                const dar = (e) => { e.clipboardData.setData('text/plain', '%1'); e.preventDefault(); };
                document.addEventListener('copy', dar);
                for (let i = 0; i < %2; ++i)
                    document.execCommand('copy');
                document.removeEventListener('copy', dar);
                try {
                    await navigator.clipboard.writeText('%1');
                    window.escrita = 'written';
                } catch (e) {
                    window.escrita = 'refused';
                }
            })();)")
                             .arg(texto)
                             .arg(vezes));
        QString escrita;
        esperar([&] {
            escrita = executar(player, QStringLiteral("window.escrita")).toString();
            return !escrita.isEmpty();
        });
        return escrita;
    };
    EXPECT_EQ(escrever(QStringLiteral("http://sem-clique.example/"), 100), QStringLiteral("refused"));
    // The writes of one page reach the program in order: when the clicked
    // one has arrived, any earlier one would have too.
    QTest::mouseClick(QApplication::focusWidget(), Qt::LeftButton, {}, QPoint(400, 300));
    ASSERT_TRUE(esperar([&] { return rastros.contains(QStringLiteral("Mouse down")); }));
    escrever(QStringLiteral("http://com-clique.example/"), 1);
    ASSERT_TRUE(esperar(
        [&] { return QApplication::clipboard()->text() == QStringLiteral("http://com-clique.example/"); }));
    EXPECT_EQ(mudancas, 1);
}
