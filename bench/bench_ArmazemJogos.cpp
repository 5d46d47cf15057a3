// What the checks on the games' stored data cost: the start-up count of all
// four games (on a worker), each folder holding far more than the cap in
// one-byte files (the most entries a count can meet: it stops at cap / 4 KiB
// of them), and the erase of one game on the UI thread (moving its folders
// aside; the deleting is a worker's). The anchor, side by side: merely
// listing the same number of entries, without looking at any.
// Usage: bench_armazem_jogos [files per game] [repetitions]
#include "player/unit_ArmazemJogos.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThreadPool>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr qint64 limite = 50LL * 1024 * 1024;
const QString jogos[] = {QStringLiteral("Velmora"), QStringLiteral("Kraddle"), QStringLiteral("Gumbrel"),
                         QStringLiteral("Lurrow")};

void encher(const QString& pasta, int arquivos) {
    QDir().mkpath(pasta);
    for (int i = 0; i < arquivos; ++i) {
        QFile arquivo(QStringLiteral("%1/%2").arg(pasta).arg(i));
        arquivo.open(QIODevice::WriteOnly);
        arquivo.write("x");
    }
}

double ms(const QElapsedTimer& relogio) {
    return static_cast<double>(relogio.nsecsElapsed()) / 1e6;
}

double mediana(std::vector<double> valores) {
    std::sort(valores.begin(), valores.end());
    return valores[valores.size() / 2];
}

// Lists `entradas` entries of the four games' folders, looking at none.
double listar(const QString& base, qint64 entradas) {
    QElapsedTimer relogio;
    relogio.start();
    for (const QString& jogo : jogos) {
        QDirIterator lista(base + QLatin1Char('/') + jogo, QDir::AllEntries | QDir::NoDotAndDotDot,
                           QDirIterator::Subdirectories);
        for (qint64 i = 0; i < entradas && lista.hasNext(); ++i)
            lista.next();
    }
    return ms(relogio);
}

} // namespace

int main(int argc, char** argv) {
    const int arquivos = argc > 1 ? std::max(1, atoi(argv[1])) : 20'000;
    const int vezes = argc > 2 ? std::max(1, atoi(argv[2])) : 9;
    QTemporaryDir raiz;
    const QString dados = raiz.filePath(QStringLiteral("dados"));
    for (const QString& jogo : jogos)
        encher(dados + QLatin1Char('/') + jogo + QStringLiteral("/IndexedDB"), arquivos);

    std::vector<double> conferir, ancora;
    qint64 contado = 0;
    for (int i = 0; i < vezes; ++i) {
        TArmazemJogos armazem({dados, raiz.filePath(QStringLiteral("cache"))});
        QElapsedTimer relogio;
        relogio.start();
        for (const QString& jogo : jogos)
            contado = armazem.tamanho(jogo, limite);
        conferir.push_back(ms(relogio));
        ancora.push_back(listar(dados, limite / TArmazemJogos::bloco + 2));
    }
    std::printf("four games of %d files each, counted up to %lld MiB (last count %.1f MiB), medians of %d:\n",
                arquivos, limite >> 20, static_cast<double>(contado) / (1 << 20), vezes);
    std::printf(
        "  start-up count    %8.2f ms on a worker\n  anchor (listing)  %8.2f ms\n  ratio             %8.2f\n",
        mediana(conferir), mediana(ancora), mediana(conferir) / mediana(ancora));

    TArmazemJogos armazem({dados, raiz.filePath(QStringLiteral("cache"))});
    armazem.tamanho(jogos[0], limite);
    QElapsedTimer relogio;
    relogio.start();
    armazem.descartar(jogos[1]);
    std::printf("  erase one game    %8.2f ms on the UI thread\n", ms(relogio));
    relogio.restart();
    QThreadPool::globalInstance()->waitForDone();
    std::printf("  deleting it       %8.2f ms on a worker\n", ms(relogio));
    return 0;
}
