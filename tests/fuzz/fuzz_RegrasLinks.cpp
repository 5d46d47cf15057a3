// The link rules on any bad-site list and any copied text: the input's part
// before its first NUL byte is the list, the rest the copied text. The text
// is searched for an address as the clipboard watcher does, and the address
// (or the text itself) judged, also as a page title.
#include "linkguard/unit_Orcamento.h"
#include "linkguard/unit_RegrasLinks.h"
#include "core/unit_Texto.h"
#include "tests/fuzz/unit_EntradaFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const QByteArray entrada = EntradaFuzz::bytes(dados, tamanho);
    const qsizetype divisa = entrada.indexOf('\0');
    const QByteArray lista = divisa < 0 ? QByteArray() : entrada.first(divisa);
    const QString copiado = QString::fromUtf8(divisa < 0 ? entrada : entrada.sliced(divisa + 1));

    TRegrasLinks regras;
    regras.definirLista(Texto::linhas(lista));
    const QString texto = TRegrasLinks::aparar(copiado);
    TOrcamento orcamentoBusca = TOrcamento::deBuscaEndereco();
    const QString endereco = TRegrasLinks::buscarEndereco(texto, orcamentoBusca);
    const QString julgado = TRegrasLinks::comPrefixo(endereco.isEmpty() ? texto : endereco);
    for (const QString& titulo : {QString(), texto}) {
        TOrcamento orcamento = TOrcamento::deJulgamento();
        regras.julgar(julgado, titulo, orcamento);
    }
    return 0;
}
