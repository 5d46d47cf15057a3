// Another copy of the program writing the settings file: counts a key of its
// own up by one, `vezes` times, each time reading the value back first, as
// the settings screen's writes follow the user's changes. A write lost to
// another process (its change written over) leaves the count short.
// Usage: escritor_config <settings file> <key> <times>
#include "core/unit_ArquivoConfig.h"
#include "core/unit_Erros.h"

#include <QString>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    TArquivoConfig config(QString::fromLocal8Bit(argv[1]));
    const QString secao = QStringLiteral("Quillet");
    const QString chave = QString::fromLocal8Bit(argv[2]);
    const int vezes = std::atoi(argv[3]);
    try {
        for (int i = 0; i < vezes; ++i)
            config.WriteInteger(secao, chave, config.ReadInteger(secao, chave, 0) + 1);
    } catch (const EErro& erro) {
        std::fprintf(stderr, "%s\n", erro.what());
        return 1;
    }
    return 0;
}
