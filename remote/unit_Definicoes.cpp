#include "remote/unit_Definicoes.h"

QString TDefinicoes::valor(const QStringList& linhas, const QString& nome) {
    for (const QString& linha : linhas) {
        const qsizetype igual = linha.indexOf(QLatin1Char('='));
        if (igual >= 0 && QStringView(linha).first(igual).compare(nome, Qt::CaseInsensitive) == 0)
            return linha.sliced(igual + 1);
    }
    return {};
}
