// The settings file reader and writer on any bytes: a write of one key leaves
// every other key as it was read, the written key reads back as written, and
// a refused write leaves the file's bytes as they were.
#include "core/unit_Constantes.h"
#include "core/unit_Erros.h"
#include "settings/unit_ArquivoConfig.h"
#include "tests/fuzz/unit_EntradaFuzz.h"

#include <QFile>
#include <QStringList>

namespace {

const QStringList chaves = {QStringLiteral("idioma"),         QStringLiteral("idIdioma"),
                            QStringLiteral("primeiroUso"),    QStringLiteral("wmodeFlash"),
                            QStringLiteral("qualidadeFlash"), QStringLiteral("noOffset"),
                            QStringLiteral("salaQL6"),        QStringLiteral("menuCtx"),
                            QStringLiteral("usarAnim"),       QStringLiteral("ativarVerificadorLinks")};
const QString ausente = QStringLiteral("\x01(absent)");
const QString escrita = QStringLiteral("usarAnim");

QStringList lerTodas(const TArquivoConfig& config) {
    QStringList valores;
    for (const QString& chave : chaves) {
        valores << config.ReadString(Constantes::secao, chave, ausente);
        config.ReadInteger(Constantes::secao, chave, 7);
        config.ReadBool(Constantes::secao, chave, true);
    }
    return valores;
}

QByteArray conteudo(const QString& caminho) {
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const QString caminho = EntradaFuzz::caminhoArquivo(QStringLiteral("config.ini"));
    const QByteArray original = EntradaFuzz::bytes(dados, tamanho);
    EntradaFuzz::escrever(caminho, original);

    TArquivoConfig config(caminho);
    const QStringList antes = lerTodas(config);
    try {
        config.WriteBool(Constantes::secao, escrita, false);
    } catch (const EArquivo&) {
        if (conteudo(caminho) != original)
            EntradaFuzz::falhar("a refused write changed the file");
        return 0;
    }
    const QStringList depois = lerTodas(config);
    for (qsizetype i = 0; i < chaves.size(); ++i) {
        const QString esperado = chaves[i] == escrita ? QStringLiteral("0") : antes[i];
        if (depois[i] != esperado)
            EntradaFuzz::falhar("a write changed what another key reads, or the written key was lost");
    }
    return 0;
}
