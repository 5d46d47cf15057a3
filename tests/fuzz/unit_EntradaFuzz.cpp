#include "tests/fuzz/unit_EntradaFuzz.h"

#include <QFile>
#include <cstdio>
#include <cstdlib>

namespace EntradaFuzz {

QString caminhoArquivo(const QString& nome) {
    static QTemporaryDir pasta;
    if (!pasta.isValid())
        falhar("no temporary folder");
    return pasta.filePath(nome);
}

void escrever(const QString& caminho, const QByteArray& conteudo) {
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        arquivo.write(conteudo) != conteudo.size())
        falhar("the input file could not be written");
}

void falhar(const char* motivo) {
    std::fprintf(stderr, "fuzz: %s\n", motivo);
    std::abort();
}

} // namespace EntradaFuzz
