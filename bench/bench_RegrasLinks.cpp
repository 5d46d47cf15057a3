// Processor time of the bad-site verdict on an address against lists of
// 10,000 and 50,000 entries, with the index (only the entries whose piece
// occurs in the address tried) beside the literal rule (every entry tried in
// list order), and of the whole judgement; and of one judgement against a
// hostile list of 20,000 runaway entries, which its budget cuts short.
#include "linkguard/unit_RegrasLinks.h"

#include <QStringList>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int tamanhoLista = 10'000;
constexpr int tamanhoListaNoLimite = 50'000;
constexpr int tamanhoListaHostil = 20'000;
constexpr int repeticoes = 31;
// The first runs fill the caches and are not counted.
constexpr int descartadas = 5;

// Host-like entries as a published list holds them: most with escaped dots,
// some with bare dots, a few with a path.
QStringList gerarLista(int tamanho) {
    std::mt19937 gerador(6);
    const QStringList palavras = {QStringLiteral("morango"), QStringLiteral("queijo"),
                                  QStringLiteral("premio"),  QStringLiteral("login"),
                                  QStringLiteral("conta"),   QStringLiteral("velmora"),
                                  QStringLiteral("bonus"),   QStringLiteral("gratis")};
    const QStringList dominios = {QStringLiteral("com"), QStringLiteral("net"), QStringLiteral("com\\.br"),
                                  QStringLiteral("org"), QStringLiteral("tk")};
    QStringList lista;
    for (int i = 0; i < tamanho; ++i) {
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
    for (int i = 0; i < descartadas; ++i)
        acao();
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

struct TMedida {
    double ms = 0;
    uint64_t passos = 0;
    TRegrasLinks::TBuscaLista busca;
};

TMedida medirLista(const TRegrasLinks& regras, const QString& url, TRegrasLinks::TModoLista modo) {
    TMedida medida;
    medida.ms = medianaMs([&] {
        TOrcamento orcamento = TOrcamento::deJulgamento();
        medida.busca = regras.buscarNaLista(TTextoBusca(url), orcamento, modo);
        medida.passos = orcamento.passosGastos();
    });
    return medida;
}

std::string descrever(const TRegrasLinks::TBuscaLista& busca) {
    if (busca.linha)
        return "line " + std::to_string(*busca.linha + 1);
    return busca.indecisas ? "undecided" : "none";
}

// The bad-site verdict indexed and literal side by side, and the whole
// judgement (title, keywords, list) as the UI thread runs it.
void compararLista(int tamanho) {
    const QStringList lista = gerarLista(tamanho);
    TRegrasLinks regras;
    const double inicio = agoraMs();
    regras.definirLista(lista);
    std::printf("\n%d entries, compiled and indexed in %.0f ms\n", tamanho, agoraMs() - inicio);
    const struct {
        const char* nome;
        QString url;
    } casos[] = {
        {"matches nothing", QStringLiteral("http://www.exemplo-inocente.org/pagina/de/ajuda?x=1")},
        {"matches the last entry", enderecoDe(lista.last())},
        {"matches an early entry", enderecoDe(lista[3])},
    };
    std::printf("%-24s %12s %9s %12s %9s %7s  %-11s %-11s %s\n", "bad-site verdict", "indexed", "steps",
                "literal", "steps", "ratio", "verdict", "literal", "whole judgement");
    for (const auto& caso : casos) {
        const TMedida indexada = medirLista(regras, caso.url, TRegrasLinks::TModoLista::indexada);
        const TMedida literal = medirLista(regras, caso.url, TRegrasLinks::TModoLista::literal);
        const double julgamento = medianaMs([&] {
            TOrcamento orcamento = TOrcamento::deJulgamento();
            regras.julgar(caso.url, {}, orcamento);
        });
        const bool literalDecidiu = literal.busca.linha || literal.busca.indecisas == 0;
        const bool diferem =
            literalDecidiu && (indexada.busca.linha != literal.busca.linha || indexada.busca.indecisas != 0);
        std::printf("%-24s %9.4f ms %9llu %9.3f ms %9llu %6.0fx  %-11s %-11s %.4f ms%s\n", caso.nome,
                    indexada.ms, static_cast<unsigned long long>(indexada.passos), literal.ms,
                    static_cast<unsigned long long>(literal.passos), literal.ms / indexada.ms,
                    descrever(indexada.busca).c_str(), descrever(literal.busca).c_str(), julgamento,
                    diferem ? "  (verdicts differ!)" : "");
    }
}

} // namespace

int main() {
    compararLista(tamanhoLista);
    compararLista(tamanhoListaNoLimite);

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
        {"an ordinary address", hostis,
         QStringLiteral("http://www.exemplo-inocente.org/pagina/de/ajuda?x=1")},
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
