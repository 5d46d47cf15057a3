// The definitions document, the bad-site list and the update notice.
#include "app/unit_Principal.h"

#include "platform/unit_Constantes.h"
#include "platform/unit_Erros.h"
#include "platform/unit_Texto.h"
#include "remote/unit_Definicoes.h"
#include "remote/unit_URLLoader.h"
#include "settings/unit_Idioma.h"

#include <QBuffer>
#include <QPlainTextEdit>

namespace {

// A decimal integer with an optional sign, nothing around it.
int converterInteiro(const QString& texto) {
    bool valido = !texto.isEmpty() && !texto.front().isSpace() && !texto.back().isSpace();
    const int numero = valido ? texto.toInt(&valido, 10) : 0;
    if (!valido)
        throw EConversao(QStringLiteral("'%1' is not a valid integer value").arg(texto));
    return numero;
}

} // namespace

void TPrincipal::iniciarCarregamento(const QString& url,
                                     void (TPrincipal::*tratador)(QBuffer&, const QString&)) {
    auto* carregador = new TURLLoader(url, &guardaEntregas);
    carregador->onComplete(
        [this, tratador](QBuffer& dados, const QString& urlPedida) { (this->*tratador)(dados, urlPedida); });
    carregador->Start();
}

// An empty primary document leads to the fallback one. The bad-site list is
// fetched before the version is looked at, so a bad version does not stop it.
void TPrincipal::carregamentoQLDef(QBuffer& dados, const QString& url) {
    if (dados.size() == 0) {
        if (url == servicos.enderecos.definicoesPrimaria)
            iniciarCarregamento(servicos.enderecos.definicoesReserva, &TPrincipal::carregamentoQLDef);
        return;
    }
    qlDef = Texto::linhas(dados.readAll());
    const QString badlist = TDefinicoes::valor(qlDef, QStringLiteral("badlist"));
    if (!badlist.isEmpty())
        iniciarCarregamento(badlist, &TPrincipal::carregamentoBadlist);
    if (converterInteiro(TDefinicoes::valor(qlDef, QStringLiteral("versao"))) <= Constantes::versaoNumero)
        return;
    avisarAtualizacao(TDefinicoes::valor(qlDef, QStringLiteral("versaoStr")),
                      TDefinicoes::valor(qlDef, QStringLiteral("atualizacao")));
}

// Yes opens the new version and ends the program without the close
// question; No keeps the program running with the outdated about line.
void TPrincipal::avisarAtualizacao(const QString& versaoStr, const QString& atualizacao) {
    const QString aviso = idioma->get(QStringLiteral("Mensagem.atualizacaoDisponivel"), {versaoStr});
    if (servicos.mensagens->perguntarInformando(aviso)) {
        abrirURL(atualizacao);
        servicos.encerramento->encerrarAgora();
        return;
    }
    QString texto =
        idioma->get(QStringLiteral("Principal.textoSobre_Deatualizado"), {versaoStr, atualizacao}) +
        QLatin1String("\r\n") + idioma->get(QStringLiteral("Principal.textoSobre"));
    textoVersao->setPlainText(texto.replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

void TPrincipal::carregamentoBadlist(QBuffer& dados, const QString&) {
    if (dados.size() == 0)
        return;
    definirListaBadURLs(Texto::linhas(dados.readAll()));
}
