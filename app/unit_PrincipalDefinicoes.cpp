// The definitions document on the main window: the update notice it may
// bring, and the bad-site list handed to the link watcher.
#include "app/unit_Principal.h"

#include "core/unit_Conexao.h"
#include "core/unit_Texto.h"
#include "linkguard/unit_VigiaLinks.h"
#include "remote/unit_DefinicoesRemotas.h"
#include "ui/unit_Componentes.h"
#include "ui/unit_Idioma.h"

void TPrincipal::criarDefinicoesRemotas() {
    definicoesRemotas = new TDefinicoesRemotas(
        qlDef, servicos.enderecos, [this](const QStringList& linhas) { return prepararListaBadURLs(linhas); },
        &guardaEntregas, this);
    Conexao::protegida(definicoesRemotas, &TDefinicoesRemotas::atualizacaoDisponivel, this,
                       &TPrincipal::avisarAtualizacao);
}

// On the loader's worker, where nothing of the window is touched: the list's
// entries are compiled there, and the watcher takes them over on the UI thread
// by a swap. The rules it had go back with the document and are destroyed on
// the worker.
std::function<void()> TPrincipal::prepararListaBadURLs(const QStringList& linhas) {
    auto regras = std::make_shared<TRegrasLinks>();
    regras->definirLista(linhas);
    return [this, regras] { definirListaBadURLs(*regras); };
}

void TPrincipal::carregamentoQLDef(TDocumentoRemoto& dados, const QString& url) {
    definicoesRemotas->carregamentoQLDef(dados, url);
}

void TPrincipal::carregamentoBadlist(TDocumentoRemoto& dados, const QString& url) {
    definicoesRemotas->carregamentoBadlist(dados, url);
}

// Yes opens the new version and ends the program without the close
// question; No keeps the program running with the outdated about line. So
// does Yes with an address that may not be opened, after saying so. The
// document's texts show their direction controls as text.
void TPrincipal::avisarAtualizacao(const QString& versaoDocumento, const QString& atualizacao) {
    const QString versaoStr = Texto::bidiVisivel(versaoDocumento);
    const QString aviso = idioma->get(QStringLiteral("Mensagem.atualizacaoDisponivel"), {versaoStr});
    if (servicos.mensagens->perguntarInformando(aviso)) {
        if (abrirURL(atualizacao)) {
            servicos.encerramento->encerrarAgora();
            return;
        }
        servicos.mensagens->avisarErro(idioma->get(QStringLiteral("Mensagem.enderecoInvalido")));
    }
    Componentes::escreverMemo(textoVersao,
                              textoSobre(idioma->get(QStringLiteral("Principal.textoSobre_Deatualizado"),
                                                     {versaoStr, Texto::bidiVisivel(atualizacao)})));
}
