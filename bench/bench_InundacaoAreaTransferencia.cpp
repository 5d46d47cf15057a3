// A movie flooding the clipboard while the player is in Velmora: the whole
// program (main window, link watcher, the player on the SWF engine) with the
// real clipboard, the test movie served by a local server as Velmora's
// loader. The page writes 5,000 different texts, each holding an address, as
// fast as it can, through its own copy command (as the engine copies, and as
// a movie's getURL("javascript:...") may). Each case runs in a fresh process
// of its own, side by side in one run:
//
//   anchor      link check off in the settings: what the clipboard changes
//               cost the program without the watcher
//   links       ordinary addresses, each asking for a verification
//   bad links   addresses the keyword rule finds bad: the warning each time
//   no click    ordinary addresses with no user action before them
//
// The flood follows a click in the movie (a user action, which lets a page
// write the clipboard for a few seconds), except in the last case. Printed per
// case: the clipboard changes the program saw; the resident memory of the
// program's own process before the flood, at its highest and after the UI
// thread is idle again; the UI thread's processor time per change; and how
// long the UI thread stayed busy after the last change (busy: more than 10
// points of a processor over its share before the flood, over 250 ms).
// Run offscreen or under X: QT_QPA_PLATFORM=offscreen bench_inundacao_area [changes]
#include "app/unit_Principal.h"
#include "bench/unit_AmbienteMotor.h"
#include "core/unit_ArquivoConfig.h"
#include "core/unit_Constantes.h"
#include "games/unit_frameVelmora.h"
#include "platform/unit_AreaTransferenciaQt.h"
#include "player/unit_FlashPlayerRuffle.h"
#include "player/unit_PaginaRuffle.h"
#include "tests/support/unit_Falsos.h"
#include "tests/support/unit_Janela.h"
#include "tests/support/unit_ServidorLocal.h"
#include "ui/unit_Imagem.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QWebEngineView>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace {

// Every game's players share one profile in memory.
class TFabricaRuffle : public TFabricaPlayer {
public:
    TFlashPlayer* criar(QWidget* pai, const QString&) override {
        static QWebEngineProfile* const perfil = TPaginaRuffle::perfil({}, {});
        return new TFlashPlayerRuffle(pai, perfil);
    }
    TMedidorDados medidorDados() const override {
        return [](const QString&, qint64) { return 0; };
    }
    bool limparDados(const QString&) override { return true; }
};

struct TCaso {
    const char* nome;
    bool verificacao;
    bool ruins;
    bool clique;
};

const TCaso casos[] = {{"anchor (link check off)", false, false, true},
                       {"links", true, false, true},
                       {"bad links", true, true, true},
                       {"no click", true, false, false}};

double residenteMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& linha : status.readAll().split('\n'))
        if (linha.startsWith("VmRSS:"))
            return linha.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

