#include "remote/unit_Definicoes.h"

QStringList TDefinicoes::linhas(const QByteArray& dados) {
    const QByteArray bom("\xEF\xBB\xBF");
    QString texto = QString::fromUtf8(dados.startsWith(bom) ? dados.sliced(bom.size()) : dados);
    texto.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList resultado = texto.split(QLatin1Char('\n'));
    if (resultado.last().isEmpty())
        resultado.removeLast();
    return resultado;
}

QString TDefinicoes::valor(const QStringList& linhas, const QString& nome) {
    for (const QString& linha : linhas) {
        const qsizetype igual = linha.indexOf(QLatin1Char('='));
        if (igual >= 0 && QStringView(linha).first(igual).compare(nome, Qt::CaseInsensitive) == 0)
            return linha.sliced(igual + 1);
    }
    return {};
}
