// Processor time of one judgement of an address against a bad-site list of 10,000
// entries, with the entries compiled once when the list arrives versus
// compiled again at every judgement; and of one judgement against a hostile
// list of 20,000 runaway entries, which its budget cuts short.
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
constexpr int tamanhoListaHostil = 20'000;
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

// Entries that backtrack without end on an address with a long run of "a"
// or of "x" that does not end as they require.
QStringList listaHostil() {
    QStringList lista;
    for (int i = 0; i < tamanhoListaHostil / 2; ++i)
        lista << QStringLiteral("(a+)+$") << QStringLiteral("(x+x+)+y");
    return lista;
}

const char* nomeVeredito(TRegrasLinks::TVeredito veredito) {
    switch (veredito) {
    case TRegrasLinks::TVeredito::nenhum:
        return "none";
    case TRegrasLinks::TVeredito::titulo:
        return "title";
    case TRegrasLinks::TVeredito::palavrasChave:
        return "keywords";
    case TRegrasLinks::TVeredito::siteRuim:
        return "listed";
    case TRegrasLinks::TVeredito::indeciso:
        return "undecided";
    }
    return "?";
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

void imprimirLinha(const char* nome, const char* veredito, uint64_t passos, double ms, bool prazo) {
    std::printf("%-30s %-10s %9llu steps %8.2f ms%s\n", nome, veredito,
                static_cast<unsigned long long>(passos), ms, prazo ? "  (time limit struck)" : "");
}

void imprimirJulgamento(const char* nome, const TRegrasLinks& regras, const QString& url) {
    TRegrasLinks::TVeredito veredito{};
    uint64_t passos = 0;
    bool prazo = false;
    const double ms = medianaMs([&] {
        TOrcamento orcamento = TOrcamento::deJulgamento();
        veredito = regras.julgar(url, {}, orcamento);
        passos = orcamento.passosGastos();
        prazo = orcamento.prazoPassou();
    });
    imprimirLinha(nome, nomeVeredito(veredito), passos, ms, prazo);
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
    std::printf("%-24s %5s %14s %10s %18s %8s\n", "judgement", "bad", "compiled once", "steps",
                "compiled per call", "ratio");
    for (const auto& caso : casos) {
        bool ruim = false;
        uint64_t passos = 0;
        const double uma = medianaMs([&] {
            TOrcamento orcamento = TOrcamento::deJulgamento();
            ruim = regras.julgar(caso.url, {}, orcamento) != TRegrasLinks::TVeredito::nenhum;
            passos = orcamento.passosGastos();
        });
        bool ruimIngenuo = false;
        const double cada = medianaMs([&] { ruimIngenuo = compilandoACadaVez(lista, caso.url); });
        std::printf("%-24s %5s %11.3f ms %10llu %15.3f ms %7.1fx%s\n", caso.nome, ruim ? "yes" : "no", uma,
                    static_cast<unsigned long long>(passos), cada, cada / uma,
                    ruim == ruimIngenuo ? "" : "  (verdicts differ!)");
    }

    const QStringList hostil = listaHostil();
    TRegrasLinks hostis;
    hostis.definirLista(hostil);
    TRegrasLinks hostisEUmaBoa;
    hostisEUmaBoa.definirLista(hostil + QStringList{QStringLiteral("ruim\\.com")});
    const QString armadilha = QStringLiteral("http://%1!%2.ruim.com/?y")
                                  .arg(QString(30, QLatin1Char('a')), QString(30, QLatin1Char('x')));
    const struct {
        const char* nome;
        const TRegrasLinks& regras;
        QString url;
    } hostisCasos[] = {
        {"address built for them", hostis, armadilha},
        {"the same, a sound entry last", hostisEUmaBoa, armadilha},
        {"an ordinary address", hostis, casos[0].url},
    };
    std::printf("\n%d runaway entries, one judgement within its budget of %llu steps:\n", tamanhoListaHostil,
                static_cast<unsigned long long>(TOrcamento::deJulgamento().passosRestantes()));
    for (const auto& caso : hostisCasos)
        imprimirJulgamento(caso.nome, caso.regras, caso.url);

    std::printf("\nother input built to backtrack:\n");
    imprimirJulgamento("keywords, 10,015 characters", TRegrasLinks(),
                       QStringLiteral("http://x.com/") + QStringLiteral("-hack-free").repeated(1000) +
                           QStringLiteral(".1"));
    const QString copia = QStringLiteral("a.").repeated(500'000);
    uint64_t passos = 0;
    bool prazo = false;
    const double ms = medianaMs([&] {
        TOrcamento orcamento = TOrcamento::deBuscaEndereco();
        TRegrasLinks::buscarEndereco(copia, orcamento);
        passos = orcamento.passosGastos();
        prazo = orcamento.prazoPassou();
    });
    imprimirLinha("address in 1,000,000 copied", "-", passos, ms, prazo);
    return 0;
}
