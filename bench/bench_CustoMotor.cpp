// What the player on the SWF engine costs next to bare Ruffle, measured side
// by side under X: the program's player and the anchor, bench_ancora_ruffle
// (a program linking only Qt WebEngine: a bare QWebEngineView with its own
// QWebEngineProfile loading a minimal page that loads the same ruffle.js and
// plays the same movie with Ruffle's default configuration, but for playing
// at once without a click (autoplay "on", the unmute overlay hidden: the
// browser allows no sound before a user's gesture), as the player does).
// The player's side is this program as the launcher is: it does not link Qt
// WebEngine, shows an 840 x 626 window, and only then has the program's
// factory make a player (which loads the engine's module from the build's
// plugins folder) and sets its Movie, as a click on a game's tile does. Both
// play tests/data/swf/estatico.swf, a still picture, and both get everything
// over HTTP from one local server on 127.0.0.1 run by this program: the
// movie, and for the anchor its page and the engine's package too (that is
// how a web page gets Ruffle; the program's player takes the engine from its
// own scheme and keeps its page at the movie's origin). Both browsers keep
// their data in memory only, so every run starts cold.
//
// Each run is a fresh process (the player's side or the anchor), started the
// same way: same display, same environment, its window at the screen's
// top-left corner. Runs alternate (player, anchor, anchor, player, ...); the
// first run of each side is dropped and medians are taken.
//
// - first frame: from the start of the process, and from the moment the
//   player is asked for (the click) or the anchor starts loading its page, to
//   the movie's colour showing on the screen at the middle of the window
//   (this program reads the pixel every 10 ms);
// - processor time over 10 s of the still movie, 5 s after its first frame,
//   summed over the process and its browser's processes;
// - memory of those processes at the end (resident, and proportional: pages
//   shared between processes split among them).
//
// Usage: bench_custo_motor [runs per side, default 6]
// Without DISPLAY it starts its own Xvfb and stops it at the end.
#include "bench/unit_ArvoreProcessos.h"
#include "player/unit_FabricaPlayerLinux.h"
#include "tests/support/unit_ServidorLocal.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <map>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int largura = 840;
constexpr int altura = 626;
const QColor corFilme(0x1F, 0x7A, 0x4D); // estatico.swf's stage
constexpr int assentarMs = 5000;
constexpr int medirMs = 10000;
constexpr int limiteQuadroMs = 120000;

const QByteArray paginaAncora = R"(<!DOCTYPE html>
<html>
<head>
<meta charset="utf-8">
<style>
  html, body { margin: 0; width: 100%; height: 100%; overflow: hidden; }
  ruffle-player { display: block; width: 100%; height: 100%; }
</style>
<script src="ruffle/ruffle.js"></script>
</head>
<body>
<script>
  const player = window.RufflePlayer.newest().createPlayer();
  document.body.appendChild(player);
  player.ruffle().load({url: "/estatico.swf", autoplay: "on", unmuteOverlay: "hidden"});
</script>
</body>
</html>
)";

qint64 agoraNs() {
    timespec agora{};
    clock_gettime(CLOCK_MONOTONIC, &agora);
    return qint64(agora.tv_sec) * 1000000000 + agora.tv_nsec;
}

// A moment of a run, told to the measuring process on standard output.
void relatar(const char* marco) {
    std::printf("%s %lld\n", marco, static_cast<long long>(agoraNs()));
    std::fflush(stdout);
}

// --- The player's side, in a process of its own ---------------------------

int ladoPlayer(int argc, char** argv, const QString& filme) {
    // The engine's files are in the build folder.
    if (!qEnvironmentVariableIsSet("QUILLET_DADOS"))
        qputenv("QUILLET_DADOS", QUILLET_PASTA_BUILD);
    QApplication aplicacao(argc, argv);
    QWidget janela;
    janela.setGeometry(0, 0, largura, altura);
    janela.show();
    TFabricaPlayerLinux fabrica({}, {QStringLiteral(QUILLET_PASTA_MODULOS)});
    qputenv("QUILLET_PLAYER", "ruffle"); // no stand-in in its place
    QTimer::singleShot(0, &janela, [&] {
        relatar("movie");
        TFlashPlayer* player = fabrica.criar(&janela, QStringLiteral("Velmora"));
        player->setAlinhado(true);
        player->show();
        player->setMovie(filme);
    });
    return aplicacao.exec();
}

// --- The measuring process -------------------------------------------------

struct TExecucao {
    double inicioAteQuadroMs = -1;
    double movieAteQuadroMs = -1;
    double cpuSegundos = 0;
    ArvoreProcessos::TMemoria memoria;
};

void esperarMs(int ms) {
    QEventLoop laco;
    QTimer::singleShot(ms, &laco, &QEventLoop::quit);
    laco.exec();
}

bool quadroNaTela() {
    const QColor cor = QGuiApplication::primaryScreen()
                           ->grabWindow(0, largura / 2, altura / 2, 1, 1)
                           .toImage()
                           .pixelColor(0, 0);
    return std::abs(cor.red() - corFilme.red()) <= 2 && std::abs(cor.green() - corFilme.green()) <= 2 &&
           std::abs(cor.blue() - corFilme.blue()) <= 2;
}

