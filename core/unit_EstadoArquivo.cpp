#include "core/unit_EstadoArquivo.h"

#include <QFile>
#include <cerrno>
#include <ctime>
#include <sys/stat.h>

namespace {

qint64 emNs(const timespec& instante) {
    return qint64(instante.tv_sec) * 1'000'000'000 + instante.tv_nsec;
}

TEstadoArquivo::TTipo tipoDe(mode_t modo) {
    if (S_ISREG(modo))
        return TEstadoArquivo::TTipo::Regular;
    if (S_ISDIR(modo))
        return TEstadoArquivo::TTipo::Pasta;
    return TEstadoArquivo::TTipo::Outro;
}

} // namespace

TEstadoArquivo TEstadoArquivo::de(const QString& caminho) {
    TEstadoArquivo estado;
    struct stat dados {};
    if (::stat(QFile::encodeName(caminho).constData(), &dados) != 0) {
        estado.tipo = errno == ENOENT || errno == ENOTDIR ? TTipo::Ausente : TTipo::Outro;
        return estado;
    }
    estado.tipo = tipoDe(dados.st_mode);
    estado.tamanho = dados.st_size;
    estado.dispositivo = dados.st_dev;
    estado.inode = dados.st_ino;
    estado.modificacaoNs = emNs(dados.st_mtim);
    estado.mudancaNs = emNs(dados.st_ctim);
    return estado;
}

qint64 TEstadoArquivo::agoraNs() {
    timespec agora{};
    clock_gettime(CLOCK_REALTIME, &agora);
    return emNs(agora);
}
