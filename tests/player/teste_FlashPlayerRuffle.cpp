#include "ui/unit_Idioma.h"
#include "ui/unit_TradutorIdioma.h"
#include "tests/player/unit_AmbienteRuffle.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QWebEngineView>

using namespace MotorTeste;

namespace {

QString invocar(const QString& nome, const QString& argumentos = {}) {
    return QStringLiteral(R"(<invoke name="%1" returntype="xml"><arguments>%2</arguments></invoke>)")
        .arg(nome, argumentos);
}

// What a game's loader asks, as the bridge compares it.
const QString pedidoEndereco = invocar(QStringLiteral("window.location.href.toString"));
const QString pedidoIdentidade =
    invocar(QStringLiteral("function(){return navigator.appVersion+'-'+navigator.appName;}"));
const QString pedidoTelaCheia = invocar(QStringLiteral("pleinEcran"), QStringLiteral("<true/>"));

// The line a test movie traces after a given one.
QString depoisDe(const QStringList& rastros, const QString& linha) {
    const qsizetype indice = rastros.indexOf(linha);
    return indice >= 0 && indice + 1 < rastros.size() ? rastros.at(indice + 1) : QStringLiteral("(none)");
}

} // namespace

using PlayerRuffle = TAmbienteRuffle;

// The engine's own movies, ActionScript 1 and 3, one after the other in one player.
TEST_F(PlayerRuffle, MoviesOfBothScriptVersionsCallTheHostAndGetItsReply) {
    respostas[invocar(QStringLiteral("ping"))] = QStringLiteral("<string>Pong!</string>");
    TFlashPlayerRuffle* player = criarPlayer();

    for (const char* filme : {"avm1_ei.swf", "avm2_ei.swf"}) {
        SCOPED_TRACE(filme);
        rastros.clear();
        pedidos.clear();
        player->setMovie(urlFilme(filme));
        ASSERT_TRUE(esperarRastro(QStringLiteral("Pong!")));
        EXPECT_TRUE(pedidos.contains(invocar(QStringLiteral("ping"))));
        ASSERT_TRUE(esperar([&] { return pedidos.contains(invocar(QStringLiteral("non_existent"))); }));
        ASSERT_TRUE(esperar([&] {
            return rastros.size() >
                   rastros.indexOf(QStringLiteral(R"(// ExternalInterface.call("non_existent"))")) + 1;
        }));
        EXPECT_EQ(depoisDe(rastros, QStringLiteral(R"(// ExternalInterface.call("non_existent"))")),
                  QStringLiteral("undefined"))
            << "a call without a reply returns nothing";
    }

    // This one calls only when the page calls it: the call comes back to the
    // host from inside the page's own call into the movie.
    pedidos.clear();
    player->setMovie(urlFilme("web_ei.swf"));
    ASSERT_TRUE(esperarRastro(QStringLiteral("ExternalInterface.available: true")));
    executar(player, QStringLiteral("document.querySelector('ruffle-player').callMethodImmediately('ping')"));
    EXPECT_TRUE(esperarRastro(QStringLiteral(R"(  call(ping, ...) = "Pong!")")));
    EXPECT_EQ(pedidos.count(invocar(QStringLiteral("ping"))), 1);
    EXPECT_EQ(estados, QList<int>({0, 4, 0, 4, 0, 4}));
}

TEST_F(PlayerRuffle, TheBridgesRequestsArriveAsWrittenAndItsRepliesComeBackAsValues) {
    respostas[pedidoEndereco] =
        QStringLiteral("<string>http://www.velmora.example/?salon=*QL6 vanilla</string>");
    respostas[pedidoIdentidade] = QStringLiteral("<string>Quillet 6 (6.0.1)</string>");
    TFlashPlayerRuffle* player = criarPlayer();
    player->setMovie(urlFilme("ponte.swf"));
    ASSERT_TRUE(esperarRastro(QStringLiteral("Browser identity: Quillet 6 (6.0.1)")));
    EXPECT_TRUE(
        rastros.contains(QStringLiteral("Page address: http://www.velmora.example/?salon=*QL6 vanilla")));
    EXPECT_EQ(pedidos, QStringList({pedidoEndereco, pedidoIdentidade}));

    respostas[pedidoEndereco] =
        QStringLiteral(R"(<array><property id="0"><number>6</number></property>)"
                       R"(<property id="1"><true/></property>)"
                       R"(<property id="2"><string>a &lt;b&gt;</string></property></array>)");
    respostas.remove(pedidoIdentidade);
    player->setMovie(urlFilme("ponte.swf"));
    ASSERT_TRUE(esperarRastro(QStringLiteral("Browser identity: undefined")));
    EXPECT_TRUE(rastros.contains(QStringLiteral("Page address: 6,true,a <b>")));
}

