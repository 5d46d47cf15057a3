#include "platform/unit_Texto.h"

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
