// A language file and the formatter on any bytes: loading, looking keys up
// with and without arguments; a text whose directives do not fit its
// arguments raises EFormato and nothing else.
#include "core/unit_Erros.h"
#include "settings/unit_Formatador.h"
#include "settings/unit_Idioma.h"
#include "tests/fuzz/unit_EntradaFuzz.h"

#include <QStringList>

namespace {

const QStringList chaves = {QStringLiteral("frameConfig.textoTitulo"),
                            QStringLiteral("frameProtetor.texto1"),
                            QStringLiteral("frameProtetor.texto2"),
                            QStringLiteral("Principal.licença"),
                            QStringLiteral("Mensagem.atualizacaoDisponivel"),
                            QStringLiteral("a"),
                            QString()};
const QStringList argumentos = {QStringLiteral("%s"), QStringLiteral("http://x.com/%n")};

void consultar(const TIdioma& idioma, const QString& chave) {
    idioma.get(chave);
    try {
        idioma.get(chave, argumentos);
    } catch (const EFormato&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const QByteArray entrada = EntradaFuzz::bytes(dados, tamanho);
    const QString caminho = EntradaFuzz::caminhoArquivo(QStringLiteral("idioma.lng"));
    EntradaFuzz::escrever(caminho, entrada);

    TIdioma idioma;
    idioma.carregarIdioma(caminho);
    for (const QString& chave : chaves)
        consultar(idioma, chave);
    // Every key the file itself defines.
    for (const QString& linha : std::as_const(idioma.lang))
        consultar(idioma, linha.section(QLatin1Char('='), 0, 0));

    try {
        Formatador::formatar(QString::fromUtf8(entrada), argumentos);
    } catch (const EFormato&) {
    }
    return 0;
}
