#include "settings/unit_Formatador.h"

#include "core/unit_Erros.h"

namespace Formatador {

QString formatar(const QString& modelo, const QStringList& argumentos) {
    QString resultado;
    resultado.reserve(modelo.size());
    qsizetype proximo = 0;
    for (qsizetype i = 0; i < modelo.size(); ++i) {
        if (modelo[i] != QLatin1Char('%')) {
            resultado += modelo[i];
            continue;
        }
        const QChar diretiva = i + 1 < modelo.size() ? modelo[i + 1] : QChar();
        if (diretiva == QLatin1Char('%')) {
            resultado += QLatin1Char('%');
        } else if (diretiva == QLatin1Char('s') && proximo < argumentos.size()) {
            resultado += argumentos[proximo++];
        } else {
            throw EFormato(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(modelo));
        }
        ++i;
    }
    return resultado;
}

} // namespace Formatador
