// What the home screen costs against a bare Qt window, measured side by side
// on the current display: the real program (fresh data folder past its first
// use, stand-in player, no game opened) and the anchor (bench_ancora_janela)
// started in turn, each run in a fresh temporary folder. For every run:
// start -> first painted frame, then, after a settling pause, the processor
// time and wake-ups (context switches) of its threads over an idle period with
// the mouse away (a thread that ends within the period is not counted), and the
// peak resident memory (VmHWM) at its end. Medians of the runs, the first run
// of each dropped.
//
// A third program, bench_ancora_download, is the bare window that also makes
// the program's start-up download through the program's HTTP client: the
// least a window costs that fetches its definitions at start. Its ratio to
// the bare window is the floor under the program's own.
//
// Run under an X server, for instance:
//   Xvfb :90 -screen 0 1280x800x24 &  DISPLAY=:90 bench_inicio [runs] [idle seconds]
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iterator>
#include <map>
#include <optional>
#include <vector>

namespace {

constexpr int esperaQuadroMs = 60000;
constexpr int assentarMs = 2000;

struct TMedida {
    double quadroMs = 0;
    double picoMiB = 0;
    double cpuS = 0;
    double despertaresPorS = 0;
};

struct TPrograma {
    const char* nome;
    QString executavel;
};

QByteArray lerArquivo(const QString& caminho) {
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

// A "Name: value" field of a /proc status file.
qint64 campoStatus(const QByteArray& status, const QByteArray& nome) {
    for (const QByteArray& linha : status.split('\n'))
        if (linha.startsWith(nome + ':'))
            return linha.mid(nome.size() + 1).trimmed().split(' ').first().toLongLong();
    return 0;
}

// What each thread has cost so far: its context switches (every time it went
// to sleep or was preempted, which is what waking it up again costs) and its
// time on a processor.
struct TCustoThread {
    qint64 trocas = 0;
    qint64 cpuNs = 0;
};

std::map<qint64, TCustoThread> custoPorThread(qint64 pid) {
    std::map<qint64, TCustoThread> custos;
    const QString pasta = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString& tid : QDir(pasta).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString thread = pasta + QLatin1Char('/') + tid;
        const QByteArray status = lerArquivo(thread + QStringLiteral("/status"));
        custos[tid.toLongLong()] = {
            campoStatus(status, "voluntary_ctxt_switches") +
                campoStatus(status, "nonvoluntary_ctxt_switches"),
            lerArquivo(thread + QStringLiteral("/schedstat")).split(' ').first().toLongLong()};
    }
    return custos;
}

// The cost between the two readings of the threads alive at the second.
TCustoThread custoEntre(const std::map<qint64, TCustoThread>& antes,
                        const std::map<qint64, TCustoThread>& depois) {
    TCustoThread total;
    for (const auto& [tid, custo] : depois) {
        const auto anterior = antes.find(tid);
        const TCustoThread base = anterior == antes.end() ? TCustoThread() : anterior->second;
        total.trocas += custo.trocas - base.trocas;
        total.cpuNs += custo.cpuNs - base.cpuNs;
    }
    return total;
}

qint64 agoraNs() {
    return std::chrono::steady_clock::now().time_since_epoch() / std::chrono::nanoseconds(1);
}

// The steady clock the child printed at its first frame.
std::optional<qint64> lerMarcaQuadro(QProcess& processo) {
    const auto limite = std::chrono::steady_clock::now() + std::chrono::milliseconds(esperaQuadroMs);
    while (std::chrono::steady_clock::now() < limite) {
        if (!processo.canReadLine() && !processo.waitForReadyRead(1000)) {
            if (processo.state() != QProcess::Running)
                return std::nullopt;
            continue;
        }
        const QByteArray linha = processo.readLine().trimmed();
        if (linha.startsWith("primeiro-quadro "))
            return linha.mid(16).toLongLong();
    }
    return std::nullopt;
}

QProcessEnvironment ambiente(const QTemporaryDir& pasta) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("APPDATA"), pasta.filePath(QStringLiteral("dados")));
    env.insert(QStringLiteral("TEMP"), pasta.filePath(QStringLiteral("temp")));
    env.insert(QStringLiteral("QUILLET_PLAYER"), QStringLiteral("standin"));
    env.insert(QStringLiteral("QUILLET_MARCAR_QUADRO"), QStringLiteral("1"));
    return env;
}

// Settings past the first use, so that the program starts on its home screen.
void prepararPasta(const QTemporaryDir& pasta) {
    const QString dados = pasta.filePath(QStringLiteral("dados/Quillet 6"));
    QDir().mkpath(dados);
    QDir().mkpath(pasta.filePath(QStringLiteral("temp")));
    QFile config(dados + QStringLiteral("/config.ini"));
    if (config.open(QIODevice::WriteOnly))
        config.write("[Quillet]\r\nprimeiroUso=0\r\n");
}

