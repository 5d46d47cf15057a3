#include "linkguard/unit_RegrasLinks.h"
#include "platform/unit_Erros.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using TVeredito = TRegrasLinks::TVeredito;

TVeredito julgarCom(const QStringList& lista, const QString& url, const QString& titulo = {}) {
    TRegrasLinks regras;
    regras.definirLista(lista);
    return regras.julgar(url, titulo);
}

} // namespace

TEST(Padrao, PontoEUmCaractereInteiro) {
    const QString comEmoji = QStringLiteral("a\U0001F353b");
    EXPECT_TRUE(TPadrao(QStringLiteral("^a.b$")).encontra(comEmoji));
    EXPECT_FALSE(TPadrao(QStringLiteral("^a..b$")).encontra(comEmoji));
}

TEST(Padrao, CasamentoVazioNaoConta) {
    // The leftmost match is empty; the search goes on to the first non-empty one.
    const std::optional<TTrecho> trecho = TPadrao(QStringLiteral("x*")).buscar(u"abxx");
    ASSERT_TRUE(trecho);
    EXPECT_EQ(trecho->inicio, 2);
    EXPECT_EQ(trecho->tamanho, 2);
    EXPECT_FALSE(TPadrao(QStringLiteral("$")).encontra(u"abc"));
    EXPECT_FALSE(TPadrao(QStringLiteral("(?=b)")).encontra(u"abc"));
}

TEST(Padrao, InvalidoLevantaErroACadaUso) {
    const TPadrao padrao(QStringLiteral("(abc"));
    EXPECT_FALSE(padrao.compilado());
    EXPECT_FALSE(padrao.motivoErro().isEmpty());
    EXPECT_THROW(padrao.encontra(u"abc"), EPadrao);
    EXPECT_THROW(padrao.encontra(u"abc"), EPadrao);
}

TEST(Padrao, BarraCMaiusculoERecusado) {
    // It matches half a character and could leave the search inside a pair.
    EXPECT_FALSE(TPadrao(QStringLiteral("a\\Cb")).compilado());
}

TEST(Padrao, TextoComMetadeDePar) {
    const QString texto = QString(QChar(0xD83D)) + QStringLiteral("x.com");
    const std::optional<TTrecho> trecho = TPadrao(QStringLiteral("x\\.com")).buscar(texto);
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
    for (const auto& caso : casos)
        EXPECT_EQ(TRegrasLinks::buscarEndereco(QString::fromUtf16(caso.texto)),
                  QString::fromUtf16(caso.endereco))
            << QString::fromUtf16(caso.texto).toStdString();
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
    EXPECT_EQ(regras.julgar(QStringLiteral("http://ruim.com"), {}), TVeredito::siteRuim);

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

TEST(RegrasLinks, EntradaDescontroladaNaoTravaEASeguinteAindaCasa) {
    const QString url = QStringLiteral("http://") + QString(40, QLatin1Char('a')) + QStringLiteral("!.com");
    EXPECT_EQ(julgarCom({QStringLiteral("(a+)+$")}, url), TVeredito::nenhum);
    EXPECT_EQ(julgarCom({QStringLiteral("(a+)+$"), QStringLiteral("a!")}, url), TVeredito::siteRuim);
}
