#include "net/unit_ServidorSocket.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

bool hostLegivel(const QString& host) {
    if (host.isEmpty() || host.size() > TServidorSocket::tamanhoMaximoHost)
        return false;
    return std::none_of(host.cbegin(), host.cend(), [](QChar c) {
        return c.unicode() <= 0x20 || c.category() == QChar::Other_Control ||
               c.category() == QChar::Other_Format || c == QLatin1Char('/') || c == QLatin1Char('\\') ||
               c == QLatin1Char('[') || c == QLatin1Char(']') || c == QLatin1Char('@') || c.isSpace();
    });
}

} // namespace

std::optional<TServidorSocket> TServidorSocket::de(const QString& host, int porta) {
    if (!hostLegivel(host) || porta < 1 || porta > 65535)
        return std::nullopt;
    return TServidorSocket{host, porta};
}

std::optional<TServidorSocket> TServidorSocket::ler(QStringView texto) {
    const qsizetype doisPontos = texto.lastIndexOf(QLatin1Char(':'));
    if (doisPontos <= 0)
        return std::nullopt;
    QStringView host = texto.left(doisPontos);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    else if (host.contains(QLatin1Char(':')))
        return std::nullopt; // an IPv6 address goes in brackets
    const QStringView porta = texto.mid(doisPontos + 1);
    bool ok =
        !porta.isEmpty() && std::all_of(porta.cbegin(), porta.cend(), [](QChar c) { return c.isDigit(); });
    const int numero = ok ? porta.toInt(&ok) : 0;
    return ok ? de(host.toString(), numero) : std::nullopt;
}

QList<TServidorSocket> TServidorSocket::lerLista(QStringView texto, qsizetype maximo) {
    static const QRegularExpression separadores(QStringLiteral("[,\\s]+"));
    QList<TServidorSocket> lista;
    for (const QStringView parte : texto.split(separadores, Qt::SkipEmptyParts)) {
        if (lista.size() >= maximo)
            break;
        const std::optional<TServidorSocket> servidor = ler(parte);
        if (servidor && !lista.contains(*servidor))
            lista.append(*servidor);
    }
    return lista;
}

QString TServidorSocket::texto() const {
    const QString nome = host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
    return nome + QLatin1Char(':') + QString::number(porta);
}
