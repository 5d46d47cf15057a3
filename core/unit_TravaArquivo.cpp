#include "core/unit_TravaArquivo.h"

#include <QFile>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

QString erroSistema() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

TTravaArquivo::TTravaArquivo(const QString& caminhoArquivo)
    : caminho_(caminhoArquivo + QStringLiteral(".lock")) {}

TTravaArquivo::~TTravaArquivo() {
    if (descritor_ >= 0)
        ::close(descritor_); // lets go of the lock
}

// Not through a link, and never waiting on a pipe put in the lock file's place.
bool TTravaArquivo::tomar(std::chrono::milliseconds espera) {
    descritor_ = ::open(QFile::encodeName(caminho_).constData(),
                        O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0600);
    struct stat dados {};
    if (descritor_ < 0 || ::fstat(descritor_, &dados) != 0 || !S_ISREG(dados.st_mode)) {
        return falhar(
            QStringLiteral("its lock file %1 cannot be used (%2)")
                .arg(caminho_, descritor_ < 0 ? erroSistema() : QStringLiteral("not a regular file")));
    }
    if (::flock(descritor_, LOCK_EX | LOCK_NB) == 0)
        return true;
    if (errno != EWOULDBLOCK)
        return falhar(QStringLiteral("its lock file %1 cannot be locked (%2)").arg(caminho_, erroSistema()));
    if (esperarNaFila(espera))
        return true;
    return falhar(
        QStringLiteral("another program held its lock file %1 for %2 ms").arg(caminho_).arg(espera.count()));
}

// Held by another writer, the lock is waited for in the kernel's queue, as the
// other writers wait (a writer polling for it would hardly ever find it free
// between two writes of a busy one), on a thread of its own, for at most
// `espera`. A wait given up goes on alone and lets go of the lock as soon as
// it gets it.
bool TTravaArquivo::esperarNaFila(std::chrono::milliseconds espera) {
    struct TEspera {
        std::mutex mutex;
        std::condition_variable pronta;
        bool tomada = false;
        bool desistida = false;
    };
    auto estado = std::make_shared<TEspera>();
    const int descritor = ::dup(descritor_);
    if (descritor < 0)
        return false;
    std::thread([estado, descritor] {
        while (::flock(descritor, LOCK_EX) != 0 && errno == EINTR) {
        }
        const std::lock_guard guarda(estado->mutex);
        if (estado->desistida) {
            ::close(descritor);
            return;
        }
        estado->tomada = true;
        estado->pronta.notify_one();
        ::close(descritor); // the lock stays with the other descriptor of the same open file
    }).detach();
    std::unique_lock guarda(estado->mutex);
    if (estado->pronta.wait_for(guarda, espera, [&] { return estado->tomada; }))
        return true;
    estado->desistida = true;
    return false;
}

bool TTravaArquivo::falhar(QString motivo) {
    motivo_ = std::move(motivo);
    return false;
}
