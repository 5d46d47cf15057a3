#include "linkguard/unit_AutomatoPedacos.h"
#include "linkguard/unit_PedacoObrigatorio.h"
#include "linkguard/unit_RegrasLinks.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <set>

namespace {

using namespace std::chrono_literals;
using TModoLista = TRegrasLinks::TModoLista;

TOrcamento semRelogio(uint64_t passos = TOrcamento::deJulgamento().passosRestantes()) {
    return TOrcamento(passos, 24h);
}

template <class TLista> const QString& sortear(std::mt19937& sorte, const TLista& lista) {
    return lista[sorte() % lista.size()];
}

// A text the entry may well match: a quantified character written 0 to 2
// times (once at least for "+"), "." some character, a class its first
// character, escapes and anchors taken away. Groups and alternatives stay
// as they are written.
QString exemplo(std::mt19937& sorte, const QString& entrada) {
    const QString letras = QStringLiteral("ab.-/\u00E9");
    QString texto;
    qsizetype ultimo = 0;
    for (qsizetype i = 0; i < entrada.size(); ++i) {
        const QChar c = entrada[i];
        if (c == u'?' || c == u'*' || c == u'+') {
            const QString repetido = texto.right(ultimo);
            texto.chop(ultimo);
            for (unsigned vezes = c == u'?' ? sorte() % 2 : (c == u'+') + sorte() % 3; vezes > 0; --vezes)
                texto += repetido;
            if (i + 1 < entrada.size() && (entrada[i + 1] == u'?' || entrada[i + 1] == u'+'))
                ++i;
            ultimo = 0;
        } else if (c == u'^' || c == u'$' ||
                   (c == u'\\' && i + 1 < entrada.size() && entrada[i + 1] == u'b')) {
            i += c == u'\\';
            ultimo = 0;
        } else if (c == u'\\' && i + 1 < entrada.size() && entrada[i + 1] == u'd') {
            ++i;
            texto += QChar(char16_t(u'0' + sorte() % 10));
            ultimo = 1;
        } else if (c == u'[' && i + 1 < entrada.size()) {
            // The first character a class names.
            texto += entrada[i + 1] == u'^' ? u'#' : entrada[i + 1];
            i = std::max(i, entrada.indexOf(u']', i + 2));
            ultimo = 1;
        } else {
            const bool escapado = c == u'\\' && i + 1 < entrada.size();
            i += escapado;
            ultimo = entrada[i].isHighSurrogate() && i + 1 < entrada.size() ? 2 : 1;
            texto += c == u'.' ? QString(letras[sorte() % letras.size()]) : entrada.mid(i, ultimo);
            i += ultimo - 1;
        }
    }
    return texto;
}

// A copy changed in one place: a character replaced, added, dropped or put
// in the other letter case, or the text cut short.
QString mutar(std::mt19937& sorte, QString texto) {
    const QStringList trocas = {"x", ".", "-", "/", "\u00E9", "\U0001F353", "0", "_", " "};
    if (texto.isEmpty())
        return sortear(sorte, trocas);
    const qsizetype lugar = qsizetype(sorte() % texto.size());
    switch (sorte() % 5) {
    case 0:
        return texto.replace(lugar, 1, sortear(sorte, trocas));
    case 1:
        return texto.insert(lugar, sortear(sorte, trocas));
    case 2:
        return texto.remove(lugar, 1);
    case 3: {
        const QChar c = texto[lugar];
        return texto.replace(lugar, 1, c.isUpper() ? c.toLower() : c.toUpper());
    }
    default:
        return texto.left(lugar);
    }
}

} // namespace

