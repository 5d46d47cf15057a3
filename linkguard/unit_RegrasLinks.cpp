#include "linkguard/unit_RegrasLinks.h"

#include "platform/unit_Texto.h"

#include <algorithm>
#include <cstdio>

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
    for (qsizetype i = 0; i < lista.size(); ++i) {
        TPadrao padrao(prefixoSiteRuim + lista[i]);
        if (padrao.compilado())
            padroes.push_back(std::move(padrao));
        else
            relatar(QStringLiteral("bad-site list line %1 left out (%2): \"%3\"")
                        .arg(i + 1)
                        .arg(padrao.motivoErro(), paraRegistro(lista[i])));
    }
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
