#include "remote/unit_Definicoes.h"

#include "core/unit_Erros.h"

#include <algorithm>

QString TDefinicoes::valor(const QStringList& linhas, const QString& nome) {
    for (const QString& linha : linhas) {
        const qsizetype igual = linha.indexOf(QLatin1Char('='));
        if (igual >= 0 && QStringView(linha).first(igual).compare(nome, Qt::CaseInsensitive) == 0)
            return linha.sliced(igual + 1);
    }
    return {};
}

// Checked before converting: the conversion itself would stop at a NUL and
// take what comes before it.
int TDefinicoes::inteiro(const QString& valor) {
    const QStringView digitos = valor.startsWith(QLatin1Char('+')) || valor.startsWith(QLatin1Char('-'))
                                    ? QStringView(valor).sliced(1)
                                    : QStringView(valor);
    const bool decimal = !digitos.isEmpty() && std::all_of(digitos.begin(), digitos.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    bool valido = false;
    const int numero = decimal ? valor.toInt(&valido, 10) : 0;
    if (!valido)
        throw EConversao(QStringLiteral("'%1' is not a valid integer value").arg(valor));
    return numero;
}
