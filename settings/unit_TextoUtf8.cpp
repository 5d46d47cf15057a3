#include "settings/unit_TextoUtf8.h"

namespace TextoUtf8 {

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

} // namespace TextoUtf8
