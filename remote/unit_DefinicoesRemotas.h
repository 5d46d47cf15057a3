#pragma once

#include "remote/unit_DocumentoRemoto.h"

#include <QObject>
#include <QString>
#include <QStringList>

struct TEnderecos;

// The definitions document fetched at every start: from the primary address,
// else from the fallback one. It names the bad-site list, which is fetched
// and handed on prepared; it tells the newest published version, announced
// when newer than this program; and it may switch the link watcher off.
class TDefinicoesRemotas : public QObject {
    Q_OBJECT
public:
    // `qlDef` receives the document's lines; it and `enderecos` outlive this
    // object. `prepararLista` makes the bad-site list ready on its loader's
    // worker. The downloads hand over only while `vida` lives.
    TDefinicoesRemotas(QStringList& qlDef, const TEnderecos& enderecos, TPreparoLista prepararLista,
                       QObject* vida, QObject* pai);

    // Starts the download of the primary document.
    void iniciar();
    // The handlers of the downloads, with the document made ready on the
    // loader's worker (`vazio` when the download failed).
    void carregamentoQLDef(TDocumentoRemoto& dados, const QString& url);
    void carregamentoBadlist(TDocumentoRemoto& dados, const QString& url);
    // Whether the document switched the link watcher off.
    bool vigiaDesligado() const;

Q_SIGNALS:
    // A version newer than this program's is published: `versaoStr` as shown
    // to the user, obtainable at `atualizacao`.
    void atualizacaoDisponivel(const QString& versaoStr, const QString& atualizacao);

private:
    // Downloads `url` on a worker, prepares it there as a document of kind
    // `tipo` and hands it to `tratador`.
    void iniciarCarregamento(const QString& url, TDocumentoRemoto::TTipo tipo,
                             void (TDefinicoesRemotas::*tratador)(TDocumentoRemoto&, const QString&));

    QStringList& qlDef_;
    const TEnderecos& enderecos_;
    TPreparoLista prepararLista_;
    QObject* vida_;
};
