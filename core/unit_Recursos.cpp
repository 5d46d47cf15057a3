#include "core/unit_Recursos.h"

#include "core/unit_Erros.h"

#include <QFile>

namespace Recursos {

std::unique_ptr<QIODevice> abrir(const QString& nome) {
    auto arquivo = std::make_unique<QFile>(QStringLiteral(":/") + nome.toUpper());
    if (!arquivo->open(QIODevice::ReadOnly))
        throw EResNotFound(QStringLiteral("Resource %1 not found").arg(nome.toUpper()));
    return arquivo;
}

QByteArray ler(const QString& nome) {
    return abrir(nome)->readAll();
}

} // namespace Recursos