// Processor time per process now.
std::map<qint64, double> cpuPorProcesso(qint64 raiz) {
    std::map<qint64, double> cpu;
    for (qint64 pid : ArvoreProcessos::arvore(raiz))
        cpu[pid] = ArvoreProcessos::cpuSegundos({pid});
    return cpu;
}

void encerrar(QProcess& processo) {
    const QList<qint64> arvore = ArvoreProcessos::arvore(processo.processId());
    processo.terminate();
    if (!processo.waitForFinished(10000))
        processo.kill();
    for (qint64 pid : arvore)
        ::kill(static_cast<pid_t>(pid), SIGKILL);
    processo.waitForFinished(5000);
}

std::optional<TExecucao> executar(const QString& programa, const QStringList& argumentos) {
    QProcess processo;
    processo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    std::map<QByteArray, qint64> marcos;
    QObject::connect(&processo, &QProcess::readyReadStandardOutput, &processo, [&] {
        while (processo.canReadLine()) {
            const QList<QByteArray> partes = processo.readLine().trimmed().split(' ');
            if (partes.size() == 2)
                marcos[partes[0]] = partes[1].toLongLong();
        }
    });
    const qint64 inicio = agoraNs();
    processo.start(programa, argumentos);
    QElapsedTimer relogio;
    relogio.start();
    while (!quadroNaTela()) {
        if (relogio.elapsed() > limiteQuadroMs || processo.state() == QProcess::NotRunning) {
            encerrar(processo);
            return std::nullopt;
        }
        esperarMs(10);
    }
    const qint64 quadro = agoraNs();
    TExecucao execucao;
    execucao.inicioAteQuadroMs = double(quadro - inicio) / 1e6;
    if (marcos.contains("movie"))
        execucao.movieAteQuadroMs = double(quadro - marcos["movie"]) / 1e6;

    esperarMs(assentarMs);
    const std::map<qint64, double> antes = cpuPorProcesso(processo.processId());
    esperarMs(medirMs);
    for (const auto& [pid, cpu] : cpuPorProcesso(processo.processId()))
        execucao.cpuSegundos += cpu - (antes.contains(pid) ? antes.at(pid) : 0);
    execucao.memoria = ArvoreProcessos::memoria(ArvoreProcessos::arvore(processo.processId()));
    encerrar(processo);
    return execucao;
}

double mediana(std::vector<double> valores) {
    if (valores.empty())
        return 0;
    std::sort(valores.begin(), valores.end());
    const size_t meio = valores.size() / 2;
    return valores.size() % 2 ? valores[meio] : (valores[meio - 1] + valores[meio]) / 2;
}

struct TLado {
    const char* nome;
    QString programa;
    QStringList argumentos;
    std::vector<TExecucao> execucoes; // the first one dropped

    double medianaDe(double TExecucao::*campo) const {
        std::vector<double> valores;
        for (const TExecucao& e : execucoes)
            valores.push_back(e.*campo);
        return mediana(valores);
    }
    double medianaMemoria(double ArvoreProcessos::TMemoria::*campo) const {
        std::vector<double> valores;
        for (const TExecucao& e : execucoes)
            valores.push_back(e.memoria.*campo);
        return mediana(valores);
    }
};

void imprimirExecucao(const char* lado, int volta, const TExecucao& e, bool descartada) {
    std::printf("%-7s %4d %14.0f %14.0f %10.2f %9.0f %9.0f%s\n", lado, volta, e.inicioAteQuadroMs,
                e.movieAteQuadroMs, e.cpuSegundos, e.memoria.residenteMb, e.memoria.proporcionalMb,
                descartada ? "  (dropped)" : "");
    std::fflush(stdout);
}

