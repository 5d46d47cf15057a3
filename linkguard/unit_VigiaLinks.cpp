#include "linkguard/unit_VigiaLinks.h"

#include "core/unit_Constantes.h"
#include "linkguard/unit_VerificadorURL.h"
#include "platform/unit_AreaTransferencia.h"
#include "settings/unit_ArquivoConfig.h"
#include "settings/unit_Chaves.h"

TVigiaLinks::TVigiaLinks(const TArquivoConfig& config, TAreaTransferencia& areaTransferencia,
                         QStringList& listaBadURLs, QStringList& listaURLsTestadas, TPortoes portoes,
                         QObject* vida, QObject* pai)
    : QObject(pai), config_(config), areaTransferencia_(areaTransferencia), listaBadURLs_(listaBadURLs),
      listaURLsTestadas_(listaURLsTestadas), portoes_(std::move(portoes)), vida_(vida) {}

// Only text copied inside the running game is looked at, and only while the
// interface speaks the built-in Portuguese the rules are written for.
void TVigiaLinks::areaTransferenciaMudou() {
    if (portoes_.desligadoRemotamente())
        return;
    if (config_.ReadString(Constantes::secao, Chave::idioma, QStringLiteral("PT")) != QLatin1String("PT"))
        return;
    if (!config_.ReadBool(Constantes::secao, Chave::ativarVerificadorLinks, true))
        return;
    if (!portoes_.jogoComFoco())
        return;
    TOrcamento orcamentoBusca = TOrcamento::deBuscaEndereco();
    const QString endereco =
        TRegrasLinks::buscarEndereco(TRegrasLinks::aparar(areaTransferencia_.lerTexto()), orcamentoBusca);
    if (endereco.isEmpty())
        return;
    if (verificarBadURL(endereco, endereco, QString()))
        return;
    if (listaURLsTestadas_.contains(endereco, Qt::CaseInsensitive))
        return;
    Q_EMIT verificacaoPedida(endereco);
}

void TVigiaLinks::definirListaBadURLs(TRegrasLinks& regras) {
    std::swap(regras_, regras);
    listaBadURLs_ = regras_.lista();
}

bool TVigiaLinks::verificarBadURL(QString url, QString urlOriginal, const QString& titulo) {
    url = TRegrasLinks::comPrefixo(url);
    urlOriginal = TRegrasLinks::comPrefixo(urlOriginal);
    // A list put in the field directly is compiled at its first use.
    if (regras_.lista() != listaBadURLs_)
        regras_.definirLista(listaBadURLs_);
    TOrcamento orcamento = TOrcamento::deJulgamento();
    const TRegrasLinks::TVeredito veredito = regras_.julgar(url, titulo, orcamento);
    // A judgement cut short by its budget has been reported; the address goes
    // on like one found sound, so that the verifier still judges where it
    // leads and its page title, each time with a budget of its own.
    if (veredito == TRegrasLinks::TVeredito::nenhum || veredito == TRegrasLinks::TVeredito::indeciso)
        return false;
    Q_EMIT linkRuim(url, urlOriginal, veredito);
    return true;
}

void TVigiaLinks::iniciarVerificador(const QString& url) {
    auto* verificador = new TVerificadorURL(
        url, vida_, [this](const QString& urlFinal, const QString& urlOriginal, const QString& titulo) {
            listaURLsTestadas_.append(urlFinal);
            verificarBadURL(urlFinal, urlOriginal, titulo);
        });
    verificador->Start();
}
