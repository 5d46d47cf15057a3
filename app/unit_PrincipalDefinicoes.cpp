// The definitions document, the bad-site list and the update notice.
#include "app/unit_Principal.h"

#include "core/unit_Constantes.h"
#include "remote/unit_Definicoes.h"
#include "remote/unit_URLLoader.h"
#include "settings/unit_Idioma.h"
#include "ui/unit_Componentes.h"

#include <QBuffer>
#include <QPlainTextEdit>

// The document is prepared on the worker and destroyed there with the loader,
// together with whatever the handler swapped out of the window.
void TPrincipal::iniciarCarregamento(const QString& url, TDocumentoRemoto::TTipo tipo,
                                     void (TPrincipal::*tratador)(TDocumentoRemoto&, const QString&)) {
    auto documento = std::make_shared<TDocumentoRemoto>();
    auto* carregador = new TURLLoader(url, TDocumentoRemoto::limites(tipo), &guardaEntregas);
    carregador->onPreparar([documento, tipo](const QByteArray& corpo) { documento->preparar(tipo, corpo); });
    carregador->onComplete([this, documento, tratador](QBuffer&, const QString& urlPedida) {
        (this->*tratador)(*documento, urlPedida);
    });
    carregador->Start();
}

// An empty primary document leads to the fallback one. The bad-site list is
// fetched before the version is looked at, so a bad version does not stop it.
void TPrincipal::carregamentoQLDef(TDocumentoRemoto& dados, const QString& url) {
    if (dados.vazio) {
        if (url == servicos.enderecos.definicoesPrimaria)
            iniciarCarregamento(servicos.enderecos.definicoesReserva, TDocumentoRemoto::TTipo::definicoes,
                                &TPrincipal::carregamentoQLDef);
        return;
    }
    qlDef.swap(dados.linhas);
    const QString badlist = TDefinicoes::valor(qlDef, QStringLiteral("badlist"));
    if (!badlist.isEmpty())
        iniciarCarregamento(badlist, TDocumentoRemoto::TTipo::listaBadURLs, &TPrincipal::carregamentoBadlist);
    if (TDefinicoes::inteiro(TDefinicoes::valor(qlDef, QStringLiteral("versao"))) <= Constantes::versaoNumero)
        return;
    avisarAtualizacao(TDefinicoes::valor(qlDef, QStringLiteral("versaoStr")),
                      TDefinicoes::valor(qlDef, QStringLiteral("atualizacao")));
}

// Yes opens the new version and ends the program without the close
// question; No keeps the program running with the outdated about line. So
// does Yes with an address that may not be opened, after saying so.
void TPrincipal::avisarAtualizacao(const QString& versaoStr, const QString& atualizacao) {
    const QString aviso = idioma->get(QStringLiteral("Mensagem.atualizacaoDisponivel"), {versaoStr});
    if (servicos.mensagens->perguntarInformando(aviso)) {
        if (abrirURL(atualizacao)) {
            servicos.encerramento->encerrarAgora();
            return;
        }
        servicos.mensagens->avisarErro(idioma->get(QStringLiteral("Mensagem.enderecoInvalido")));
    }
    Componentes::escreverMemo(textoVersao, idioma->get(QStringLiteral("Principal.textoSobre_Deatualizado"),
                                                       {versaoStr, atualizacao}) +
                                               QLatin1String("\r\n") +
                                               idioma->get(QStringLiteral("Principal.textoSobre")));
}

void TPrincipal::carregamentoBadlist(TDocumentoRemoto& dados, const QString&) {
    if (dados.vazio)
        return;
    definirListaBadURLs(dados.regras);
}