// Processor time of one thread of this process so far, in seconds.
double cpuThread(pid_t tid) {
    static const double tiques = static_cast<double>(sysconf(_SC_CLK_TCK));
    QFile stat(QStringLiteral("/proc/self/task/%1/stat").arg(tid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray linha = stat.readAll();
    const QList<QByteArray> campos = linha.mid(linha.lastIndexOf(')') + 2).split(' ');
    return (campos.value(11).toDouble() + campos.value(12).toDouble()) / tiques;
}

void esperar(const std::function<bool()>& condicao, const char* oQue, int ms = 60000) {
    if (!QTest::qWaitFor(condicao, ms)) {
        std::fprintf(stderr, "timed out waiting for %s\n", oQue);
        std::exit(1);
    }
}

QVariant executar(QWebEnginePage* pagina, const QString& script, int ms = 60000) {
    auto resultado = std::make_shared<std::optional<QVariant>>();
    pagina->runJavaScript(script, [resultado](const QVariant& valor) { *resultado = valor; });
    esperar([&] { return resultado->has_value(); }, "the page's script", ms);
    return resultado->value_or(QVariant());
}

// `vezes` texts through the page's copy command, each set by the page's own
// copy handler: the shortest way a script writes the clipboard.
QString scriptInundacao(int vezes, bool ruins) {
    const QString texto =
        ruins ? QStringLiteral("'pegue em http://premio' + i + '-gratis-free.test/resgate'")
              : QStringLiteral("'seu premio em http://premio-' + i + '.test/resgate?id=' + i");
    return QStringLiteral(R"(
        (() => {
            let i = 0;
            const dar = (e) => { e.clipboardData.setData('text/plain', %1); e.preventDefault(); };
            document.addEventListener('copy', dar);
            for (; i < %2; ++i)
                document.execCommand('copy');
            document.removeEventListener('copy', dar);
        })())")
        .arg(texto)
        .arg(vezes);
}

// The UI thread's processor time and the process's resident memory, sampled
// from beside it every 20 ms.
class TAmostrador {
public:
    struct TAmostra {
        qint64 ms;
        double cpu;
        double mb;
    };

    explicit TAmostrador(const QElapsedTimer& relogio)
        : relogio_(relogio), threadUi_(gettid()), thread_([this] { amostrar(); }) {}
    ~TAmostrador() { parar(); }

    void parar() {
        if (!thread_.joinable())
            return;
        continuar_ = false;
        thread_.join();
    }
    const std::vector<TAmostra>& amostras() const { return amostras_; }
    double cpuUi() const { return cpuThread(threadUi_); }

    // The UI thread's share of a processor over the 250 ms from `i`; -1 past the end.
    double fatia(size_t i) const {
        for (size_t j = i + 1; j < amostras_.size(); ++j)
            if (amostras_[j].ms - amostras_[i].ms >= 250)
                return (amostras_[j].cpu - amostras_[i].cpu) * 1000 /
                       double(amostras_[j].ms - amostras_[i].ms);
        return -1;
    }

private:
    void amostrar() {
        while (continuar_) {
            amostras_.push_back({relogio_.elapsed(), cpuThread(threadUi_), residenteMb()});
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    const QElapsedTimer& relogio_;
    const pid_t threadUi_;
    std::atomic<bool> continuar_ = true;
    std::vector<TAmostra> amostras_;
    std::thread thread_;
};

// One case in this process; prints its figures on one line.
int medirCaso(const TCaso& caso, int vezes) {
    if (!TPaginaRuffle::instalada()) {
        std::fprintf(stderr, "the SWF engine is not installed\n");
        return 1;
    }
    QFile filme(QStringLiteral(QUILLET_DADOS_TESTE "/swf/ponte.swf"));
    if (!filme.open(QIODevice::ReadOnly))
        return 1;
    TServidorLocal servidor;
    servidor.rota("/VelmoraChargeur.swf",
                  TRespostaLocal{200, filme.readAll(), "application/x-shockwave-flash"});

    TServicosTeste teste;
    teste.servicos.areaTransferencia = std::make_unique<TAreaTransferenciaQt>();
    teste.servicos.fabricaPlayer = std::make_unique<TFabricaRuffle>();
    teste.servicos.enderecos.raizVelmora = servidor.url("/");
    QDir().mkpath(teste.pastaDados());
    TArquivoConfig config(teste.pastaDados() + Constantes::nomeArquivoConfig);
    config.WriteBool(Constantes::secao, QStringLiteral("primeiroUso"), false);
    config.WriteBool(Constantes::secao, QStringLiteral("ativarVerificadorLinks"), caso.verificacao);

    TPrincipal principal(std::move(teste.servicos));
    principal.show();
    principal.activateWindow();
    esperar([&] { return principal.isActiveWindow(); }, "the window");
    Q_EMIT principal.bannersJogos.at(0)->Click();
    TJanelaTeste::concluirTransicoes(principal);
    TFlashPlayer* player = principal.frameVelmora->Flash;
    QWebEnginePage* pagina = player->findChild<QWebEngineView*>()->page();
    esperar([&] { return principal.frameVelmora->isVisible(); }, "the Velmora screen");
    esperar([&] { return executar(pagina, QStringLiteral("!!window.RufflePlayer")).toBool(); }, "the engine");
    player->SetFocus();
    esperar([&] { return player->Focused() && QApplication::focusWidget() != player; }, "the player's focus");

    QElapsedTimer relogio;
    relogio.start();
    std::atomic<int> mudancas = 0;
    qint64 ultimaMudancaMs = 0;
    QObject::connect(QApplication::clipboard(), &QClipboard::dataChanged, &principal, [&] {
        ++mudancas;
        ultimaMudancaMs = relogio.elapsed();
    });
    // The movie running a while: what the program holds and does before the flood.
    TAmostrador amostrador(relogio);
    QTest::qWait(3000);
    const double antes = residenteMb();
    const qint64 inicioMs = relogio.elapsed();

    if (caso.clique) {
        bool clicado = false;
        QObject::connect(
            qobject_cast<TFlashPlayerRuffle*>(player), &TFlashPlayerRuffle::rastreado, player,
            [&](const QString& linha) { clicado = clicado || linha == QLatin1String("Mouse down"); });
        QTest::mouseClick(QApplication::focusWidget(), Qt::LeftButton, {}, QPoint(400, 300));
        esperar([&] { return clicado; }, "the movie to see the click");
    }
    const double cpuAntes = amostrador.cpuUi();
    executar(pagina, scriptInundacao(vezes, caso.ruins), 600000);
    // Until no change has come for three seconds.
    while (relogio.elapsed() - std::max(ultimaMudancaMs, inicioMs) < 3000)
        QTest::qWait(100);
    const double depois = residenteMb();
    const double cpuInundacao = amostrador.cpuUi() - cpuAntes;
    amostrador.parar();

    const std::vector<TAmostrador::TAmostra>& amostras = amostrador.amostras();
    double base = 0;
    double pico = antes;
    size_t primeiraDoFim = amostras.size();
    for (size_t i = 0; i < amostras.size(); ++i) {
        if (amostras[i].ms < inicioMs - 1000 || amostras[i].ms >= inicioMs) {
            pico = std::max(pico, amostras[i].ms >= inicioMs ? amostras[i].mb : pico);
            if (amostras[i].ms >= ultimaMudancaMs && primeiraDoFim == amostras.size())
                primeiraDoFim = i;
            continue;
        }
        if (base == 0)
            base = std::max(0.0, amostrador.fatia(i));
    }
    qint64 ocupadoAte = ultimaMudancaMs;
    for (size_t i = primeiraDoFim; i < amostras.size(); ++i)
        if (amostrador.fatia(i) > base + 0.10)
            ocupadoAte = amostras[i].ms + 250;
    std::printf("%-24s %8d %10.1f %10.1f %10.1f %10.3f %10lld\n", caso.nome, mudancas.load(), antes, pico,
                depois, mudancas ? cpuInundacao * 1000 / mudancas : 0.0,
                static_cast<long long>(mudancas ? ocupadoAte - ultimaMudancaMs : 0));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    AmbienteMotor::preparar(QUILLET_PASTA_BUILD);
    const int vezes = argc > 1 ? std::max(1, atoi(argv[1])) : 5000;
    if (argc > 2) {
        QApplication aplicacao(argc, argv);
        return medirCaso(casos[std::clamp(atoi(argv[2]), 0, int(std::size(casos)) - 1)], vezes);
    }

    QCoreApplication coordenador(argc, argv);
    std::printf("%d texts copied by the page as fast as it can; memory of the program's process in MiB\n",
                vezes);
    std::printf("%-24s %8s %10s %10s %10s %10s %10s\n", "case", "changes", "before", "highest", "after",
                "UI ms/chg", "busy ms");
    for (size_t i = 0; i < std::size(casos); ++i) {
        QProcess caso;
        caso.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        caso.start(QString::fromLocal8Bit(argv[0]), {QString::number(vezes), QString::number(i)});
        if (!caso.waitForFinished(600000) || caso.exitCode() != 0) {
            std::printf("%-24s failed\n", casos[i].nome);
            continue;
        }
        std::fputs(caso.readAllStandardOutput().constData(), stdout);
        std::fflush(stdout);
    }
    return 0;
}
