#include "linkguard/unit_VerificadorURL.h"

#include "core/unit_Texto.h"

namespace {

const QString prefixoHttp = QStringLiteral("http://");
const QString prefixoHttps = QStringLiteral("https://");

// A copied address never begins with the secure scheme (the address pattern
// does not know it); an address a movie opens may.
QString comEsquema(const QString& url) {
    return url.startsWith(prefixoHttp, Qt::CaseInsensitive) ||
                   url.startsWith(prefixoHttps, Qt::CaseInsensitive)
               ? url
               : prefixoHttp + url;
}
const QString tituloInicio = QStringLiteral("<title>");
const QString tituloFim = QStringLiteral("</title>");

} // namespace

// With no "<title>" the title starts where a tag found at -1 would end.
QString TVerificadorURL::extrairTitulo(const QString& pagina) {
    const qsizetype inicioTag = pagina.indexOf(tituloInicio);
    const qsizetype fimTag = pagina.indexOf(tituloFim);
    const qsizetype inicio = inicioTag + tituloInicio.size();
    const qsizetype tamanho = fimTag - inicio;
    if (tamanho <= 0)
        return {};
    return Texto::apararControles(pagina.mid(inicio, tamanho));
}

TVerificadorURL::TVerificadorURL(const QString& _URL, QObject* vida, TVerificadorURL_Entrega entrega)
    : TTrabalhador(vida), url(comEsquema(_URL)),
      http(std::make_unique<TClienteHttp>(limites, TClienteHttp::TRegraSucesso::tambemRedirecionamentoFinal)),
      entrega_(std::move(entrega)) {
    http->onRedirect = [this](const QString& destino) { onRedirect(destino); };
    http->onHeadersAvailable = [this](const TCabecalhosHttp& cabecalhos) {
        return onHeadersAvailable(cabecalhos);
    };
}

TVerificadorURL::~TVerificadorURL() = default;

// A failed GET ends the run without a final report; the redirect reports
// already made stand.
void TVerificadorURL::Execute() {
    urlFinal = url;
    QByteArray buffer;
    if (http->Get(url, buffer)) {
        const QString titulo = extrairTitulo(QString::fromUtf8(buffer));
        try {
            entregarTitulo(titulo);
        } catch (...) {
        }
    }
    buffer.clear();
    http.reset();
}

// An error in the report fails the GET.
void TVerificadorURL::onRedirect(const QString& destino) {
    urlFinal = destino;
    entregarTitulo(QString());
}

// Large answers are cut off at their headers, and so is a non-page answer
// that sends the client back to where it already is.
bool TVerificadorURL::onHeadersAvailable(const TCabecalhosHttp& cabecalhos) const {
    if (cabecalhos.contentLength > tamanhoMaximo)
        return false;
    return !(cabecalhos.location == urlFinal && cabecalhos.tipoMidia.toLower() != QLatin1String("text/html"));
}

void TVerificadorURL::entregarTitulo(const QString& titulo) {
    entregar([this, &titulo] { entrega_(urlFinal, url, titulo); });
}
