// Time from Movie to ready state 4, and the resident memory of the program
// with its browser processes, for one of the engine's test movies
// (avm1_ei.swf, served from 127.0.0.1): the player on the SWF engine versus
// the stand-in. The engine's first movie includes starting the browser; a
// movie of another origin (another port) needs a new page in its player; a
// second game's player costs a page, and a profile when the game has its own.
// Run offscreen: QT_QPA_PLATFORM=offscreen bench_player_ruffle [repetitions]
#include "bench/unit_AmbienteMotor.h"
#include "bench/unit_ArvoreProcessos.h"
#include "player/unit_FlashPlayerRuffle.h"
#include "player/unit_FlashPlayerSubstituto.h"
#include "player/unit_PaginaRuffle.h"
#include "player/unit_PerfisRuffle.h"
#include "tests/support/unit_ServidorLocal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using ArvoreProcessos::TMemoria;

// This process and its browser's.
TMemoria memoria() {
    return ArvoreProcessos::memoria(ArvoreProcessos::arvore(QCoreApplication::applicationPid()));
}

// Milliseconds from Movie to ready state 4; -1 when it never came.
double tempoAte4(TFlashPlayer* player, const QString& url) {
    bool pronto = false;
    player->OnReadyStateChange = [&](int estado) { pronto = pronto || estado == 4; };
    QElapsedTimer relogio;
    relogio.start();
    player->setMovie(url);
    if (!QTest::qWaitFor([&] { return pronto; }, 60000))
        return -1;
    return static_cast<double>(relogio.nsecsElapsed()) / 1e6;
}

double mediana(std::vector<double> valores) {
    std::sort(valores.begin(), valores.end());
    return valores[valores.size() / 2];
}

void linha(const char* player, const char* caso, double ms, const TMemoria& m) {
    std::printf("%-10s %-44s %10.0f %12.0f %12.0f\n", player, caso, ms, m.residenteMb, m.proporcionalMb);
}

std::vector<double> repetir(int vezes, TFlashPlayer* player, const QString& url) {
    std::vector<double> tempos;
    for (int i = 0; i < vezes; ++i)
        tempos.push_back(tempoAte4(player, url));
    return tempos;
}

// A second game's player beside the first, in turn in the first game's
// profile (a page of its own) and in a profile of its own (as each game now
// has): medians of the time to its movie and of the memory with both playing,
// a second after.
void segundoPlayer(int vezes, const std::function<TFlashPlayerRuffle*(const QString&)>& playerDe,
                   const QString& url) {
    const QString casos[] = {QStringLiteral("Velmora"), QStringLiteral("Kraddle")};
    std::vector<double> tempos[2], residente[2], proporcional[2];
    for (int i = 0; i < vezes; ++i) {
        for (int caso = 0; caso < 2; ++caso) {
            TFlashPlayerRuffle* segundo = playerDe(casos[caso]);
            tempos[caso].push_back(tempoAte4(segundo, url));
            QTest::qWait(1000);
            const TMemoria m = memoria();
            residente[caso].push_back(m.residenteMb);
            proporcional[caso].push_back(m.proporcionalMb);
            delete segundo;
            if (caso == 1)
                TPerfisRuffle::liberar(casos[caso]);
            QTest::qWait(1000);
        }
    }
    const char* nomes[] = {"second player, the first game's profile", "second player, a profile of its own"};
    for (int caso = 0; caso < 2; ++caso)
        linha("engine", nomes[caso], mediana(tempos[caso]),
              {mediana(residente[caso]), mediana(proporcional[caso])});
}

// The socket bridge's entries a movie is loaded with: none, as many as a game
// keeps (32), and one for every port of its host, in turn in the same player.
void entradasSocket(int vezes, TFlashPlayerRuffle* player, const QString& url) {
    const int quantas[] = {0, 32, 65535};
    std::vector<double> tempos[3];
    for (int i = 0; i < vezes; ++i) {
        for (int caso = 0; caso < 3; ++caso) {
            QList<TServidorSocket> servidores;
            for (int porta = 1; porta <= quantas[caso]; ++porta)
                servidores.append({QStringLiteral("127.0.0.1"), porta});
            player->setServidoresSocket(servidores);
            tempos[caso].push_back(tempoAte4(player, url));
        }
    }
    player->setServidoresSocket({});
    for (int caso = 0; caso < 3; ++caso)
        linha("engine",
              qPrintable(QStringLiteral("next movie with %1 socket entries, median").arg(quantas[caso])),
              mediana(tempos[caso]), memoria());
}

} // namespace

int main(int argc, char** argv) {
    // The engine's files are in the build folder, beside the program.
    AmbienteMotor::preparar(QUILLET_PASTA_BUILD);
    QApplication aplicacao(argc, argv);
    const int vezes = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    QFile filme(QStringLiteral(QUILLET_DADOS_TESTE "/swf/avm1_ei.swf"));
    if (!filme.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "test movie missing\n");
        return 1;
    }
    const TRespostaLocal resposta{200, filme.readAll(), "application/x-shockwave-flash"};
    TServidorLocal servidor;
    TServidorLocal outraOrigem;
    for (TServidorLocal* s : {&servidor, &outraOrigem})
        s->rota("/avm1_ei.swf", resposta);
    const QString url = servidor.url("/avm1_ei.swf");

    QWidget janela;
    janela.resize(840, 626);
    janela.show();

    std::printf("%-10s %-44s %10s %12s %12s\n", "player", "case", "Movie->4 ms", "RSS MB", "PSS MB");
    linha("-", "before any player", 0, memoria());

    auto* substituto = new TFlashPlayerSubstituto(&janela);
    linha("stand-in", "first movie", tempoAte4(substituto, url), memoria());
    linha("stand-in", "next movies, median", mediana(repetir(vezes, substituto, url)), memoria());
    delete substituto;

    if (!TPaginaRuffle::instalada()) {
        std::printf("The SWF engine is not installed: no engine figures.\n");
        return 0;
    }
    // On disk, as the program keeps each game's data.
    QTemporaryDir pastas;
    const TPastasNavegador bases{pastas.filePath(QStringLiteral("dados")),
                                 pastas.filePath(QStringLiteral("cache"))};
    const auto playerDe = [&](const QString& jogo) {
        return new TFlashPlayerRuffle(&janela, TPerfisRuffle::perfil(jogo, bases.doJogo(jogo)));
    };
    auto* motor = playerDe(QStringLiteral("Velmora"));
    linha("engine", "first movie (browser starting)", tempoAte4(motor, url), memoria());
    linha("engine", "next movies in the same player, median", mediana(repetir(vezes, motor, url)), memoria());
    entradasSocket(vezes, motor, url);
    linha("engine", "a movie of another origin, same player",
          tempoAte4(motor, outraOrigem.url("/avm1_ei.swf")), memoria());
    segundoPlayer(vezes, playerDe, url);
    delete motor;
    return 0;
}