TEST(PedacoObrigatorio, PedacoQueTodoCasamentoContem) {
    const struct {
        const char16_t* entrada;
        const char16_t* pedaco;
    } casos[] = {
        {u"site1\\.com", u"site1.com"},
        // A bare dot stands for any character: the longer side is kept.
        {u"premios-velmora.com", u"premios-velmora"},
        {u"^conta\\-velmora$", u"conta-velmora"},
        {u"velmora\\b\\.net", u"velmora"},
        // Quantifiers on one character, the first one included.
        {u"x*abc\\.tk", u"abc.tk"},
        {u"ab?cde", u"cde"},
        {u"x+abc", u"xabc"},
        {u"ab+cd", u"bcd"},
        {u"ab+?cd", u"bcd"},
        {u"abc*+d", u"ab"},
        {u"gr\u00E1tis\\.com\\/entrar", u"gr\u00E1tis.com/entrar"},
        // A character outside the basic plane is taken whole by its quantifier.
        {u"morango\U0001F353?s", u"morango"},
        {u"\U0001F353+ab", u"\U0001F353ab"},
        {u"x\uFFFDy", u"x\uFFFDy"},
        {u"0123456789abcdefghijklmnopqrstuvwxyz", u"0123456789abcdefghijklmnopqrstuv"},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(pedacoObrigatorio(QString::fromUtf16(caso.entrada)), QString::fromUtf16(caso.pedaco))
            << QString::fromUtf16(caso.entrada).toStdString();
}

TEST(PedacoObrigatorio, EntradasQueNaoSeAnalisam) {
    const char16_t* casos[] = {
        u"",        u".",       u"a?",       u"^$",      u"(ruim)\\.com", u"ruim|bom",
        u"[rR]uim", u"ruim{2}", u"\\d+ruim", u"\\x41bc", u"\\Qa.b\\E",    u"*ruim",
        u"+ruim",   u"?ruim",   u"(?i)ruim", u"ruim]",   u"ruim}",        u"a\\ b",
        u"ruim\\1", u"a**b",    u"a+++b",    u"ruim\\",
    };
    for (const char16_t* caso : casos)
        EXPECT_EQ(pedacoObrigatorio(QString::fromUtf16(caso)), QString())
            << QString::fromUtf16(caso).toStdString();
}

// The claim the index rests on, tried against the library itself: wherever
// an entry with a piece matches, the match holds the piece.
TEST(PedacoObrigatorio, TodoCasamentoDaBibliotecaContemOPedaco) {
    const QStringList itens = {"a",   "b",  "c",  "\u00E9", "\U0001F353", ".", "\\.", "?",   "*",
                               "+",   "+?", "*+", "??",     "^",          "$", "\\b", "\\B", "-",
                               "\\-", "/",  "a+", "b*",     "(",          "|", "[ab]"};
    const QStringList letras = {"a", "b", "c", ".", "\u00E9", "\U0001F353", "-", "/", " ", "http://www."};
    std::mt19937 sorte(31);
    int comPedaco = 0;
    int casamentos = 0;
    for (int i = 0; i < 3'000; ++i) {
        QString entrada;
        for (int n = 1 + sorte() % 7; n > 0; --n)
            entrada += sortear(sorte, itens);
        const TPadrao padrao(TRegrasLinks::prefixoSiteRuim + entrada);
        const QString pedaco = pedacoObrigatorio(entrada);
        if (!padrao.compilado() || pedaco.isEmpty())
            continue;
        ++comPedaco;
        for (int j = 0; j < 25; ++j) {
            QString texto = j % 2 ? exemplo(sorte, entrada) : QString();
            for (int n = sorte() % 10; n > 0; --n)
                texto.insert(qsizetype(sorte() % (texto.size() + 1)), sortear(sorte, letras));
            TOrcamento orcamento = semRelogio();
            const std::optional<TTrecho> trecho = padrao.buscar(texto, orcamento).trecho;
            if (!trecho)
                continue;
            ++casamentos;
            ASSERT_TRUE(texto.mid(trecho->inicio, trecho->tamanho).contains(pedaco))
                << "entry " << entrada.toStdString() << " piece " << pedaco.toStdString() << " text "
                << texto.toStdString();
        }
    }
    EXPECT_GT(comPedaco, 500);
    EXPECT_GT(casamentos, 5'000);
}

TEST(AutomatoPedacos, PedacosQueSeSobrepoemOuSeRepetem) {
    const std::vector<std::u16string_view> pedacos = {u"he", u"she", u"his",           u"hers", u"a",
                                                      u"aa", u"aaa", u"\u00E9t\u00E9", u"he"};
    const TAutomatoPedacos automato(pedacos);
    const std::vector<uint32_t> achados = automato.presentes(u"ushers aaaa \u00E9t\u00E9");
    EXPECT_EQ(std::multiset<uint32_t>(achados.begin(), achados.end()),
              (std::multiset<uint32_t>{0, 1, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(automato.presentes(u"").empty());
    EXPECT_TRUE(TAutomatoPedacos().presentes(u"qualquer").empty());
}

// Against the plain way, on small alphabets where pieces overlap, nest,
// repeat and share their ends.
TEST(AutomatoPedacos, IgualABuscarCadaPedaco) {
    const std::u16string alfabeto = u"ab.\u00E9\U0001F353";
    std::mt19937 sorte(7);
    for (int conjunto = 0; conjunto < 300; ++conjunto) {
        std::vector<std::u16string> textos;
        for (int n = 1 + sorte() % 30; n > 0; --n) {
            std::u16string pedaco;
            for (int k = 1 + sorte() % 5; k > 0; --k)
                pedaco += alfabeto[sorte() % alfabeto.size()];
            textos.push_back(pedaco);
        }
        const std::vector<std::u16string_view> pedacos(textos.begin(), textos.end());
        const TAutomatoPedacos automato(pedacos);
        for (int t = 0; t < 30; ++t) {
            std::u16string texto;
            for (int k = sorte() % 25; k > 0; --k)
                texto += alfabeto[sorte() % alfabeto.size()];
            std::multiset<uint32_t> esperados;
            for (uint32_t p = 0; p < pedacos.size(); ++p)
                if (texto.find(pedacos[p]) != std::u16string::npos)
                    esperados.insert(p);
            const std::vector<uint32_t> achados =
                automato.presentes(QStringView(texto.data(), qsizetype(texto.size())));
            ASSERT_EQ(std::multiset<uint32_t>(achados.begin(), achados.end()), esperados);
        }
    }
}

namespace {

// Entries of every kind a list may hold, among host names of its own kind.
QStringList listaMista() {
    QStringList lista = {
        "gratis\\.com", // ends a later entry: found only as a suffix of it
        "morango-gratis\\.com",
        "queijo.tk",              // a bare dot: any character
        "[0-9]+-velmora\\.net",   // a class
        "conta|login-velmora",    // alternation at the top
        "(premio|bonus)s?\\.org", // alternation in a group
        "^www\\.velmora-login",   // anchored at the start of the address
        "\\.ru$",                 // anchored at its end
        "\\bhack\\b",             // word boundaries
        "s*ite1\\.com",           // quantifiers on the first character
        "x?velmora\\.com\\.br",
        "premio-velmoras?\\.com",
        "trofeuu*\\.net",
        "g+ratis-velmora",
        "Velmora-Oficial\\.com", // letter case counts
        "VELMORA",
        "fr\u00E9sas-gr\u00E1tis\\.fr", // text outside ASCII
        "\U0001F353+\\.ws",
        "x\uFFFDy",        // matches where the address holds half a pair
        "(?i)cheese-free", // letter case switched off inside the entry
        "velmora\\.com/entrar\\?id=\\d+",
        "(ruim", // does not compile: left out
        "ab+c\\.info",
        "a.b.c.d",
        "free\\-morangos\\.com\\.br",
        "d.\\.tk",
        "^http://[^/]*\\.xyz/",
    };
    const QStringList palavras = {"morango", "queijo",  "premio", "login",
                                  "conta",   "velmora", "bonus",  "gratis"};
    const QStringList dominios = {"com", "net", "com\\.br", "org", "tk"};
    std::mt19937 sorte(12);
    for (int i = 0; i < 100; ++i) {
        QString entrada = QStringLiteral("%1-%2%3\\.%4")
                              .arg(sortear(sorte, palavras), sortear(sorte, palavras))
                              .arg(i)
                              .arg(sortear(sorte, dominios));
        if (i % 7 == 0)
            entrada.replace(QStringLiteral("\\."), QStringLiteral("."));
        const qsizetype lugar = qsizetype(sorte() % lista.size());
        lista.insert(lugar, entrada);
        if (i % 5 == 0)
            lista.insert(qsizetype(sorte() % (lugar + 1)), entrada.mid(entrada.indexOf(u'-') + 1));
    }
    return lista;
}

// Addresses made of the list's own entries, changed copies of them and
// random text, with and without scheme and "www.".
QStringList corpus(const QStringList& lista, int quantos) {
    const QStringList inicios = {"http://", "http://www.", "http://login.", "http://a.b."};
    const QStringList finais = {"", "/", "/?id=55", ".br", "x", "/entrar?id=7", "\U0001F353"};
    const QString letras = QStringLiteral("abcxyz0129.-/_?=&VLM\u00E9\u00E1 ");
    QStringList enderecos = {"http://x" + QString(QChar(0xD800)) + "y.com", "http://hack", "http://site1.com",
                             "http://ab.c.d", "http://www.velmora-login.com"};
    std::mt19937 sorte(2024);
    while (enderecos.size() < quantos) {
        QString miolo;
        switch (sorte() % 4) {
        case 0:
            miolo = exemplo(sorte, sortear(sorte, lista));
            break;
        case 1:
        case 2:
            miolo = exemplo(sorte, sortear(sorte, lista));
            for (int n = 1 + sorte() % 3; n > 0; --n)
                miolo = mutar(sorte, miolo);
            break;
        default:
            for (int n = sorte() % 30; n > 0; --n)
                miolo += letras[sorte() % letras.size()];
        }
        enderecos << sortear(sorte, inicios) + miolo + sortear(sorte, finais);
    }
    return enderecos;
}

} // namespace

// The indexed search and the literal one, on thousands of addresses: the
// same verdict and the same line, with the whole budget; with a budget the
// literal search often cannot finish, the same whenever it does, and never
// more steps spent by the index.
TEST(IndiceLista, MesmoVereditoEMesmaEntradaQueABuscaLiteral) {
    const QStringList lista = listaMista();
    TRegrasLinks regras;
    testing::internal::CaptureStderr();
    regras.definirLista(lista);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("left out"), std::string::npos);

    int casados = 0;
    int decididosSoPeloIndice = 0;
    int decididosPorAmbos = 0;
    for (const QString& url : corpus(lista, 12'000)) {
        const TTextoBusca texto(url);
        TOrcamento amploLiteral = semRelogio();
        TOrcamento amploIndice = semRelogio();
        const TRegrasLinks::TBuscaLista literal =
            regras.buscarNaLista(texto, amploLiteral, TModoLista::literal);
        const TRegrasLinks::TBuscaLista indexada = regras.buscarNaLista(texto, amploIndice);
        ASSERT_EQ(literal.indecisas, 0) << url.toStdString();
        ASSERT_EQ(indexada.indecisas, 0) << url.toStdString();
        ASSERT_EQ(indexada.linha, literal.linha) << url.toStdString();
        ASSERT_LE(amploIndice.passosGastos(), amploLiteral.passosGastos());
        casados += literal.linha.has_value();

        TOrcamento curtoLiteral = semRelogio(1'500);
        TOrcamento curtoIndice = semRelogio(1'500);
        const TRegrasLinks::TBuscaLista literalCurta =
            regras.buscarNaLista(texto, curtoLiteral, TModoLista::literal);
        const TRegrasLinks::TBuscaLista indexadaCurta = regras.buscarNaLista(texto, curtoIndice);
        ASSERT_LE(curtoIndice.passosGastos(), curtoLiteral.passosGastos());
        if (literalCurta.linha || literalCurta.indecisas == 0) {
            ++decididosPorAmbos;
            ASSERT_EQ(indexadaCurta.linha, literalCurta.linha) << url.toStdString();
            ASSERT_EQ(indexadaCurta.indecisas, 0) << url.toStdString();
        } else if (indexadaCurta.linha || indexadaCurta.indecisas == 0) {
            // An entry needing more than its first look may still be owed an
            // answer: a later one that matched decides, as in the literal search.
            ++decididosSoPeloIndice;
            ASSERT_EQ(indexadaCurta.linha.has_value(), literal.linha.has_value()) << url.toStdString();
            ASSERT_GE(indexadaCurta.linha.value_or(0), literal.linha.value_or(0)) << url.toStdString();
        }
    }
    // Neither side of the comparison is left empty.
    EXPECT_GT(casados, 3'000);
    EXPECT_GT(decididosPorAmbos, 1'000);
    EXPECT_GT(decididosSoPeloIndice, 1'000);
}
