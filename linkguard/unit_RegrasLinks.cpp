#include "linkguard/unit_RegrasLinks.h"

#include "core/unit_Texto.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace {

const QString padraoEndereco = QStringLiteral(
    R"re((http:\/\/)?(www\.)?[-a-zA-Z0-9@:%._\+~#=]{1,256}\.[a-z]{2,6}\b([-a-zA-Z0-9@:%_\+.~#?&//=]*)?)re");
// Keywords in an address: two to 200 fragments in a row before the top-level
// label. The repeated group is called as a subroutine instead of being
// written out 200 times, which matches exactly the same and keeps the pattern,
// with a callout before every item for the budget, within PCRE2's size limit.
const QString padraoPalavrasChave = QStringLiteral(
    R"re(((.hack)|(.gratis+)|(.free+)|(.gerador+)|(.generator+)|((.morangos?).+)|(.(fraises?).)|(.(fresas?).))(?1){1,199}\.[a-z]{2,6}\b([-a-zA-Z0-9@:%_\+.~#?&//=]*)?)re");

// A bad title names something free or a cheat (group A) together with the
// game's goods (group B).
const QStringList palavrasTituloA = {QStringLiteral("gerador"), QStringLiteral("hack"),
                                     QStringLiteral("gratis"), QStringLiteral("gr\u00E1tis")};
const QStringList palavrasTituloB = {QStringLiteral("morango"), QStringLiteral("queijo"),
                                     QStringLiteral("fraise"), QStringLiteral("fresa")};

const TPadrao& enderecos() {
    static const TPadrao padrao(padraoEndereco);
    return padrao;
}

const TPadrao& palavrasChave() {
    static const TPadrao padrao(padraoPalavrasChave);
    return padrao;
}

bool contemAlguma(const QString& texto, const QStringList& palavras) {
    return std::any_of(palavras.begin(), palavras.end(),
                       [&texto](const QString& p) { return texto.contains(p); });
}

// The first look every bad-site entry gets takes at most half of what the
// judgement has left, shared evenly, but never fewer steps than a plain host
// entry needs against a usual address.
constexpr uint64_t olhadaMinima = 64;

uint64_t primeiraOlhada(uint64_t restantes, size_t entradas) {
    return std::max(restantes / 2 / std::max<size_t>(entradas, 1), olhadaMinima);
}

// Text from outside as one harmless line for a terminal: control, format and
// separator characters written as code points, and no more than a line's worth.
QString paraRegistro(const QString& texto) {
    constexpr qsizetype maximo = 120;
    const qsizetype fim = std::min(texto.size(), maximo);
    QString linha;
    for (qsizetype i = 0; i < fim; ++i) {
        const QChar c = texto[i];
        const QChar::Category categoria = c.category();
        if (c.isHighSurrogate() && i + 1 < fim && texto[i + 1].isLowSurrogate()) {
            linha += texto.mid(i++, 2);
        } else if (c.isSurrogate() || categoria == QChar::Other_Control || categoria == QChar::Other_Format ||
                   categoria == QChar::Separator_Line || categoria == QChar::Separator_Paragraph) {
            linha += QStringLiteral("<U+%1>").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
        } else {
            linha += c;
        }
    }
    if (texto.size() > maximo)
        linha += QStringLiteral("... (%1 characters)").arg(texto.size());
    return linha;
}

void relatar(const QString& mensagem) {
    const QByteArray linha = (QStringLiteral("Quillet 6: ") + mensagem + QLatin1Char('\n')).toUtf8();
    std::fwrite(linha.constData(), 1, size_t(linha.size()), stderr);
}

QString corte(const TOrcamento& orcamento) {
    return QStringLiteral("was cut short after %1 steps%2")
        .arg(orcamento.passosGastos())
        .arg(orcamento.prazoPassou() ? QStringLiteral(", at its time limit") : QString());
}

} // namespace

const QString TRegrasLinks::prefixoEsquema = QStringLiteral("http://");
const QString TRegrasLinks::prefixoSiteRuim = QStringLiteral(R"re((http:\/\/)?(www\.)?)re");

QString TRegrasLinks::aparar(const QString& texto) {
    const QString semControles = Texto::apararControles(texto);
    return Texto::apararPontas(semControles, [](QChar c) { return c.unicode() == 0x00A0; });
}

