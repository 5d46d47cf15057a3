#include "player/unit_EsquemaRuffle.h"
#include "tests/player/unit_AmbienteRuffle.h"
#include "tests/support/unit_Impressao.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <optional>

using namespace MotorTeste;

namespace {

const QByteArray segredo = "segredo 7Hq2";

// scheme://host:port
QString origem(const TServidorLocal& servidor) {
    return servidor.url("");
}

} // namespace

// A movie at the first server's origin, and a second origin (another port)
// that collects what the movie sends it.
class OrigemRuffle : public TAmbienteRuffle {
protected:
    void SetUp() override {
        TAmbienteRuffle::SetUp();
        for (TServidorLocal* s : {&servidor, &outro})
            s->rota("/coleta", TRespostaLocal{200, "ok", "text/plain"});
        servirFilmes(outro);
    }

    // The movie that reads `alvo` and sends what it read to `coleta`.
    QString leitura(const QString& alvo, const QString& coleta) const {
        QUrlQuery consulta;
        consulta.addQueryItem(QStringLiteral("alvo"), alvo);
        consulta.addQueryItem(QStringLiteral("coleta"), coleta);
        QUrl url(urlFilme("leitura.swf"));
        url.setQuery(consulta);
        return url.toString(QUrl::FullyEncoded);
    }

    // The next request that reaches `coletor`'s collecting route.
    std::optional<TPedidoLocal> proximaColeta(const TServidorLocal& coletor, qsizetype antes) {
        const auto coletas = [&] {
            QList<TPedidoLocal> lista;
            for (const TPedidoLocal& pedido : coletor.pedidos())
                if (pedido.caminho == "/coleta")
                    lista.append(pedido);
            return lista;
        };
        if (!esperar([&] { return coletas().size() > antes; }))
            return std::nullopt;
        return coletas().at(antes);
    }

    TServidorLocal outro;
};

// The movie sends what it read to another origin, as a stolen secret would go.
TEST_F(OrigemRuffle, AMovieReadsWhatAWebPageAtItsAddressMayReadAndNothingElse) {
    const TRespostaLocal texto{200, segredo, "text/plain"};
    servidor.rota("/segredo.txt", texto);
    servidor.rota("/desvio", TRespostaLocal::redirecionar(outro.url("/fechado.txt").toUtf8()));
    outro.rota("/fechado.txt", texto);
    TRespostaLocal permitido = texto;
    permitido.cabecalhos = {{"Access-Control-Allow-Origin", origem(servidor).toUtf8()}};
    outro.rota("/aberto.txt", permitido);
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    QFile arquivo(pasta.filePath(QStringLiteral("segredo.txt")));
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly) && arquivo.write(segredo) == segredo.size());
    arquivo.close();

    struct TCaso {
        QString alvo;
        bool legivel;
    };
    const QList<TCaso> casos = {
        {servidor.url("/segredo.txt"), true},
        {outro.url("/aberto.txt"), true},
        {QUrl::fromLocalFile(arquivo.fileName()).toString(), false},
        {outro.url("/fechado.txt"), false},
        {servidor.url("/desvio"), false},
    };
    TFlashPlayerRuffle* player = criarPlayer();
    for (qsizetype i = 0; i < casos.size(); ++i) {
        SCOPED_TRACE(casos[i].alvo.toStdString());
        player->setMovie(leitura(casos[i].alvo, outro.url("/coleta")));
        const std::optional<TPedidoLocal> coleta = proximaColeta(outro, i);
        ASSERT_TRUE(coleta) << "the movie reported nothing";
        if (casos[i].legivel)
            EXPECT_EQ(coleta->parametro("d"), segredo);
        else
            EXPECT_EQ(coleta->parametro("d"), QByteArray("undefined"));
    }
    EXPECT_EQ(outro.contar("/fechado.txt"), 2) << "the reads went out and their answers were withheld";
}

