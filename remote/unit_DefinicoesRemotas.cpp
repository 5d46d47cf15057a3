#include "remote/unit_DefinicoesRemotas.h"

#include "core/unit_Constantes.h"
#include "core/unit_Enderecos.h"
#include "remote/unit_Definicoes.h"
#include "remote/unit_URLLoader.h"

#include <QBuffer>
#include <memory>

TDefinicoesRemotas::TDefinicoesRemotas(QStringList& qlDef, const TEnderecos& enderecos,
                                       TPreparoLista prepararLista, QObject* vida, QObject* pai)
    : QObject(pai), qlDef_(qlDef), enderecos_(enderecos), prepararLista_(std::move(prepararLista)),
      vida_(vida) {}

void TDefinicoesRemotas::iniciar() {
    iniciarCarregamento(enderecos_.definicoesPrimaria, TDocumentoRemoto::TTipo::definicoes,
                        &TDefinicoesRemotas::carregamentoQLDef);
}

// The document is prepared on the worker and destroyed there with the loader,
// together with whatever its handler swapped out.
void TDefinicoesRemotas::iniciarCarregamento(const QString& url, TDocumentoRemoto::TTipo tipo,
                                             void (TDefinicoesRemotas::*tratador)(TDocumentoRemoto&,
                                                                                  const QString&)) {
    auto documento = std::make_shared<TDocumentoRemoto>();
    auto* carregador = new TURLLoader(url, TDocumentoRemoto::limites(tipo), vida_);
    carregador->onPreparar([documento, tipo, preparo = prepararLista_](const QByteArray& corpo) {
        documento->preparar(tipo, corpo, preparo);
    });
    carregador->onComplete([this, documento, tratador](QBuffer&, const QString& urlPedida) {
        (this->*tratador)(*documento, urlPedida);
    });
    carregador->Start();
}

// An empty primary document leads to the fallback one. The bad-site list is
// fetched before the version is looked at, so a bad version does not stop it.
void TDefinicoesRemotas::carregamentoQLDef(TDocumentoRemoto& dados, const QString& url) {
    if (dados.vazio) {
        if (url == enderecos_.definicoesPrimaria)
            iniciarCarregamento(enderecos_.definicoesReserva, TDocumentoRemoto::TTipo::definicoes,
                                &TDefinicoesRemotas::carregamentoQLDef);
        return;
    }
    qlDef_.swap(dados.linhas);
    const QString badlist = TDefinicoes::valor(qlDef_, QStringLiteral("badlist"));
    if (!badlist.isEmpty())
        iniciarCarregamento(badlist, TDocumentoRemoto::TTipo::listaBadURLs,
                            &TDefinicoesRemotas::carregamentoBadlist);
    if (TDefinicoes::inteiro(TDefinicoes::valor(qlDef_, QStringLiteral("versao"))) <=
        Constantes::versaoNumero)
        return;
    Q_EMIT atualizacaoDisponivel(TDefinicoes::valor(qlDef_, QStringLiteral("versaoStr")),
                                 TDefinicoes::valor(qlDef_, QStringLiteral("atualizacao")));
}

void TDefinicoesRemotas::carregamentoBadlist(TDocumentoRemoto& dados, const QString&) {
    if (!dados.vazio && dados.tomarLista)
        dados.tomarLista();
}

bool TDefinicoesRemotas::vigiaDesligado() const {
    return TDefinicoes::valor(qlDef_, QStringLiteral("super_desativarVL")) == QLatin1String("1");
}
