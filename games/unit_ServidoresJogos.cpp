#include "games/unit_ServidoresJogos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

QString TServidoresJogos::arquivo(const QString& jogo) const {
    return pasta_ + jogo + QStringLiteral(".txt");
}

std::optional<QList<TServidorSocket>> TServidoresJogos::ler(const QString& jogo) const {
    const QFileInfo info(arquivo(jogo));
    if (!info.exists() && !info.isSymLink())
        return QList<TServidorSocket>{};
    QFile leitor(info.filePath());
    if (!info.isFile() || info.size() > tamanhoMaximo || !leitor.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = leitor.read(tamanhoMaximo + 1);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString texto = utf8(bytes);
    if (bytes.size() > tamanhoMaximo || utf8.hasError())
        return std::nullopt;
    QList<TServidorSocket> servidores;
    for (const QStringView linha : QStringView(texto).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const std::optional<TServidorSocket> servidor = TServidorSocket::ler(linha.trimmed());
        if (!servidor)
            return std::nullopt;
        servidores.append(*servidor);
    }
    return servidores;
}

QList<TServidorSocket> TServidoresJogos::aprendidos(const QString& jogo) const {
    return ler(jogo).value_or(QList<TServidorSocket>{});
}

bool TServidoresJogos::aprender(const QString& jogo, const TServidorSocket& servidor) {
    std::optional<QList<TServidorSocket>> servidores = ler(jogo);
    if (!servidores)
        return false;
    servidores->removeAll(servidor);
    servidores->append(servidor);
    while (servidores->size() > maximoPorJogo)
        servidores->removeFirst();
    QByteArray texto;
    for (const TServidorSocket& s : std::as_const(*servidores))
        texto += s.texto().toUtf8() + '\n';
    QSaveFile escritor(arquivo(jogo));
    return QDir().mkpath(pasta_) && escritor.open(QIODevice::WriteOnly) &&
           escritor.write(texto) == texto.size() && escritor.commit();
}
