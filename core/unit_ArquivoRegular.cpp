#include "core/unit_ArquivoRegular.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ArquivoRegular {

namespace {

QString naoLido() {
    return QStringLiteral("it cannot be read (%1)").arg(QString::fromLocal8Bit(std::strerror(errno)));
}

QString grandeDemais(qint64 maximo) {
    return QStringLiteral("it is larger than %1 bytes").arg(maximo);
}

// Up to `maximo` + 1 bytes: one more tells that the file grew past the size.
// The buffer starts at the size the file had when examined.
std::optional<QByteArray> lerAte(int descritor, qint64 tamanho, qint64 maximo) {
    QByteArray bytes(std::min(tamanho, maximo) + 1, Qt::Uninitialized);
    qint64 lidos = 0;
    for (;;) {
        if (lidos == bytes.size()) {
            if (lidos > maximo)
                break;
            bytes.resize(std::min(2 * lidos, maximo + 1));
        }
        const ssize_t n = ::read(descritor, bytes.data() + lidos, size_t(bytes.size() - lidos));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        lidos += n;
    }
    bytes.resize(lidos);
    return bytes;
}

} // namespace

// Opened without waiting (a FIFO would hold the open until a writer came),
// then examined through the descriptor, so that what is read is what was examined.
TLeitura ler(const QString& caminho, qint64 maximo) {
    const int descritor =
        ::open(QFile::encodeName(caminho).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (descritor < 0 && (errno == ENOENT || errno == ENOTDIR))
        return {std::nullopt, QStringLiteral("it does not exist"), true};
    if (descritor < 0)
        return {std::nullopt, naoLido()};
    TLeitura leitura;
    struct stat dados {};
    if (::fstat(descritor, &dados) != 0)
        leitura.motivo = naoLido();
    else if (!S_ISREG(dados.st_mode))
        leitura.motivo = QStringLiteral("it is not a regular file");
    else if (dados.st_size > maximo)
        leitura.motivo = grandeDemais(maximo);
    else if (std::optional<QByteArray> bytes = lerAte(descritor, dados.st_size, maximo); !bytes)
        leitura.motivo = naoLido();
    else if (bytes->size() > maximo)
        leitura.motivo = grandeDemais(maximo);
    else
        leitura.bytes = std::move(bytes);
    ::close(descritor);
    return leitura;
}

} // namespace ArquivoRegular
