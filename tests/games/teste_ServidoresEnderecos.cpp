// What a game's movie reaches besides its page: the game servers its sockets
// may connect to, and the web addresses it opens in the desktop's browser.
#include "core/unit_ArquivoConfig.h"
#include "core/unit_Constantes.h"
#include "games/unit_ServidoresJogos.h"
#include "games/unit_frameOutroJogo.h"
#include "games/unit_frameVelmora.h"
#include "linkguard/unit_VerificadorURL.h"
#include "linkguard/unit_VigiaLinks.h"
#include "linkguard/unit_frameProtetor.h"
#include "net/unit_Trabalhador.h"
#include "tests/games/unit_AmbienteJogos.h"
#include "tests/support/unit_ServidorLocal.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace std::chrono_literals;

namespace {

const TServidorSocket servidorA{QStringLiteral("a.example"), 5555};
const TServidorSocket servidorB{QStringLiteral("b.example"), 443};
const TServidorSocket servidorC{QStringLiteral("2001:db8::1"), 9339};

bool esperar(const std::function<bool()>& condicao) {
    return QTest::qWaitFor(condicao, 20000);
}

} // namespace

using ServidoresJogos = TAmbienteJogos;

// The definitions document's servers for the game, then those its movie was
// found to reach, in this run and the next.
TEST_F(ServidoresJogos, AGamesMovieGetsTheServersNamedForItAndThoseItWasFoundToReach) {
    principal->qlDef = {QStringLiteral("SOCKETS_kraddle=a.example:5555, b.example:443 nonsense"),
                        QStringLiteral("sockets_velmora=c.example:1")};
    TFlashPlayerFalso* kraddle = abrirPronto(1);
    EXPECT_EQ(kraddle->servidores, QList<TServidorSocket>({servidorA, servidorB}));

    kraddle->descobrir(servidorC);
    kraddle->descobrir(servidorA);
    principal->fechandoJogo = 0;
    principal->fecharOutroJogo();
    EXPECT_EQ(abrirPronto(1)->servidores, QList<TServidorSocket>({servidorA, servidorB, servidorC}));
    EXPECT_EQ(abrirPronto(2)->servidores, QList<TServidorSocket>()) << "another game has its own";

    TServidoresJogos proximaExecucao(teste.pastaDados() + QStringLiteral("servidores/"));
    EXPECT_EQ(proximaExecucao.aprendidos(QStringLiteral("kraddle")),
              QList<TServidorSocket>({servidorC, servidorA}));
}

TEST(ServidoresJogosArquivo, KeepsTheNewestAndNeverWritesOverWhatItCannotRead) {
    QTemporaryDir pasta;
    const QString raiz = pasta.filePath(QStringLiteral("servidores/"));
    TServidoresJogos servidores(raiz);
    for (int porta = 1; porta <= TServidoresJogos::maximoPorJogo + 2; ++porta)
        ASSERT_TRUE(servidores.aprender(QStringLiteral("lurrow"), {QStringLiteral("l.example"), porta}));
    const QList<TServidorSocket> guardados = servidores.aprendidos(QStringLiteral("lurrow"));
    ASSERT_EQ(guardados.size(), TServidoresJogos::maximoPorJogo);
    EXPECT_EQ(guardados.first().porta, 3);
    EXPECT_EQ(guardados.last().porta, TServidoresJogos::maximoPorJogo + 2);

    // Someone else's line, bytes that are no UTF-8, a folder in the file's place.
    const QList<QByteArray> ilegiveis{"l.example:1\nnot a server\n", "l.example:1\n\xff\xfe\n"};
    for (const QByteArray& conteudo : ilegiveis) {
        QFile arquivo(raiz + QStringLiteral("gumbrel.txt"));
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(conteudo);
        arquivo.close();
        EXPECT_TRUE(servidores.aprendidos(QStringLiteral("gumbrel")).isEmpty());
        EXPECT_FALSE(servidores.aprender(QStringLiteral("gumbrel"), servidorA));
        ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
        EXPECT_EQ(arquivo.readAll(), conteudo);
    }
    ASSERT_TRUE(QDir().mkpath(raiz + QStringLiteral("velmora.txt")));
    EXPECT_FALSE(servidores.aprender(QStringLiteral("velmora"), servidorA));
    EXPECT_TRUE(QFileInfo(raiz + QStringLiteral("velmora.txt")).isDir());
}

