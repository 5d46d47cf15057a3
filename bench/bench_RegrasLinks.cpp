// Processor time of one judgement of an address against a bad-site list of 10,000
// entries, with the entries compiled once when the list arrives versus
// compiled again at every judgement.
#include "linkguard/unit_RegrasLinks.h"

#include <QStringList>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <limits>
#include <random>
#include <vector>

namespace {

constexpr int tamanhoLista = 10'000;
constexpr int repeticoes = 31;

// Host-like entries as a published list holds them: most with escaped dots,
// some with bare dots, a few with a path.
QStringList gerarLista() {
    std::mt19937 gerador(6);
    const QStringList palavras = {QStringLiteral("morango"), QStringLiteral("queijo"),
                                  QStringLiteral("premio"),  QStringLiteral("login"),
                                  QStringLiteral("conta"),   QStringLiteral("velmora"),
                                  QStringLiteral("bonus"),   QStringLiteral("gratis")};
    const QStringList dominios = {QStringLiteral("com"), QStringLiteral("net"), QStringLiteral("com\\.br"),
                                  QStringLiteral("org"), QStringLiteral("tk")};
    QStringList lista;
    for (int i = 0; i < tamanhoLista; ++i) {
        const QString& a = palavras[gerador() % palavras.size()];
        const QString& b = palavras[gerador() % palavras.size()];
        QString entrada =
            QStringLiteral("%1-%2%3\\.%4").arg(a, b).arg(i).arg(dominios[gerador() % dominios.size()]);
        if (i % 7 == 0)
            entrada.replace(QStringLiteral("\\."), QStringLiteral("."));
        if (i % 11 == 0)
            entrada += QStringLiteral("/entrar");
        lista.append(entrada);
    }
    return lista;
}

QString enderecoDe(QString entrada) {
    return QStringLiteral("http://www.") + entrada.remove(QLatin1Char('\\')) + QStringLiteral("/?id=55");
}

// The naive way: every entry compiled at the moment it is tried.
bool compilandoACadaVez(const QStringList& lista, const QString& url) {
    TOrcamento semLimite(std::numeric_limits<uint64_t>::max(), std::chrono::hours(1));
    return std::any_of(lista.begin(), lista.end(), [&](const QString& entrada) {
        return TPadrao(TRegrasLinks::prefixoSiteRuim + entrada).buscar(url, semLimite).trecho.has_value();
    });
}

// Processor time of this thread, so that other programs sharing the machine
// do not count.
double agoraMs() {
    timespec agora{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &agora);
    return agora.tv_sec * 1e3 + agora.tv_nsec / 1e6;
}

double medianaMs(const std::function<void()>& acao) {
    std::vector<double> tempos;
    for (int i = 0; i < repeticoes; ++i) {
        const double inicio = agoraMs();
        acao();
        tempos.push_back(agoraMs() - inicio);
    }
    std::nth_element(tempos.begin(), tempos.begin() + repeticoes / 2, tempos.end());
    return tempos[repeticoes / 2];
}

} // namespace

int main() {
    const QStringList lista = gerarLista();
    TRegrasLinks regras;
    const double inicio = agoraMs();
    regras.definirLista(lista);
    std::printf("compiling %d entries once: %.1f ms\n\n", tamanhoLista, agoraMs() - inicio);

    const struct {
        const char* nome;
        QString url;
    } casos[] = {
        {"matches nothing", QStringLiteral("http://www.exemplo-inocente.org/pagina/de/ajuda?x=1")},
        {"matches the last entry", enderecoDe(lista.last())},
        {"matches an early entry", enderecoDe(lista[3])},
    };
    std::printf("%-24s %5s %14s %18s %8s\n", "judgement", "bad", "compiled once", "compiled per call",
                "ratio");
    for (const auto& caso : casos) {
        bool ruim = false;
        const double uma = medianaMs([&] {
            TOrcamento orcamento = TOrcamento::deJulgamento();
            ruim = regras.julgar(caso.url, {}, orcamento) != TRegrasLinks::TVeredito::nenhum;
        });
        bool ruimIngenuo = false;
        const double cada = medianaMs([&] { ruimIngenuo = compilandoACadaVez(lista, caso.url); });
        std::printf("%-24s %5s %11.3f ms %15.3f ms %7.1fx%s\n", caso.nome, ruim ? "yes" : "no", uma, cada,
                    cada / uma, ruim == ruimIngenuo ? "" : "  (verdicts differ!)");
    }

    TRegrasLinks catastrofica;
    catastrofica.definirLista({QStringLiteral("(a+)+$"), QStringLiteral("a{30}")});
    const QString longa = QStringLiteral("http://") + QString(30, QLatin1Char('a')) + QStringLiteral("!");
    std::printf("\nrunaway entry \"(a+)+$\" then a matching one: %.3f ms\n", medianaMs([&] {
                    TOrcamento orcamento = TOrcamento::deJulgamento();
                    catastrofica.julgar(longa, {}, orcamento);
                }));
    return 0;
}