std::optional<TMedida> medir(const TPrograma& programa, int ociosoS) {
    QTemporaryDir pasta;
    prepararPasta(pasta);
    QProcess processo;
    processo.setProcessEnvironment(ambiente(pasta));
    processo.setStandardErrorFile(QProcess::nullDevice());
    processo.setWorkingDirectory(pasta.path());

    const qint64 inicio = agoraNs();
    processo.start(programa.executavel, {});
    const std::optional<qint64> quadro = lerMarcaQuadro(processo);
    if (!quadro) {
        std::fprintf(stderr, "%s: no first frame marked\n", programa.nome);
        processo.kill();
        processo.waitForFinished();
        return std::nullopt;
    }
    TMedida medida;
    medida.quadroMs = static_cast<double>(*quadro - inicio) / 1e6;

    const qint64 pid = processo.processId();
    QThread::msleep(assentarMs);
    const auto antes = custoPorThread(pid);
    QThread::sleep(ociosoS);
    const TCustoThread ocioso = custoEntre(antes, custoPorThread(pid));
    medida.cpuS = static_cast<double>(ocioso.cpuNs) / 1e9;
    medida.despertaresPorS = static_cast<double>(ocioso.trocas) / ociosoS;
    medida.picoMiB =
        static_cast<double>(campoStatus(lerArquivo(QStringLiteral("/proc/%1/status").arg(pid)), "VmHWM")) /
        1024;

    processo.terminate();
    if (!processo.waitForFinished(5000)) {
        processo.kill();
        processo.waitForFinished();
    }
    return medida;
}

double mediana(std::vector<double> valores) {
    std::sort(valores.begin(), valores.end());
    const size_t meio = valores.size() / 2;
    return valores.size() % 2 ? valores[meio] : (valores[meio - 1] + valores[meio]) / 2;
}

TMedida medianas(const std::vector<TMedida>& medidas) {
    const auto de = [&medidas](double TMedida::*campo) {
        std::vector<double> valores;
        for (const TMedida& m : medidas)
            valores.push_back(m.*campo);
        return mediana(valores);
    };
    return {de(&TMedida::quadroMs), de(&TMedida::picoMiB), de(&TMedida::cpuS), de(&TMedida::despertaresPorS)};
}

// One measurement of the three programs, with the program's ratio to the bare
// window and the floor's ratio to it.
void linha(const char* rotulo, const char* formato, const TMedida (&m)[3], double TMedida::*campo) {
    const double programa = m[0].*campo, ancora = m[1].*campo, piso = m[2].*campo;
    char valores[96];
    std::snprintf(valores, sizeof valores, formato, programa, ancora, piso);
    if (ancora > 0)
        std::printf("%-34s %s %8.2fx %8.2fx\n", rotulo, valores, programa / ancora, piso / ancora);
    else
        std::printf("%-34s %s %9s %9s\n", rotulo, valores, programa > 0 ? "unbounded" : "-",
                    piso > 0 ? "unbounded" : "-");
}

// The pointer is put in the screen's corner, away from the windows.
void afastarMouse() {
    if (QProcess::execute(QStringLiteral("xdotool"),
                          {QStringLiteral("mousemove"), QStringLiteral("0"), QStringLiteral("0")}) != 0)
        std::fprintf(stderr, "xdotool failed: the pointer was not moved away\n");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication aplicacao(argc, argv);
    const int execucoes = argc > 1 ? std::max(2, std::atoi(argv[1])) : 11;
    const int ociosoS = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "No DISPLAY: run under an X server (Xvfb).\n");
        return 2;
    }
    const QString pastaBench = QCoreApplication::applicationDirPath();
    const TPrograma programas[] = {{"program", QStringLiteral(QUILLET_EXECUTAVEL)},
                                   {"anchor", pastaBench + QStringLiteral("/bench_ancora_janela")},
                                   {"floor", pastaBench + QStringLiteral("/bench_ancora_download")}};
    constexpr int nProgramas = std::size(programas);
    afastarMouse();

    std::vector<TMedida> medidas[nProgramas];
    for (int i = 0; i < execucoes; ++i)
        for (int p = 0; p < nProgramas; ++p) {
            const std::optional<TMedida> medida = medir(programas[p], ociosoS);
            if (!medida)
                return 1;
            std::printf(
                "run %2d %-8s first frame %7.1f ms  peak %6.1f MiB  cpu %6.3f s  %6.1f wake-ups/s%s\n", i + 1,
                programas[p].nome, medida->quadroMs, medida->picoMiB, medida->cpuS, medida->despertaresPorS,
                i == 0 ? "  (dropped)" : "");
            std::fflush(stdout);
            if (i > 0)
                medidas[p].push_back(*medida);
        }

    const TMedida m[nProgramas] = {medianas(medidas[0]), medianas(medidas[1]), medianas(medidas[2])};
    std::printf("\nMedians of %d runs each (first dropped), idle period %d s. The floor is the bare window\n"
                "making the same start-up download; ratios are to the bare window (anchor).\n",
                execucoes - 1, ociosoS);
    std::printf("%-34s %10s %10s %10s %9s %9s\n", "", "program", "anchor", "floor", "program", "floor");
    linha("start -> first painted frame (ms)", "%10.1f %10.1f %10.1f", m, &TMedida::quadroMs);
    linha("peak resident memory (MiB)", "%10.1f %10.1f %10.1f", m, &TMedida::picoMiB);
    linha("CPU while idle (s)", "%10.3f %10.3f %10.3f", m, &TMedida::cpuS);
    linha("wake-ups per second while idle", "%10.1f %10.1f %10.1f", m, &TMedida::despertaresPorS);
    return 0;
}