QString TRegrasLinks::buscarEndereco(const QString& texto, TOrcamento& orcamento) {
    const TResultadoBusca busca = enderecos().buscar(texto, orcamento);
    if (busca.interrompida)
        relatar(
            QStringLiteral("the search for an address in a copied text of %1 characters %2; nothing in it "
                           "is judged")
                .arg(texto.size())
                .arg(corte(orcamento)));
    return busca.trecho ? texto.mid(busca.trecho->inicio, busca.trecho->tamanho) : QString();
}

QString TRegrasLinks::comPrefixo(const QString& url) {
    return url.startsWith(prefixoEsquema) ? url : prefixoEsquema + url;
}

void TRegrasLinks::definirLista(const QStringList& lista) {
    std::vector<TPadrao> padroes;
    std::vector<qsizetype> linhas;
    std::vector<QString> entradas;
    padroes.reserve(lista.size());
    for (qsizetype i = 0; i < lista.size(); ++i) {
        TPadrao padrao(prefixoSiteRuim + lista[i]);
        if (padrao.compilado()) {
            padroes.push_back(std::move(padrao));
            linhas.push_back(i);
            entradas.push_back(lista[i]);
        } else {
            relatar(QStringLiteral("bad-site list line %1 left out (%2): \"%3\"")
                        .arg(i + 1)
                        .arg(padrao.motivoErro(), paraRegistro(lista[i])));
        }
    }
    indice_ = TIndiceLista(entradas);
    padroesLista_ = std::move(padroes);
    linhasLista_ = std::move(linhas);
    lista_ = lista;
}

TRegrasLinks::TVeredito TRegrasLinks::julgar(const QString& url, const QString& titulo,
                                             TOrcamento& orcamento) const {
    if (!titulo.isEmpty() && tituloRuim(titulo))
        return TVeredito::titulo;
    const TTextoBusca texto(url);
    // A quarter of the budget at most, so that an address built to make the
    // keyword pattern backtrack cannot keep the list from being tried.
    const TResultadoBusca chave = palavrasChave().buscar(texto, orcamento, orcamento.passosRestantes() / 4);
    if (chave.trecho)
        return TVeredito::palavrasChave;
    const TBuscaLista lista = buscarNaLista(texto, orcamento);
    if (lista.linha)
        return TVeredito::siteRuim;
    if (!chave.interrompida && lista.indecisas == 0)
        return TVeredito::nenhum;
    relatar(
        QStringLiteral("judging \"%1\" %2: keyword rule %3, %4 of %5 bad-site entries undecided; the address "
                       "is not held bad")
            .arg(paraRegistro(url), corte(orcamento),
                 chave.interrompida ? QStringLiteral("undecided") : QStringLiteral("decided"))
            .arg(lista.indecisas)
            .arg(padroesLista_.size()));
    return TVeredito::indeciso;
}

bool TRegrasLinks::tituloRuim(const QString& titulo) {
    const QString minusculo = titulo.toLower();
    return contemAlguma(minusculo, palavrasTituloA) && contemAlguma(minusculo, palavrasTituloB);
}

// Every entry first gets a short look, so that runaway entries cannot keep
// the sound ones after them from being tried; those that need longer are then
// tried again, in list order, with what the budget has left. The look is
// shared out as if every entry were tried, so that an entry gets the same
// look whether the index leaves the others out or not.
TRegrasLinks::TBuscaLista TRegrasLinks::buscarNaLista(const TTextoBusca& url, TOrcamento& orcamento,
                                                      TModoLista modo) const {
    const uint64_t olhada = primeiraOlhada(orcamento.passosRestantes(), padroesLista_.size());
    const std::vector<uint32_t> candidatas =
        modo == TModoLista::indexada ? indice_.candidatas(url.texto()) : todasAsEntradas();
    std::vector<uint32_t> adiadas;
    for (const uint32_t entrada : candidatas) {
        const TResultadoBusca busca = padroesLista_[entrada].buscar(url, orcamento, olhada);
        if (busca.trecho)
            return {linhasLista_[entrada]};
        if (busca.interrompida)
            adiadas.push_back(entrada);
    }
    for (auto adiada = adiadas.begin(); adiada != adiadas.end(); ++adiada) {
        const TResultadoBusca busca = padroesLista_[*adiada].buscar(url, orcamento);
        if (busca.trecho)
            return {linhasLista_[*adiada]};
        if (busca.interrompida)
            return {std::nullopt, adiadas.end() - adiada};
    }
    return {};
}

std::vector<uint32_t> TRegrasLinks::todasAsEntradas() const {
    std::vector<uint32_t> todas(padroesLista_.size());
    std::iota(todas.begin(), todas.end(), 0);
    return todas;
}
