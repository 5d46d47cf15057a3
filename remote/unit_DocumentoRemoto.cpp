#include "remote/unit_DocumentoRemoto.h"

#include "core/unit_Erros.h"
#include "core/unit_Texto.h"

TLimitesHttp TDocumentoRemoto::limites(TTipo tipo) {
    TLimitesHttp limites;
    limites.corpoMaximo = tipo == TTipo::definicoes ? tamanhoMaximoDefinicoes : tamanhoMaximoListaBadURLs;
    return limites;
}

// The entries are counted before any line is made, so an overlong list costs
// no more than its bytes.
void TDocumentoRemoto::preparar(TTipo tipo, const QByteArray& corpo) {
    if (tipo == TTipo::listaBadURLs && Texto::contarLinhas(corpo) > maxEntradasListaBadURLs)
        throw EConversao(
            QStringLiteral("The bad-site list holds more than %1 entries").arg(maxEntradasListaBadURLs));
    linhas = Texto::linhas(corpo);
    if (tipo == TTipo::listaBadURLs)
        regras.definirLista(linhas);
    vazio = false;
}