// The page's stand-in for Function takes exactly the engine's call form.
TEST_F(PlayerRuffle, OnlyTheEnginesCallFormReachesTheHost) {
    TFlashPlayerRuffle* player = criarPlayer();
    player->setMovie(urlFilme("ponte.swf"));
    ASSERT_TRUE(esperarRastro(QStringLiteral("Browser identity: undefined")));

    const QString longo(300000, QLatin1Char('x'));
    respostas[invocar(QStringLiteral("eco"), QStringLiteral("<string>%1</string>").arg(longo))] =
        QStringLiteral("<string>%1</string>").arg(QString(300000, QLatin1Char('y')));
    EXPECT_EQ(executar(player, QStringLiteral(
                                   "new Function('return (eco)(...arguments);')('x'.repeat(300000)).length")),
              300000)
        << "long requests and replies pass whole";

    executar(
        player,
        QStringLiteral(
            R"(Function('return (tipos)(...arguments);')('<a & "b">', 1.5, [true, null], {k: undefined}))"));
    EXPECT_EQ(
        pedidos.last(),
        invocar(QStringLiteral("tipos"),
                QStringLiteral(
                    R"(<string>&lt;a &amp; &quot;b&quot;&gt;</string><number>1.5</number>)"
                    R"(<array><property id="0"><true/></property><property id="1"><null/></property></array>)"
                    R"(<object><property id="k"><undefined/></property></object>)")));

    const qsizetype chamadas = pedidos.size();
    EXPECT_EQ(executar(player, QStringLiteral("new Function('a', 'b', 'return a * b')(6, 7)")), 42);
    EXPECT_EQ(executar(player, QStringLiteral("Function('return (Math.max)(1, 2);')()")), 2);
    EXPECT_EQ(executar(player, QStringLiteral("(function () {}).constructor === Function && "
                                              "(() => 1) instanceof Function")),
              true);
    EXPECT_EQ(pedidos.size(), chamadas);
}

