#include "core/unit_Erros.h"
#include "linkguard/unit_RegrasLinks.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <algorithm>
#include <gtest/gtest.h>
#include <pcre2.h>
#include <random>

namespace {

using TVeredito = TRegrasLinks::TVeredito;
using namespace std::chrono_literals;

// The budget of a judgement without its clock: only the counted steps can run out.
TOrcamento semRelogio(uint64_t passos = TOrcamento::deJulgamento().passosRestantes()) {
    return TOrcamento(passos, 24h);
}

std::optional<TTrecho> buscar(const TPadrao& padrao, QStringView texto) {
    TOrcamento orcamento = semRelogio();
    return padrao.buscar(texto, orcamento).trecho;
}

bool encontra(const QString& padrao, QStringView texto) {
    return buscar(TPadrao(padrao), texto).has_value();
}

TVeredito julgarCom(const QStringList& lista, const QString& url, const QString& titulo = {}) {
    TRegrasLinks regras;
    regras.definirLista(lista);
    TOrcamento orcamento = semRelogio();
    return regras.julgar(url, titulo, orcamento);
}

// Entries that backtrack without end on an address with a long run of "a" or
// "x" that does not end as they require.
QStringList listaHostil() {
    QStringList lista;
    for (int i = 0; i < 10'000; ++i)
        lista << QStringLiteral("(a+)+$") << QStringLiteral("(x+x+)+y");
    return lista;
}

const QString armadilha =
    QStringLiteral("http://aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa!xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx.ruim.com/?y");

} // namespace

TEST(Padrao, PontoEUmCaractereInteiro) {
    const QString comEmoji = QStringLiteral("a\U0001F353b");
    EXPECT_TRUE(encontra(QStringLiteral("^a.b$"), comEmoji));
    EXPECT_FALSE(encontra(QStringLiteral("^a..b$"), comEmoji));
}

TEST(Padrao, CasamentoVazioNaoConta) {
    // The leftmost match is empty; the search goes on to the first non-empty one.
    const std::optional<TTrecho> trecho = buscar(TPadrao(QStringLiteral("x*")), u"abxx");
    ASSERT_TRUE(trecho);
    EXPECT_EQ(trecho->inicio, 2);
    EXPECT_EQ(trecho->tamanho, 2);
    EXPECT_FALSE(encontra(QStringLiteral("$"), u"abc"));
    EXPECT_FALSE(encontra(QStringLiteral("(?=b)"), u"abc"));
}

TEST(Padrao, InvalidoLevantaErroACadaUso) {
    const TPadrao padrao(QStringLiteral("(abc"));
    EXPECT_FALSE(padrao.compilado());
    EXPECT_FALSE(padrao.motivoErro().isEmpty());
    EXPECT_THROW(buscar(padrao, u"abc"), EPadrao);
    EXPECT_THROW(buscar(padrao, u"abc"), EPadrao);
}

// No starting point runs into the backtracking limit, which starts afresh at
// each of them; the budget still holds the search as a whole.
TEST(Padrao, OrcamentoCobreABuscaInteira) {
    const TPadrao padrao(QStringLiteral("(x+x+)+y"));
    const QString texto = QStringLiteral("xxxxxxxxxxxx!").repeated(40) + QStringLiteral("y");
    TOrcamento amplo = semRelogio(100'000'000);
    const TResultadoBusca inteira = padrao.buscar(texto, amplo);
    EXPECT_FALSE(inteira.trecho);
    EXPECT_FALSE(inteira.interrompida);
    ASSERT_GT(amplo.passosGastos(), 200'000u);

    TOrcamento curto = semRelogio(200'000);
    const TResultadoBusca cortada = padrao.buscar(texto, curto);
    EXPECT_FALSE(cortada.trecho);
    EXPECT_TRUE(cortada.interrompida);
    EXPECT_EQ(curto.passosGastos(), 200'000u);
    EXPECT_TRUE(curto.esgotado());
}

TEST(Padrao, BarraCMaiusculoERecusado) {
    // It matches half a character and could leave the search inside a pair.
    EXPECT_FALSE(TPadrao(QStringLiteral("a\\Cb")).compilado());
}

TEST(Padrao, TextoComMetadeDePar) {
    const QString texto = QString(QChar(0xD83D)) + QStringLiteral("x.com");
    const std::optional<TTrecho> trecho = buscar(TPadrao(QStringLiteral("x\\.com")), texto);
    ASSERT_TRUE(trecho);
    EXPECT_EQ(trecho->inicio, 1);
}

TEST(RegrasLinks, AparaControlesDepoisEspacosInseparaveis) {
    EXPECT_EQ(TRegrasLinks::aparar(QStringLiteral("\t\r\n \u00A0a.com\u00A0\r\n")), QStringLiteral("a.com"));
    // Blanks inside the no-break spaces are no longer at the ends when those go.
    EXPECT_EQ(TRegrasLinks::aparar(QStringLiteral("\u00A0 a.com \u00A0")), QStringLiteral(" a.com "));
    EXPECT_EQ(TRegrasLinks::aparar(QStringLiteral(" \x01\x1F ")), QString());
}

TEST(RegrasLinks, EnderecoEncontrado) {
    const struct {
        const char16_t* texto;
        const char16_t* endereco;
    } casos[] = {
        {u"veja http://um.com/a e http://dois.com", u"http://um.com/a"},
        {u"https://seguro.com.br/x?a=1&b=2", u"seguro.com.br/x?a=1&b=2"},
        {u"fala com jogador@velmora.com hoje", u"jogador@velmora.com"},
        {u"www.site.org/caminho#topo", u"www.site.org/caminho#topo"},
        // The word boundary is ASCII: a non-ASCII letter ends the top-level label.
        {u"site.com\u00E7", u"site.com"},
        {u"SITE.COM", u""},
        {u"custa 3.50 agora", u""},
        {u"site.c", u""},
        {u"", u""},
    };
    for (const auto& caso : casos) {
        TOrcamento orcamento = TOrcamento::deBuscaEndereco();
        EXPECT_EQ(TRegrasLinks::buscarEndereco(QString::fromUtf16(caso.texto), orcamento),
                  QString::fromUtf16(caso.endereco))
            << QString::fromUtf16(caso.texto).toStdString();
    }
}

TEST(RegrasLinks, BuscaDeEnderecoSemOrcamentoNaoAchaNadaEAvisa) {
    // Every starting point backtracks over up to 256 characters looking for a top-level label.
    const QString texto = QStringLiteral("a.").repeated(50'000) + QStringLiteral(" http://ok.com");
    TOrcamento orcamento = semRelogio(TOrcamento::deBuscaEndereco().passosRestantes());
    testing::internal::CaptureStderr();
    EXPECT_EQ(TRegrasLinks::buscarEndereco(texto, orcamento), QString());
    const std::string erro = testing::internal::GetCapturedStderr();
    EXPECT_NE(erro.find("100014 characters"), std::string::npos) << erro;
    EXPECT_EQ(std::count(erro.begin(), erro.end(), '\n'), 1) << erro;
}

TEST(RegrasLinks, Titulo) {
    const QString inocente = QStringLiteral("http://inocente.com");
    EXPECT_EQ(julgarCom({}, inocente, QStringLiteral("GERADOR DE MORANGOS")), TVeredito::titulo);
    EXPECT_EQ(julgarCom({}, inocente, QStringLiteral("Queijo GR\u00C1TIS")), TVeredito::titulo);
    EXPECT_EQ(julgarCom({}, inocente, QStringLiteral("fresas gratis")), TVeredito::titulo);
    EXPECT_EQ(julgarCom({}, inocente, QStringLiteral("hack")), TVeredito::nenhum);
    EXPECT_EQ(julgarCom({}, inocente, QStringLiteral("queijo")), TVeredito::nenhum);
    // A decomposed accent is not the word.
    EXPECT_EQ(julgarCom({}, inocente, QStringLiteral("gra\u0301tis queijo")), TVeredito::nenhum);
}

TEST(RegrasLinks, TituloSemVereditoSegueParaAsOutrasRegras) {
    EXPECT_EQ(julgarCom({QStringLiteral("ruim")}, QStringLiteral("http://ruim.com"), QStringLiteral("hack")),
              TVeredito::siteRuim);
    EXPECT_EQ(julgarCom({}, QStringLiteral("http://a-gratis-free.com"), QStringLiteral("queijo")),
              TVeredito::palavrasChave);
    // A bad title wins over the other rules.
    EXPECT_EQ(
        julgarCom({QStringLiteral("ruim")}, QStringLiteral("http://ruim.com"), QStringLiteral("Hack Queijo")),
        TVeredito::titulo);
}

TEST(RegrasLinks, PalavrasChave) {
    EXPECT_EQ(julgarCom({}, QStringLiteral("http://gratis.com")), TVeredito::nenhum);
    EXPECT_EQ(julgarCom({}, QStringLiteral("http://gratis-free.com")), TVeredito::palavrasChave);
    EXPECT_EQ(julgarCom({}, QStringLiteral("http://gratisfree.com")), TVeredito::nenhum);
    EXPECT_EQ(julgarCom({}, QStringLiteral("http://GRATIS-FREE.com")), TVeredito::nenhum);
    EXPECT_EQ(julgarCom({}, QStringLiteral("http://site.com/hack-gerador.html")), TVeredito::palavrasChave);
}

TEST(RegrasLinks, EntradasDaListaDeSites) {
    // An empty line: the prefix alone matches the scheme of every address.
    EXPECT_EQ(julgarCom({QString()}, QStringLiteral("http://qualquer.org")), TVeredito::siteRuim);
    EXPECT_EQ(julgarCom({QStringLiteral("ruim.com")}, QStringLiteral("http://ruimXcom.net")),
              TVeredito::siteRuim);
    EXPECT_EQ(julgarCom({QStringLiteral("ruim\\.com")}, QStringLiteral("http://naoruim.com.br")),
              TVeredito::siteRuim);
    EXPECT_EQ(julgarCom({QStringLiteral("ruim\\.com")}, QStringLiteral("http://bom.org/ir?para=ruim.com")),
              TVeredito::siteRuim);
    EXPECT_EQ(julgarCom({QStringLiteral("RUIM")}, QStringLiteral("http://ruim.com")), TVeredito::nenhum);
    EXPECT_EQ(julgarCom({QStringLiteral("ruim\\.com")}, QStringLiteral("http://ruimXcom.net")),
              TVeredito::nenhum);
    EXPECT_EQ(julgarCom({}, QStringLiteral("http://ruim.com")), TVeredito::nenhum);
}

TEST(RegrasLinks, EntradaQueSoCasaVaziaNaoConta) {
    const QString url = QStringLiteral("http://xa.com/b");
    EXPECT_EQ(julgarCom({QStringLiteral("(?=a)")}, url), TVeredito::nenhum);
    EXPECT_EQ(julgarCom({QStringLiteral("$")}, url), TVeredito::nenhum);
    // The empty match at "a" does not hide the non-empty one further on.
    EXPECT_EQ(julgarCom({QStringLiteral("(?=a)|b")}, url), TVeredito::siteRuim);
}

TEST(RegrasLinks, EntradaInvalidaFicaDeForaEAsOutrasValem) {
    const QStringList lista = {QStringLiteral("["), QStringLiteral("outro"),
                               QStringLiteral("(ruim\x1B[2J\u202E"), QStringLiteral("ruim"),
                               QStringLiteral("[") + QString(5'000, QLatin1Char('x'))};
    TRegrasLinks regras;
    testing::internal::CaptureStderr();
    regras.definirLista(lista);
    const std::string erro = testing::internal::GetCapturedStderr();
    EXPECT_EQ(regras.lista(), lista);
    TOrcamento orcamento = semRelogio();
    EXPECT_EQ(regras.julgar(QStringLiteral("http://ruim.com"), {}, orcamento), TVeredito::siteRuim);
    // The entry that matched is told by its line in the list as it came.
    TOrcamento outro = semRelogio();
    EXPECT_EQ(regras.buscarNaLista(TTextoBusca(u"http://outro.com"), outro).linha, 1);
    TOrcamento ruim = semRelogio();
    EXPECT_EQ(regras.buscarNaLista(TTextoBusca(u"http://ruim.com"), ruim).linha, 3);

    // One line for each entry left out, naming it harmlessly and briefly.
    EXPECT_EQ(std::count(erro.begin(), erro.end(), '\n'), 3) << erro;
    EXPECT_NE(erro.find("line 1 left out"), std::string::npos) << erro;
    EXPECT_NE(erro.find("\"[\""), std::string::npos) << erro;
    EXPECT_NE(erro.find("line 3 left out"), std::string::npos) << erro;
    EXPECT_NE(erro.find("\"(ruim<U+001B>[2J<U+202E>\""), std::string::npos) << erro;
    EXPECT_NE(erro.find("line 5 left out"), std::string::npos) << erro;
    EXPECT_NE(erro.find("(5001 characters)"), std::string::npos) << erro;
    EXPECT_LT(erro.size(), 800u) << erro;
}

// A list at the download's entry cap: only the entries whose text occurs in
// the address are tried, so every judgement ends well within its budget,
// where trying each entry in turn runs out of it.
TEST(RegrasLinks, ListaNoLimiteJulgadaPorInteiro) {
    QStringList lista;
    for (int i = 0; i < 50'000; ++i)
        lista << QStringLiteral("site%1\\.com").arg(i);
    TRegrasLinks regras;
    regras.definirLista(lista);
    TOrcamento ultima = semRelogio();
    EXPECT_EQ(regras.buscarNaLista(TTextoBusca(u"http://site49999.com/"), ultima).linha, 49'999);
    EXPECT_LT(ultima.passosGastos(), 1'000u);
    TOrcamento nenhuma = semRelogio();
    testing::internal::CaptureStderr();
    EXPECT_EQ(regras.julgar(QStringLiteral("http://site49999xcom/"), {}, nenhuma), TVeredito::nenhum);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_LT(nenhuma.passosGastos(), 1'000u);

    TOrcamento literal = semRelogio();
    EXPECT_GT(
        regras
            .buscarNaLista(TTextoBusca(u"http://site49999xcom/"), literal, TRegrasLinks::TModoLista::literal)
            .indecisas,
        0);
}

// 20,000 entries that each backtrack up to their own limit on an address built
// for them: the judgement stops at its budget, counted in steps.
TEST(RegrasLinks, ListaHostilParaNoOrcamento) {
    TRegrasLinks regras;
    regras.definirLista(listaHostil());
    TOrcamento orcamento = semRelogio();
    testing::internal::CaptureStderr();
    EXPECT_EQ(regras.julgar(armadilha, {}, orcamento), TVeredito::indeciso);
    const std::string erro = testing::internal::GetCapturedStderr();
    EXPECT_EQ(orcamento.passosGastos(), TOrcamento::deJulgamento().passosRestantes());
    EXPECT_NE(erro.find("of 20000 bad-site entries undecided"), std::string::npos) << erro;
    EXPECT_EQ(std::count(erro.begin(), erro.end(), '\n'), 1) << erro;
    // The title needs no search: a bad one is still found with nothing left.
    EXPECT_EQ(regras.julgar(armadilha, QStringLiteral("Hack de queijo"), orcamento), TVeredito::titulo);
    // So does a clock that has run out before the steps.
    TOrcamento semTempo(TOrcamento::deJulgamento().passosRestantes(), 0ms);
    testing::internal::CaptureStderr();
    EXPECT_EQ(regras.julgar(QStringLiteral("http://ok.com"), {}, semTempo), TVeredito::indeciso);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("at its time limit"), std::string::npos);
}

// Every entry gets a short first look before any gets a long one, so runaway
// entries do not hide a sound entry that follows them.
TEST(RegrasLinks, ListaHostilNaoEscondeAEntradaBoa) {
    TRegrasLinks depois;
    depois.definirLista(listaHostil() << QStringLiteral("ruim\\.com"));
    TOrcamento orcamento = semRelogio();
    EXPECT_EQ(depois.julgar(armadilha, {}, orcamento), TVeredito::siteRuim);

    TRegrasLinks antes;
    antes.definirLista(QStringList{QStringLiteral("ruim\\.com")} + listaHostil());
    TOrcamento curto = semRelogio();
    EXPECT_EQ(antes.julgar(armadilha, {}, curto), TVeredito::siteRuim);
    EXPECT_LT(curto.passosGastos(), 10'000u);
}

// An address built to make the keyword pattern backtrack takes at most a
// quarter of the budget; the list is still tried with the rest.
TEST(RegrasLinks, PalavrasChaveDescontroladasNaoTiramALista) {
    const QString url = QStringLiteral("http://ruim.com/") + QStringLiteral("-hack-free").repeated(1000) +
                        QStringLiteral(".1");
    EXPECT_EQ(julgarCom({QStringLiteral("ruim\\.com")}, url), TVeredito::siteRuim);
    testing::internal::CaptureStderr();
    EXPECT_EQ(julgarCom({QStringLiteral("bom\\.com")}, url), TVeredito::indeciso);
    const std::string erro = testing::internal::GetCapturedStderr();
    EXPECT_NE(erro.find("keyword rule undecided, 0 of 1 bad-site entries undecided"), std::string::npos)
        << erro;
}

// The rules call the keyword pattern's repeated group as a subroutine; as
// first written, PCRE2 copies it out 200 times. Both must judge alike.
TEST(RegrasLinks, PalavrasChaveComoNoPadraoEscritoPorExtenso) {
    const QString porExtenso = QStringLiteral(
        R"re(((.hack)|(.gratis+)|(.free+)|(.gerador+)|(.generator+)|((.morangos?).+)|(.(fraises?).)|(.(fresas?).)){2,200}\.[a-z]{2,6}\b([-a-zA-Z0-9@:%_\+.~#?&//=]*)?)re");
    int erro = 0;
    PCRE2_SIZE posicao = 0;
    pcre2_code* codigo = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(porExtenso.utf16()), porExtenso.size(),
                                       PCRE2_UTF, &erro, &posicao, nullptr);
    ASSERT_TRUE(codigo);
    pcre2_match_data* dados = pcre2_match_data_create(1, nullptr);
    // The rules' own limit on backtracking from one starting point.
    pcre2_match_context* contexto = pcre2_match_context_create(nullptr);
    pcre2_set_match_limit(contexto, 100'000);
    const TRegrasLinks regras;
    const QStringList pedacos = {"hack",      "gratis",  "gratiss",  "free",   "freee",   "gerador",
                                 "generator", "morango", "morangos", "fraise", "fraises", "fresa",
                                 "fresas",    "-",       ".",        "x",      "com",     "br",
                                 "/",         "?",       "=",        "\u00E7", "H",       "\n"};
    const QStringList finais = {"", ".com", ".c", ".com.br/x", ".co1", "."};
    std::mt19937 sorte(6);
    int casados = 0;
    for (int i = 0; i < 2'500; ++i) {
        QString url = QStringLiteral("http://");
        for (int n = sorte() % (i % 100 == 0 ? 120 : 30); n > 0; --n)
            url += pedacos[sorte() % pedacos.size()];
        url += finais[sorte() % finais.size()];
        const int resultado = pcre2_match(codigo, reinterpret_cast<PCRE2_SPTR>(url.utf16()), url.size(), 0,
                                          PCRE2_NOTEMPTY, dados, contexto);
        if (resultado == PCRE2_ERROR_MATCHLIMIT)
            continue;
        ASSERT_TRUE(resultado >= 0 || resultado == PCRE2_ERROR_NOMATCH) << resultado;
        casados += resultado >= 0;
        TOrcamento amplo = semRelogio(1'000'000'000'000);
        EXPECT_EQ(regras.julgar(url, {}, amplo) == TVeredito::palavrasChave, resultado >= 0)
            << url.toStdString();
    }
    EXPECT_GT(casados, 200);
    pcre2_match_context_free(contexto);
    pcre2_match_data_free(dados);
    pcre2_code_free(codigo);
}

TEST(RegrasLinks, EntradaDescontroladaNaoTravaEASeguinteAindaCasa) {
    const QString url = QStringLiteral("http://") + QString(40, QLatin1Char('a')) + QStringLiteral("!.com");
    EXPECT_EQ(julgarCom({QStringLiteral("(a+)+$")}, url), TVeredito::nenhum);
    EXPECT_EQ(julgarCom({QStringLiteral("(a+)+$"), QStringLiteral("a!")}, url), TVeredito::siteRuim);
}
