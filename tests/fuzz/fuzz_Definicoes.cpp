// The definitions document on any bytes, as its loader's worker prepares it
// and the handler reads it: the values of its names and the version number.
#include "remote/unit_DocumentoRemoto.h"
#include "core/unit_Erros.h"
#include "remote/unit_Definicoes.h"
#include "tests/fuzz/unit_EntradaFuzz.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    TDocumentoRemoto documento;
    documento.preparar(TDocumentoRemoto::TTipo::definicoes, EntradaFuzz::bytes(dados, tamanho));
    for (const char* nome : {"badlist", "versaoStr", "atualizacao", "super_desativarVL"})
        TDefinicoes::valor(documento.linhas, QLatin1String(nome));
    const QString versao = TDefinicoes::valor(documento.linhas, QStringLiteral("versao"));
    try {
        TDefinicoes::inteiro(versao);
    } catch (const EConversao&) {
        return 0;
    }
    // Taken as a number: a sign at most, then ASCII digits and nothing else.
    const QStringView digitos =
        QStringView(versao).mid(versao.startsWith(QLatin1Char('-')) || versao.startsWith(QLatin1Char('+')));
    if (digitos.isEmpty() ||
        !std::all_of(digitos.begin(), digitos.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        EntradaFuzz::falhar("a version number read from text that is not plain decimal digits");
    return 0;
}