int comparar(int argc, char** argv, int voltas) {
    QApplication aplicacao(argc, argv);
    QFile filme(QStringLiteral(QUILLET_DADOS_TESTE "/swf/estatico.swf"));
    if (!filme.open(QIODevice::ReadOnly) ||
        !QFileInfo::exists(QStringLiteral(QUILLET_DIR_RUFFLE "/ruffle/ruffle.js"))) {
        std::fprintf(stderr, "the test movie or the SWF engine is missing\n");
        return 1;
    }
    TServidorLocal servidor;
    servidor.rota("/estatico.swf", TRespostaLocal{200, filme.readAll(), "application/x-shockwave-flash"});
    servidor.rota("/ancora/", TRespostaLocal{200, paginaAncora});
    const QString pacote = QStringLiteral(QUILLET_DIR_RUFFLE "/ruffle/");
    servidor.rota("/ancora/ruffle/*", [pacote](const TPedidoLocal& pedido) {
        const QString nome = QString::fromUtf8(pedido.caminho.mid(int(qstrlen("/ancora/ruffle/"))));
        QFile arquivo(pacote + nome);
        if (nome.contains(QLatin1String("..")) || !arquivo.open(QIODevice::ReadOnly))
            return TRespostaLocal{404, "nada aqui", "text/plain"};
        const QByteArray tipo = nome.endsWith(QLatin1String(".wasm")) ? "application/wasm"
                                : nome.endsWith(QLatin1String(".js")) ? "text/javascript"
                                                                      : "application/octet-stream";
        return TRespostaLocal{200, arquivo.readAll(), tipo};
    });

    const QString esta = QCoreApplication::applicationFilePath();
    TLado player{"player", esta, {QStringLiteral("--player"), servidor.url("/estatico.swf")}, {}};
    TLado ancora{"anchor",
                 QFileInfo(esta).dir().filePath(QStringLiteral("bench_ancora_ruffle")),
                 {servidor.url("/ancora/")},
                 {}};
    std::printf("%-7s %4s %14s %14s %10s %9s %9s\n", "side", "run", "start->frame", "ask->frame", "CPU s/10s",
                "RSS MB", "PSS MB");
    for (int volta = 0; volta < voltas; ++volta) {
        // player, anchor, anchor, player, ...: neither side always goes first
        TLado* ordem[2] = {&player, &ancora};
        if (volta % 2)
            std::swap(ordem[0], ordem[1]);
        for (TLado* lado : ordem) {
            const std::optional<TExecucao> execucao = executar(lado->programa, lado->argumentos);
            if (!execucao) {
                std::printf("%-7s %4d   no first frame within %d s\n", lado->nome, volta,
                            limiteQuadroMs / 1000);
                continue;
            }
            imprimirExecucao(lado->nome, volta, *execucao, volta == 0);
            if (volta > 0)
                lado->execucoes.push_back(*execucao);
        }
    }

    std::printf("\nMedians of %zu and %zu runs (first run of each side dropped):\n", player.execucoes.size(),
                ancora.execucoes.size());
    const auto razao = [](const char* titulo, double valorPlayer, double valorAncora, const char* unidade,
                          const char* meta) {
        std::printf("%-52s %9.2f %s vs %9.2f %s   ratio %.2fx (goal %s)\n", titulo, valorPlayer, unidade,
                    valorAncora, unidade, valorAncora > 0 ? valorPlayer / valorAncora : 0.0, meta);
    };
    razao("CPU over 10 s of the still movie", player.medianaDe(&TExecucao::cpuSegundos),
          ancora.medianaDe(&TExecucao::cpuSegundos), "s ", "<= 1.2x");
    razao("memory, proportional (PSS)", player.medianaMemoria(&ArvoreProcessos::TMemoria::proporcionalMb),
          ancora.medianaMemoria(&ArvoreProcessos::TMemoria::proporcionalMb), "MB", "<= 1.1x");
    razao("memory, resident (RSS)", player.medianaMemoria(&ArvoreProcessos::TMemoria::residenteMb),
          ancora.medianaMemoria(&ArvoreProcessos::TMemoria::residenteMb), "MB", "<= 1.1x");
    razao("first frame: player asked for vs anchor's start", player.medianaDe(&TExecucao::movieAteQuadroMs),
          ancora.medianaDe(&TExecucao::inicioAteQuadroMs), "ms", "<= 1.1x");
    razao("first frame: from each process's start", player.medianaDe(&TExecucao::inicioAteQuadroMs),
          ancora.medianaDe(&TExecucao::inicioAteQuadroMs), "ms", "-");
    return 0;
}

// Starts a virtual X server on a free display (the server picks it) and
// exports DISPLAY; 0 when it could not.
pid_t iniciarXvfb() {
    int canal[2];
    if (pipe(canal) != 0)
        return 0;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(canal[1], STDOUT_FILENO);
        const int nulo = open("/dev/null", O_WRONLY);
        dup2(nulo, STDERR_FILENO);
        execlp("Xvfb", "Xvfb", "-displayfd", "1", "-screen", "0", "1280x900x24", "-nolisten", "tcp", nullptr);
        _exit(127);
    }
    close(canal[1]);
    char numero[16] = {};
    const ssize_t lidos = read(canal[0], numero, sizeof numero - 1);
    close(canal[0]);
    if (pid < 0 || lidos <= 0)
        return 0;
    qputenv("DISPLAY", ":" + QByteArray(numero, int(lidos)).trimmed());
    return pid;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && qstrcmp(argv[1], "--player") == 0)
        return ladoPlayer(argc, argv, QString::fromUtf8(argv[2]));
    const int voltas = argc > 1 ? std::max(2, atoi(argv[1])) : 6;
    pid_t xvfb = 0;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && (xvfb = iniciarXvfb()) == 0) {
        std::fprintf(stderr, "no DISPLAY, and Xvfb could not be started\n");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    // Chromium refuses to run as root with its sandbox.
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    const int resultado = comparar(argc, argv, voltas);
    if (xvfb > 0) {
        ::kill(xvfb, SIGTERM);
        waitpid(xvfb, nullptr, 0);
    }
    return resultado;
}
