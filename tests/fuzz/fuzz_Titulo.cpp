// The title of a page the link verifier read, on any bytes.
#include "linkguard/unit_VerificadorURL.h"
#include "tests/fuzz/unit_EntradaFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const QString pagina = QString::fromUtf8(EntradaFuzz::bytes(dados, tamanho));
    const QString titulo = TVerificadorURL::extrairTitulo(pagina);
    if (titulo.size() > pagina.size())
        EntradaFuzz::falhar("a title longer than its page");
    return 0;
}
