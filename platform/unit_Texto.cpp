#include "platform/unit_Texto.h"

namespace {

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

} // namespace Texto
