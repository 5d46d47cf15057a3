// Time from Movie to ready state 4, and the resident memory of the program
// with its browser processes, for one of the engine's test movies
// (avm1_ei.swf, served from 127.0.0.1): the player on the SWF engine versus
// the stand-in. The engine's first movie includes starting the browser; a
// movie of another origin (another port) needs a new page in its player.
// Run offscreen: QT_QPA_PLATFORM=offscreen bench_player_ruffle [repetitions]
#include "bench/unit_AmbienteMotor.h"
#include "bench/unit_ArvoreProcessos.h"
#include "player/unit_FlashPlayerRuffle.h"
#include "player/unit_FlashPlayerSubstituto.h"
#include "player/unit_PaginaRuffle.h"
#include "tests/support/unit_ServidorLocal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <algorithm>
#include <cstdio>
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
    auto* motor = new TFlashPlayerRuffle(&janela, TPaginaRuffle::perfil({}));
    linha("engine", "first movie (browser starting)", tempoAte4(motor, url), memoria());
    linha("engine", "next movies in the same player, median", mediana(repetir(vezes, motor, url)), memoria());
    linha("engine", "a movie of another origin, same player",
          tempoAte4(motor, outraOrigem.url("/avm1_ei.swf")), memoria());
    auto* segundo = new TFlashPlayerRuffle(&janela, TPaginaRuffle::perfil({}));
    linha("engine", "a second player (its own page)", tempoAte4(segundo, url), memoria());
    delete segundo;
    delete motor;
    return 0;
}
