#include "platform/unit_InstanciaUnica.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int tentativas = 20;
constexpr int pausaMs = 10;
// Connections taken per notification: others wait for the next one.
constexpr int aceitesPorVez = 16;

// The data folder's real path: the same folder reached through a link, or
// written with "..", is the same copy. A folder not made yet is made now, as
// the start-up would.
QString pastaReal(const QString& pasta) {
    QDir().mkpath(pasta);
    const QString real = QFileInfo(pasta).canonicalFilePath();
    return real.isEmpty() ? QDir::cleanPath(QDir().absoluteFilePath(pasta)) : real;
}

sockaddr_un endereco(const QByteArray& nome, socklen_t& tamanho) {
    sockaddr_un destino{};
    destino.sun_family = AF_UNIX;
    // Abstract: the first byte of the path is NUL, and the name is not a file.
    std::memcpy(destino.sun_path + 1, nome.constData(), size_t(nome.size()));
    tamanho = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + nome.size());
    return destino;
}

bool mesmoUsuario(int conexao) {
    ucred credencial{};
    socklen_t tamanho = sizeof credencial;
    return ::getsockopt(conexao, SOL_SOCKET, SO_PEERCRED, &credencial, &tamanho) == 0 &&
           credencial.uid == ::getuid();
}

// A connection to the running copy, made within a short time.
bool conectar(int conexao, const sockaddr_un& destino, socklen_t tamanho) {
    if (::connect(conexao, reinterpret_cast<const sockaddr*>(&destino), tamanho) == 0)
        return true;
    if (errno != EINPROGRESS && errno != EAGAIN)
        return false;
    pollfd espera{conexao, POLLOUT, 0};
    int erro = 0;
    socklen_t tamanhoErro = sizeof erro;
    return ::poll(&espera, 1, 500) == 1 &&
           ::getsockopt(conexao, SOL_SOCKET, SO_ERROR, &erro, &tamanhoErro) == 0 && erro == 0;
}

} // namespace

TInstanciaUnica::TInstanciaUnica(const QString& pastaDados) {
    const QByteArray hash =
        QCryptographicHash::hash(pastaReal(pastaDados).toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    nome_ = "quillet6/" + QByteArray::number(::getuid()) + '/' + hash;
}

TInstanciaUnica::~TInstanciaUnica() {
    if (servidor_ >= 0)
        ::close(servidor_);
}

// Two copies started together: one holds the name, the other finds it
// taken, possibly a moment before the first listens, and tries again.
bool TInstanciaUnica::entregarAExistente() {
    for (int i = 0; i < tentativas; ++i) {
        switch (tentar()) {
        case TTentativa::primeira:
            return false;
        case TTentativa::entregue:
            return true;
        case TTentativa::semOutra:
            std::fprintf(stderr, "Quillet 6: another start could not be told apart from this one (%s)\n",
                         std::strerror(errno));
            return false;
        case TTentativa::repetir:
            ::usleep(pausaMs * 1000);
            break;
        }
    }
    return false;
}

TInstanciaUnica::TTentativa TInstanciaUnica::tentar() {
    socklen_t tamanho = 0;
    const sockaddr_un destino = endereco(nome_, tamanho);
    const int soquete = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (soquete < 0)
        return TTentativa::semOutra;
    if (::bind(soquete, reinterpret_cast<const sockaddr*>(&destino), tamanho) == 0) {
        if (::listen(soquete, 8) != 0) {
            ::close(soquete);
            return TTentativa::semOutra;
        }
        servidor_ = soquete;
        return TTentativa::primeira;
    }
    if (errno != EADDRINUSE) {
        ::close(soquete);
        return TTentativa::semOutra;
    }
    // The name is taken: by the running copy, unless another user took it first.
    const bool conectado = conectar(soquete, destino, tamanho);
    const bool doUsuario = conectado && mesmoUsuario(soquete);
    ::close(soquete);
    if (conectado && !doUsuario) {
        errno = EACCES;
        return TTentativa::semOutra;
    }
    return conectado ? TTentativa::entregue : TTentativa::repetir;
}

void TInstanciaUnica::ouvir() {
    if (servidor_ < 0 || notificador_)
        return;
    notificador_ = new QSocketNotifier(servidor_, QSocketNotifier::Read, this);
    connect(notificador_, &QSocketNotifier::activated, this, &TInstanciaUnica::aceitar);
}

// A connection is the whole request; nothing is read from it.
void TInstanciaUnica::aceitar() {
    bool pedida = false;
    for (int i = 0; i < aceitesPorVez; ++i) {
        const int conexao = ::accept4(servidor_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (conexao < 0)
            break;
        pedida = pedida || mesmoUsuario(conexao);
        ::close(conexao);
    }
    if (pedida)
        Q_EMIT chamada();
}