TEST_F(OrigemRuffle, TheGameHostsCookieGoesWithTheMoviesNextRequestToIt) {
    servidor.rota("/entrar", TRespostaLocal{200, "ok", "text/plain", {{"Set-Cookie", "sessao=b7; Path=/"}}});
    TFlashPlayerRuffle* player = criarPlayer();
    player->setMovie(leitura(servidor.url("/entrar"), servidor.url("/coleta")));
    const std::optional<TPedidoLocal> coleta = proximaColeta(servidor, 0);
    ASSERT_TRUE(coleta);
    EXPECT_EQ(coleta->cabecalho("Cookie"), QByteArray("sessao=b7"));
}

TEST_F(OrigemRuffle, ThePageLivesAtItsMoviesOriginAndMovesWithANewMovie) {
    TFlashPlayerRuffle* player = criarPlayer();
    for (const TServidorLocal* host : {&servidor, &outro}) {
        rastros.clear();
        player->setMovie(host->url("/swf/ponte.swf"));
        ASSERT_TRUE(esperarRastro(QStringLiteral("Browser identity: undefined")));
        EXPECT_EQ(executar(player, QStringLiteral("location.origin")), origem(*host));
    }

    // Neither the page nor a frame in it goes anywhere else.
    executar(player, QStringLiteral("location.href = '%1';"
                                    "const quadro = document.createElement('iframe');"
                                    "quadro.src = '%2';"
                                    "document.body.appendChild(quadro);"
                                    "fetch('%3');")
                         .arg(servidor.url("/fora"), servidor.url("/quadro"), outro.url("/marca")));
    ASSERT_TRUE(esperar([&] { return outro.contar("/marca") == 1; }));
    EXPECT_EQ(executar(player, QStringLiteral("location.origin")), origem(outro));
    EXPECT_EQ(servidor.contar("/fora") + servidor.contar("/quadro"), 0);
}

// Only files inside the engine's package, reached through a link as the
// build reaches it, are served; nothing a path or a link leads out to.
TEST(EsquemaRuffle, ServesOnlyTheFilesInsideTheEnginesPackage) {
    QTemporaryDir raiz;
    ASSERT_TRUE(raiz.isValid());
    const QDir dir(raiz.path());
    ASSERT_TRUE(dir.mkpath(QStringLiteral("pacote/sub")) && dir.mkpath(QStringLiteral("pacote/vazia")));
    for (const char* nome : {"pacote/ruffle.js", "pacote/sub/core.wasm", "segredo.txt"}) {
        QFile arquivo(dir.filePath(QString::fromLatin1(nome)));
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(
        QFile::link(dir.filePath(QStringLiteral("pacote")), dir.filePath(QStringLiteral("instalado"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("ruffle.js"), dir.filePath(QStringLiteral("pacote/dentro.js"))));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("segredo.txt")),
                            dir.filePath(QStringLiteral("pacote/fora.js"))));
    ASSERT_TRUE(QFile::link(raiz.path(), dir.filePath(QStringLiteral("pacote/acima"))));

    const QString pacote = dir.filePath(QStringLiteral("instalado"));
    const QString real = QFileInfo(dir.filePath(QStringLiteral("pacote"))).canonicalFilePath();
    const auto servido = [&](const char* url) {
        return TEsquemaRuffle::arquivo(pacote, QUrl(QString::fromLatin1(url)));
    };
    EXPECT_EQ(servido("quillet://motor/ruffle.js"), real + QStringLiteral("/ruffle.js"));
    EXPECT_EQ(servido("quillet://motor/sub/core.wasm"), real + QStringLiteral("/sub/core.wasm"));
    EXPECT_EQ(servido("quillet://motor/dentro.js"), real + QStringLiteral("/ruffle.js"));

    for (const char* recusado :
         {"quillet://motor/../segredo.txt", "quillet://motor/sub/%2e%2e/%2E%2E/segredo.txt",
          "quillet://motor/sub/..%2f..%2fsegredo.txt", "quillet://motor/fora.js",
          "quillet://motor/acima/segredo.txt", "quillet://motor/vazia", "quillet://motor/",
          "quillet://motor/nada.js", "quillet://motor/ruffle.js%00.txt", "quillet://outro/ruffle.js",
          "file:///ruffle.js", "http://motor/ruffle.js"}) {
        EXPECT_EQ(servido(recusado), QString()) << recusado;
    }
}
