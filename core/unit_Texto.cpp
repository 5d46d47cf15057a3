#include "core/unit_Texto.h"

#include <algorithm>
#include <array>

namespace {

// Characters of the bytes 0x80 to 0x9F; the other bytes are the characters of the same number.
constexpr std::array<char16_t, 32> windows1252Altos = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Arabic letter mark, left-to-right and right-to-left marks, embeddings and
// overrides with their pop, isolates with theirs.
bool formatacaoBidi(char16_t c) {
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

const QByteArray bomUtf8 = QByteArrayLiteral("\xEF\xBB\xBF");

} // namespace

namespace Texto {

QStringList linhas(const QByteArray& bytes) {
    QString texto = QString::fromUtf8(bytes);
    if (texto.startsWith(QChar(0xFEFF)))
        texto.remove(0, 1);
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList resultado = texto.split(QLatin1Char('\n'));
    if (!resultado.isEmpty() && resultado.last().isEmpty())
        resultado.removeLast();
    return resultado;
}

// Line ends are ASCII bytes, which never occur inside another UTF-8 character.
qsizetype contarLinhas(const QByteArray& bytes) {
    const QByteArrayView texto = bytes.startsWith(bomUtf8) ? QByteArrayView(bytes).sliced(3) : bytes;
    if (texto.isEmpty())
        return 0;
    qsizetype quebras = 0;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const bool fimCrLf = texto[i] == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n';
        if ((texto[i] == '\r' && !fimCrLf) || texto[i] == '\n')
            ++quebras;
    }
    const char ultimo = texto.back();
    return quebras + (ultimo == '\r' || ultimo == '\n' ? 0 : 1);
}

QString apararPontas(const QString& texto, bool (*descartar)(QChar)) {
    qsizetype inicio = 0;
    qsizetype fim = texto.size();
    while (inicio < fim && descartar(texto[inicio]))
        ++inicio;
    while (fim > inicio && descartar(texto[fim - 1]))
        --fim;
    return texto.mid(inicio, fim - inicio);
}

QString apararControles(const QString& texto) {
    return apararPontas(texto, [](QChar c) { return c.unicode() <= 32; });
}

QString bidiVisivel(const QString& texto) {
    if (std::none_of(texto.begin(), texto.end(), [](QChar c) { return formatacaoBidi(c.unicode()); }))
        return texto;
    QString visivel;
    visivel.reserve(texto.size() + 16);
    for (const QChar c : texto) {
        if (formatacaoBidi(c.unicode()))
            visivel += QStringLiteral("<U+%1>").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
        else
            visivel += c;
    }
    return visivel;
}

QString deWindows1252(QByteArrayView bytes) {
    QString texto(bytes.size(), Qt::Uninitialized);
    QChar* destino = texto.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *destino++ = QChar(byte >= 0x80 && byte < 0xA0 ? windows1252Altos[byte - 0x80] : char16_t(byte));
    }
    return texto;
}

std::optional<QByteArray> paraWindows1252(QStringView texto) {
    QByteArray bytes;
    bytes.reserve(texto.size());
    for (const QChar c : texto) {
        const char16_t codigo = c.unicode();
        if (codigo < 0x80 || (codigo >= 0xA0 && codigo <= 0xFF)) {
            bytes.append(static_cast<char>(codigo));
            continue;
        }
        const auto* achado = std::find(windows1252Altos.begin(), windows1252Altos.end(), codigo);
        if (achado == windows1252Altos.end())
            return std::nullopt;
        bytes.append(static_cast<char>(0x80 + (achado - windows1252Altos.begin())));
    }
    return bytes;
}

} // namespace Texto