// A web address a movie asks to open (the user clicked in it) goes to the
// desktop's browser through the link check: judged at once, followed by a
// verifier, opened once that ends without a bad verdict, or after the wait.
class LinksDoFilme : public TAmbienteJogos {
protected:
    void SetUp() override {
        TAmbienteJogos::SetUp();
        TVerificadorURL::limites.destinosPermitidos = {servidor.destino()};
        player = abrirPronto(0);
    }
    void TearDown() override {
        TVerificadorURL::limites.destinosPermitidos.clear();
        TVigiaLinks::esperaAbertura = 10s;
        servidor.abrirPortao(1);
        esperar([] { return TTrabalhador::ativos() == 0; });
    }
    bool avisoVisivel() const { return principal->frameProtetor()->isVisible(); }
    // Until every check has ended.
    static bool verificacoesTerminadas() {
        return esperar([] { return TTrabalhador::ativos() == 0; });
    }

    TServidorLocal servidor;
    TFlashPlayerFalso* player = nullptr;
};

TEST_F(LinksDoFilme, AGoodAddressOpensOnceItsCheckEnds) {
    servidor.rota("/noticias", TRespostaLocal{200, "<title>Novidades</title>"});
    const QString url = servidor.url("/noticias");
    player->abrirEndereco(url);
    EXPECT_TRUE(teste.shell->abertos.isEmpty()) << "not before its check";
    ASSERT_TRUE(esperar([&] { return !teste.shell->abertos.isEmpty(); }));
    EXPECT_EQ(teste.shell->abertos, QStringList{url});
    EXPECT_EQ(servidor.contar("/noticias"), 1);
    EXPECT_FALSE(avisoVisivel());
}

TEST_F(LinksDoFilme, ABadAddressShowsTheWarningAndOpensNothing) {
    // Bad as it stands, or where it leads.
    servidor.rota("/curto", TRespostaLocal::redirecionar("http://site-ruim.net/roubo"));
    TRegrasLinks regras;
    regras.definirLista({QStringLiteral("site-ruim\\.net")});
    principal->definirListaBadURLs(regras);

    teste.areaTransferencia->texto = QStringLiteral("what the user copied");
    player->abrirEndereco(QStringLiteral("https://hack-gratis.com/morangos"));
    EXPECT_TRUE(avisoVisivel());
    EXPECT_EQ(teste.areaTransferencia->texto, QStringLiteral("what the user copied")) << "nothing was copied";
    principal->frameProtetor()->hide();
    player->abrirEndereco(servidor.url("/curto"));
    ASSERT_TRUE(esperar([&] { return avisoVisivel(); }));
    ASSERT_TRUE(verificacoesTerminadas());
    QTest::qWait(0);
    EXPECT_TRUE(teste.shell->abertos.isEmpty());
}

TEST_F(LinksDoFilme, ACheckThatDoesNotEndInTimeLetsTheAddressOpen) {
    TVigiaLinks::esperaAbertura = 200ms;
    servidor.rota("/lento", TRespostaLocal{.corpo = "<title>ok</title>", .portao = 1});
    const QString url = servidor.url("/lento");
    player->abrirEndereco(url);
    ASSERT_TRUE(esperar([&] { return !teste.shell->abertos.isEmpty(); }));
    EXPECT_EQ(teste.shell->abertos, QStringList{url});
    servidor.abrirPortao(1);
    ASSERT_TRUE(verificacoesTerminadas());
    QTest::qWait(0);
    EXPECT_EQ(teste.shell->abertos.size(), 1) << "opened once";
}

// With the check off (by the user, by its language or by the definitions
// document), an address opens at once; a bad one too.
TEST_F(LinksDoFilme, WithTheCheckOffAnAddressOpensAtOnce) {
    principal->config->WriteBool(Constantes::secao, QStringLiteral("ativarVerificadorLinks"), false);
    player->abrirEndereco(QStringLiteral("http://hack-gratis.com/"));
    principal->config->WriteBool(Constantes::secao, QStringLiteral("ativarVerificadorLinks"), true);
    principal->config->WriteString(Constantes::secao, QStringLiteral("idioma"), QStringLiteral("EN"));
    player->abrirEndereco(QStringLiteral("https://jogo.example/"));
    EXPECT_EQ(teste.shell->abertos, QStringList({QStringLiteral("http://hack-gratis.com/"),
                                                 QStringLiteral("https://jogo.example/")}));
    EXPECT_FALSE(avisoVisivel());
    EXPECT_EQ(principal->vigiaLinks->filaVerificacoes().emCurso(), 0);
}
