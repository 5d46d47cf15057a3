#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Reading a file the program did not write itself (a language file, the
// settings file): only a regular file, only up to a size, and never waiting
// on a pipe or a device put in its place.
namespace ArquivoRegular {

struct TLeitura {
    std::optional<QByteArray> bytes;
    // Why there are no bytes: "it does not exist", "it is not a regular
    // file", "it is larger than N bytes", "it cannot be read (...)".
    QString motivo;
    bool ausente = false;
};

// The whole file when it is a regular file of at most `maximo` bytes, also
// when it grows or is replaced while it is read.
TLeitura ler(const QString& caminho, qint64 maximo);

} // namespace ArquivoRegular
