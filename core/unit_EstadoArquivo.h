#pragma once

#include <QString>
#include <QtGlobal>

// What the file system says of a path: enough to tell that a file changed
// since it was last read without reading it again. Any change of a file's
// content moves its change time (which no program can set), and a file put in
// its place has another inode; the modification time and size are compared too.
struct TEstadoArquivo {
    // Outro: a device, a pipe, or a path that cannot be examined.
    enum class TTipo { Ausente, Regular, Pasta, Outro };

    TTipo tipo = TTipo::Ausente;
    qint64 tamanho = 0;
    quint64 dispositivo = 0;
    quint64 inode = 0;
    qint64 modificacaoNs = 0;
    qint64 mudancaNs = 0;

    // The path as it stands; a missing path, or one through a file, is absent.
    static TEstadoArquivo de(const QString& caminho);
    // Now, by the clock the file system stamps its change times with, in nanoseconds.
    static qint64 agoraNs();

    bool operator==(const TEstadoArquivo&) const = default;
};
