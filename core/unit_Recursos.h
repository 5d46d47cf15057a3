#pragma once

#include <QIODevice>
#include <QString>
#include <memory>

// The program's data resources (language files, terms of use, pictures).
namespace Recursos {
// Opens the resource whose name is `nome` in upper case, read-only and at its
// start; raises EResNotFound naming it when there is none.
std::unique_ptr<QIODevice> abrir(const QString& nome);
// The whole content of a resource.
QByteArray ler(const QString& nome);
} // namespace Recursos
