#include "player/unit_ArmazemJogos.h"
#include "player/unit_PerfisRuffle.h"
#include "tests/player/unit_AmbienteRuffle.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QWebEnginePage>

using namespace MotorTeste;

namespace {

QStringList arquivos(const QString& pasta) {
    QStringList encontrados;
    QDirIterator entradas(pasta, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (entradas.hasNext())
        encontrados << entradas.next();
    return encontrados;
}

} // namespace

// Players of games each with a profile of its own, whose folders are in the
// test's temporary folder; the desktop's standard data and cache places
// point into it too, where nothing may be written.
class PerfisRuffle : public TAmbienteRuffle {
protected:
    void SetUp() override {
        TAmbienteRuffle::SetUp();
        qputenv("XDG_DATA_HOME", QFile::encodeName(raiz.filePath(QStringLiteral("padrao/share"))));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(raiz.filePath(QStringLiteral("padrao/cache"))));
    }
    void TearDown() override {
        qDeleteAll(players);
        for (const QString& jogo : {QStringLiteral("Kraddle"), QStringLiteral("Lurrow")})
            EXPECT_TRUE(TPerfisRuffle::liberar(jogo));
    }

    // A player of `jogo` playing the still movie, once it plays.
    TFlashPlayerRuffle* tocar(const QString& jogo) {
        auto* player =
            new TFlashPlayerRuffle(&janela, TPerfisRuffle::perfil(jogo, armazem.pastasDoJogo(jogo)));
        TPerfisRuffle::usar(jogo, player->findChild<QWebEnginePage*>());
        players << player;
        bool tocando = false;
        player->OnReadyStateChange = [&tocando](int estado) { tocando = tocando || estado == 4; };
        player->setMovie(urlFilme("estatico.swf"));
        EXPECT_TRUE(esperar([&] { return tocando; }));
        player->OnReadyStateChange = nullptr;
        return player;
    }
    void fechar(TFlashPlayerRuffle* player) {
        players.removeOne(player);
        delete player;
    }
    static QString lido(TFlashPlayerRuffle* player) {
        return executar(player, QStringLiteral("String(localStorage.getItem('progresso'))")).toString();
    }
    static void guardar(TFlashPlayerRuffle* player, const QString& valor) {
        executar(player, QStringLiteral("localStorage.setItem('progresso', '%1'); 1").arg(valor));
    }

    QTemporaryDir raiz;
    TArmazemJogos armazem{{raiz.filePath(QStringLiteral("dados")), raiz.filePath(QStringLiteral("cache"))}};
    QList<TFlashPlayerRuffle*> players;
};

// Two games' movies at one origin: what one stores the other never sees, and
// each game's data lives in its own folders and nowhere else.
TEST_F(PerfisRuffle, CadaJogoGuardaSoNasSuasPastas) {
    TFlashPlayerRuffle* kraddle = tocar(QStringLiteral("Kraddle"));
    guardar(kraddle, QStringLiteral("fase 7"));
    TFlashPlayerRuffle* lurrow = tocar(QStringLiteral("Lurrow"));
    EXPECT_EQ(lido(lurrow), QStringLiteral("null"));
    EXPECT_EQ(lido(kraddle), QStringLiteral("fase 7"));

    const QString dadosKraddle = raiz.filePath(QStringLiteral("dados/Kraddle"));
    EXPECT_TRUE(arquivos(dadosKraddle).filter(QStringLiteral("Local Storage")).size() > 0);
    EXPECT_FALSE(arquivos(raiz.filePath(QStringLiteral("cache/Kraddle"))).isEmpty());
    EXPECT_EQ(arquivos(raiz.filePath(QStringLiteral("padrao"))), QStringList());
}

// A game's profile stays while a page of it lives; let go and made again it
// finds what the game stored; erased, the game starts afresh.
TEST_F(PerfisRuffle, PerfilSoltoEFeitoDeNovoAchaODoJogoEApagadoComecaDoZero) {
    TFlashPlayerRuffle* primeiro = tocar(QStringLiteral("Kraddle"));
    guardar(primeiro, QStringLiteral("fase 7"));
    EXPECT_FALSE(TPerfisRuffle::liberar(QStringLiteral("Kraddle")));
    fechar(primeiro);
    ASSERT_TRUE(TPerfisRuffle::liberar(QStringLiteral("Kraddle")));

    TFlashPlayerRuffle* segundo = tocar(QStringLiteral("Kraddle"));
    EXPECT_EQ(lido(segundo), QStringLiteral("fase 7"));
    fechar(segundo);
    ASSERT_TRUE(TPerfisRuffle::liberar(QStringLiteral("Kraddle")));
    armazem.descartar(QStringLiteral("Kraddle"));

    TFlashPlayerRuffle* terceiro = tocar(QStringLiteral("Kraddle"));
    EXPECT_EQ(lido(terceiro), QStringLiteral("null"));
    guardar(terceiro, QStringLiteral("fase 1"));
    EXPECT_EQ(lido(terceiro), QStringLiteral("fase 1"));
}