TEST_F(PlayerRuffle, KeysMouseAndCopiesReachTheMovieWhileItsViewHasTheFocus) {
    TFlashPlayerRuffle* player = criarPlayer();
    auto* campo = new QLineEdit(&janela);
    campo->show();
    player->setMovie(urlFilme("ponte.swf"));
    ASSERT_TRUE(esperarRastro(QStringLiteral("Browser identity: undefined")));

    ASSERT_TRUE(focar(player));
    teclar(Qt::Key_F);
    ASSERT_TRUE(esperar([&] { return pedidos.contains(pedidoTelaCheia); }));

    QTest::mouseClick(QApplication::focusWidget(), Qt::LeftButton, {}, QPoint(400, 300));
    EXPECT_TRUE(esperarRastro(QStringLiteral("Mouse down")));

    QApplication::clipboard()->clear();
    teclar(Qt::Key_S); // the movie selects its text
    ASSERT_TRUE(esperarRastro(QStringLiteral("Key: 83")));
    teclar(Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(esperar(
        [] { return QApplication::clipboard()->text().startsWith(QStringLiteral("Quillet 6 test movie")); }));

    campo->setFocus();
    EXPECT_TRUE(esperar([&] { return !player->Focused(); }));
}

TEST_F(PlayerRuffle, QualityAndBackgroundChangeWhileTheMoviePlays) {
    TFlashPlayerRuffle* player = criarPlayer();
    player->setScale(QStringLiteral("noScale"));
    player->setMovie(urlFilme("ponte.swf"));
    ASSERT_TRUE(esperarRastro(QStringLiteral("Browser identity: undefined")));
    ASSERT_TRUE(focar(player));

    const auto qualidadeVista = [&](int qualidade) {
        player->setQuality(qualidade);
        executar(player, QStringLiteral("0")); // after the page has taken the change
        rastros.clear();
        teclar(Qt::Key_Q);
        esperar([&] { return rastros.size() >= 2; });
        return depoisDe(rastros, QStringLiteral("Key: 81"));
    };
    EXPECT_EQ(qualidadeVista(0), QStringLiteral("Quality: LOW"));
    EXPECT_EQ(qualidadeVista(3), QStringLiteral("Quality: HIGH"));
    EXPECT_EQ(qualidadeVista(2), QStringLiteral("Quality: LOW"));
    EXPECT_EQ(qualidadeVista(1), QStringLiteral("Quality: HIGH"));

    player->setBGColor(QStringLiteral("6A7495"));
    EXPECT_EQ(executar(player, QStringLiteral("getComputedStyle(document.body).backgroundColor")),
              QStringLiteral("rgb(106, 116, 149)"));
}

TEST_F(PlayerRuffle, AMovieThatCannotBeLoadedEndsInReadyState4WithAStageSayingSo) {
    servidor.rota("/pagina.html", TRespostaLocal{200, "<html>no movie</html>"});
    TRespostaLocal semResposta{200, MotorTeste::lerFilme("ponte.swf"), "application/x-shockwave-flash"};
    semResposta.portao = 1;
    servidor.rota("/lento.swf", semResposta);
    TFlashPlayerRuffle* player = criarPlayer();
    auto* estagio = player->findChild<QLabel*>(QStringLiteral("textoFalha"));
    auto* visao = player->findChild<QWebEngineView*>();

    const QStringList enderecos = {
        urlFilme("nada.swf"), servidor.url("/pagina.html"), QStringLiteral("http://127.0.0.1:9/filme.swf"),
        QUrl::fromLocalFile(QStringLiteral(QUILLET_DADOS_TESTE "/swf/ponte.swf")).toString()};
    const QStringList motivos = {QStringLiteral("the server answered 404"),
                                 QStringLiteral("not a Flash movie"), QStringLiteral("could not be reached"),
                                 QStringLiteral("only web addresses")};
    for (qsizetype i = 0; i < enderecos.size(); ++i) {
        SCOPED_TRACE(enderecos[i].toStdString());
        player->setMovie(enderecos[i]);
        ASSERT_TRUE(esperarEstados(static_cast<int>(i) + 1));
        EXPECT_TRUE(estagio->isVisible());
        EXPECT_TRUE(estagio->text().startsWith(
            QStringLiteral("The movie at %1 could not be loaded").arg(enderecos[i])))
            << estagio->text().toStdString();
        EXPECT_TRUE(estagio->text().contains(motivos[i])) << estagio->text().toStdString();
    }

    player->findChild<QTimer*>(QStringLiteral("timerCarga"))->setInterval(100);
    player->setMovie(servidor.url("/lento.swf"));
    ASSERT_TRUE(esperarEstados(5));
    EXPECT_TRUE(estagio->text().contains(QStringLiteral("did not start within")));
    EXPECT_EQ(estados, QList<int>({0, 4, 0, 4, 0, 4, 0, 4, 0, 4}));

    servidor.abrirPortao(1); // the movie comes after all: it shows
    ASSERT_TRUE(esperarRastro(QStringLiteral("Browser identity: undefined")));
    EXPECT_TRUE(visao->isVisible());
    EXPECT_FALSE(estagio->isVisible());
    EXPECT_EQ(estados.size(), 10);
}

// The engine's page asks for the interface language (the engine's menu
// speaks it), and the stage of a failed movie follows a change at once.
TEST_F(PlayerRuffle, ThePageAndTheFailureStageSpeakTheInterfaceLanguage) {
    TIdioma idioma;
    idioma.carregarIdioma("PT");
    TTradutorIdioma tradutor(idioma);
    TFlashPlayerRuffle* player = criarPlayer();
    auto* estagio = player->findChild<QLabel*>(QStringLiteral("textoFalha"));
    player->setMovie(urlFilme("nada.swf"));
    ASSERT_TRUE(esperar([&] { return estagio->isVisible(); }));
    EXPECT_TRUE(estagio->text().startsWith(
        QStringLiteral("O filme em %1 não pôde ser carregado: o servidor respondeu 404")
            .arg(urlFilme("nada.swf"))))
        << estagio->text().toStdString();
    EXPECT_EQ(executar(player, QStringLiteral("navigator.languages.join()")).toString(), "pt-BR");

    // Widgets hear of the change from the event loop.
    idioma.carregarIdioma("EN");
    EXPECT_TRUE(esperar([&] { return estagio->text().startsWith(QStringLiteral("The movie at ")); }))
        << estagio->text().toStdString();
    EXPECT_TRUE(esperar([&] {
        return executar(player, QStringLiteral("navigator.languages.join()")).toString() == "en-US";
    }));
}

TEST_F(PlayerRuffle, APlayerDestroyedByItsOwnCallGoesQuietly) {
    TFlashPlayerRuffle* player = criarPlayer();
    QPointer<QWebEngineView> visao = player->findChild<QWebEngineView*>();
    player->OnFlashCall = [&](const QString&) { delete player; };
    player->setMovie(urlFilme("ponte.swf"));
    ASSERT_TRUE(esperar([&] { return visao.isNull(); }));
}
