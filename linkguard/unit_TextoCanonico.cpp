#include "linkguard/unit_TextoCanonico.h"

#include "linkguard/unit_Ipv4Navegador.h"

#include <QStringView>

namespace {

// Format characters (zero-width, soft hyphen, directional marks and
// isolates, word joiner, byte-order mark...), the combining grapheme joiner
// and the variation selectors: nothing a reader sees, nothing a browser keeps in a host.
bool invisivel(char32_t c) {
    return QChar::category(c) == QChar::Other_Format || c == 0x034F || (c >= 0x180B && c <= 0x180D) ||
           (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF);
}

QString semInvisiveis(QStringView texto) {
    QString limpo;
    limpo.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const bool par = texto[i].isHighSurrogate() && i + 1 < texto.size() && texto[i + 1].isLowSurrogate();
        const char32_t c = par ? QChar::surrogateToUcs4(texto[i], texto[i + 1]) : texto[i].unicode();
        if (!invisivel(c))
            limpo += texto.mid(i, par ? 2 : 1);
        i += par;
    }
    return limpo;
}

// Where the text may be cut for normalising without changing the result:
// before a character that composes with nothing before it. Combining class 0
// says so for all but the Hangul vowel and final jamo and a few vowel signs
// of Indic and Sinhala scripts, which do not stand in web addresses.
bool cortavelAntes(QChar c) {
    return !c.isLowSurrogate() && c.combiningClass() == 0 &&
           !(c.unicode() >= 0x1160 && c.unicode() <= 0x11FF) &&
           !(c.unicode() >= 0xD7B0 && c.unicode() <= 0xD7FF);
}

// NFKC a piece at a time, up to `maximoCaracteres` of result: Qt's normalisation takes time in the square of
// the length it produces (16,384 characters that decompose into 18 each took
// 126 ms in one piece, under 1 ms in pieces).
QString nfkc(const QString& texto) {
    constexpr qsizetype pedaco = 64;
    QString normal;
    normal.reserve(texto.size());
    qsizetype inicio = 0;
    for (qsizetype i = 1; i <= texto.size() && normal.size() < TextoCanonico::maximoCaracteres; ++i) {
        if (i < texto.size() && (i - inicio < pedaco || !cortavelAntes(texto[i])))
            continue;
        normal +=
            QStringView(texto).mid(inicio, i - inicio).toString().normalized(QString::NormalizationForm_KC);
        inicio = i;
    }
    normal.truncate(TextoCanonico::maximoCaracteres);
    return normal;
}

bool naoReservado(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

QString decodificarNaoReservados(QStringView host) {
    QString decodificado;
    decodificado.reserve(host.size());
    for (qsizetype i = 0; i < host.size(); ++i) {
        if (host[i] == u'%' && host.size() - i >= 3) {
            bool ok = false;
            const int valor = host.mid(i + 1, 2).toInt(&ok, 16);
            if (ok && valor < 128 && naoReservado(char(valor))) {
                decodificado += QChar(valor);
                i += 2;
                continue;
            }
        }
        decodificado += host[i];
    }
    return decodificado;
}

bool ehEsquema(QStringView esquema) {
    if (esquema.isEmpty() || !esquema[0].isLetter() || esquema[0].unicode() >= 128)
        return false;
    for (const QChar c : esquema)
        if (c.unicode() >= 128 || !(c.isLetterOrNumber() || c == u'+' || c == u'-' || c == u'.'))
            return false;
    return true;
}

// The parts of one word read as a link.
struct TPalavra {
    QStringView esquema; // empty without "scheme://"
    QStringView usuario; // up to and with the last "@" of the authority
    QStringView host;
    QStringView resto; // port, path, query, fragment
};

TPalavra separar(QStringView palavra) {
    TPalavra partes;
    const qsizetype separador = palavra.indexOf(u"://");
    if (separador > 0 && ehEsquema(palavra.first(separador))) {
        partes.esquema = palavra.first(separador + 3);
        palavra = palavra.mid(separador + 3);
    }
    qsizetype fimAutoridade = palavra.size();
    for (const char16_t fim : {u'/', u'?', u'#', u'\\'})
        if (const qsizetype posicao = palavra.indexOf(fim); posicao >= 0)
            fimAutoridade = std::min(fimAutoridade, posicao);
    const QStringView autoridade = palavra.first(fimAutoridade);
    const qsizetype arroba = autoridade.lastIndexOf(u'@');
    partes.usuario = autoridade.first(arroba + 1);
    QStringView host = autoridade.mid(arroba + 1);
    const qsizetype doisPontos = host.lastIndexOf(u':');
    if (doisPontos >= 0 && host.lastIndexOf(u']') < doisPontos)
        host = host.first(doisPontos);
    partes.host = host;
    partes.resto = palavra.mid(partes.usuario.size() + host.size());
    return partes;
}

bool ehLink(const TPalavra& partes, const QString& esquema, QStringView host) {
    if (!esquema.isEmpty())
        return esquema == QLatin1String("http://") || esquema == QLatin1String("https://");
    return Ipv4Navegador::partes(host) == 4 &&
           (partes.resto.startsWith(u'/') || partes.resto.startsWith(u':'));
}

QString canonizarPalavra(QStringView palavra) {
    const TPalavra partes = separar(palavra);
    const QString esquema = partes.esquema.toString().toLower();
    QString host = decodificarNaoReservados(partes.host).toLower();
    if (ehLink(partes, esquema, host))
        if (const std::optional<uint32_t> ip = Ipv4Navegador::ler(host))
            host = Ipv4Navegador::texto(*ip);
    QString canonica = esquema;
    canonica.append(partes.usuario).append(host).append(partes.resto);
    return canonica;
}

} // namespace

namespace TextoCanonico {

QString de(const QString& texto) {
    QString normal = nfkc(semInvisiveis(QStringView(texto).first(std::min(texto.size(), maximoCaracteres))));
    normal.replace(QChar(0x3002), QLatin1Char('.'));
    QString canonico;
    canonico.reserve(normal.size());
    qsizetype inicio = 0;
    for (qsizetype i = 0; i <= normal.size(); ++i) {
        if (i < normal.size() && !normal[i].isSpace())
            continue;
        canonico += canonizarPalavra(QStringView(normal).mid(inicio, i - inicio));
        if (i < normal.size())
            canonico += normal[i];
        inicio = i + 1;
    }
    return canonico;
}

} // namespace TextoCanonico
