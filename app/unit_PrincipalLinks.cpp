// Link protection on the main window: the clipboard watcher and the verdicts.
#include "app/unit_Principal.h"

void TPrincipal::WMDrawClipboard() {}

bool TPrincipal::verificarBadURL(QString, QString, const QString&) {
    return false;
}

void TPrincipal::mostrarProtetor() {}

#include "linkguard/unit_VerificadorURL.h"

void TPrincipal::iniciarVerificador(const QString& url) {
    auto* verificador = new TVerificadorURL(
        url, &guardaEntregas,
        [this](const QString& urlFinal, const QString& urlOriginal, const QString& titulo) {
            listaURLsTestadas.append(urlFinal);
            verificarBadURL(urlFinal, urlOriginal, titulo);
        });
    verificador->Start();
}
