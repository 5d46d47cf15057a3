#include "linkguard/unit_RegrasLinks.h"

#include "platform/unit_Texto.h"

#include <algorithm>
#include <iterator>

namespace {

const QString padraoEndereco = QStringLiteral(
    R"re((http:\/\/)?(www\.)?[-a-zA-Z0-9@:%._\+~#=]{1,256}\.[a-z]{2,6}\b([-a-zA-Z0-9@:%_\+.~#?&//=]*)?)re");
const QString padraoPalavrasChave = QStringLiteral(
    R"re(((.hack)|(.gratis+)|(.free+)|(.gerador+)|(.generator+)|((.morangos?).+)|(.(fraises?).)|(.(fresas?).)){2,200}\.[a-z]{2,6}\b([-a-zA-Z0-9@:%_\+.~#?&//=]*)?)re");

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

} // namespace

const QString TRegrasLinks::prefixoEsquema = QStringLiteral("http://");
const QString TRegrasLinks::prefixoSiteRuim = QStringLiteral(R"re((http:\/\/)?(www\.)?)re");

QString TRegrasLinks::aparar(const QString& texto) {
    const QString semControles = Texto::apararControles(texto);
    return Texto::apararPontas(semControles, [](QChar c) { return c.unicode() == 0x00A0; });
}

QString TRegrasLinks::buscarEndereco(const QString& texto) {
    const std::optional<TTrecho> trecho = enderecos().buscar(texto);
    return trecho ? texto.mid(trecho->inicio, trecho->tamanho) : QString();
}

QString TRegrasLinks::comPrefixo(const QString& url) {
    return url.startsWith(prefixoEsquema) ? url : prefixoEsquema + url;
}

void TRegrasLinks::definirLista(const QStringList& lista) {
    std::vector<TPadrao> padroes;
    padroes.reserve(lista.size());
    std::transform(lista.begin(), lista.end(), std::back_inserter(padroes),
                   [](const QString& entrada) { return TPadrao(prefixoSiteRuim + entrada); });
    padroesLista_ = std::move(padroes);
    lista_ = lista;
}

TRegrasLinks::TVeredito TRegrasLinks::julgar(const QString& url, const QString& titulo) const {
    if (!titulo.isEmpty() && tituloRuim(titulo))
        return TVeredito::titulo;
    if (palavrasChave().encontra(url))
        return TVeredito::palavrasChave;
    if (siteRuim(url))
        return TVeredito::siteRuim;
    return TVeredito::nenhum;
}

bool TRegrasLinks::tituloRuim(const QString& titulo) {
    const QString minusculo = titulo.toLower();
    return contemAlguma(minusculo, palavrasTituloA) && contemAlguma(minusculo, palavrasTituloB);
}

bool TRegrasLinks::siteRuim(const QString& url) const {
    return std::any_of(padroesLista_.begin(), padroesLista_.end(),
                       [&url](const TPadrao& padrao) { return padrao.encontra(url); });
}
