// Link protection on the main window: the watcher wired to the window, and
// the warning it shows for a bad link.
#include "app/unit_Principal.h"

#include "core/unit_ArquivoConfig.h"
#include "core/unit_Conexao.h"
#include "core/unit_Texto.h"
#include "games/unit_frameVelmora.h"
#include "linkguard/unit_VigiaLinks.h"
#include "linkguard/unit_frameProtetor.h"
#include "platform/unit_PrimeiroPlano.h"
#include "remote/unit_DefinicoesRemotas.h"
#include "ui/unit_Painel.h"

#include <QScopedValueRollback>

// Velmora is the watched game; the definitions document may switch the watcher off.
void TPrincipal::criarVigiaLinks() {
    TVigiaLinks::TPortoes portoes{
        .desligadoRemotamente = [this] { return definicoesRemotas->vigiaDesligado(); },
        .jogoComFoco = [this] { return frameVelmora && frameVelmora->emVistaComFoco(); }};
    vigiaLinks = new TVigiaLinks(*config, *servicos.areaTransferencia, listaBadURLs, listaURLsTestadas,
                                 std::move(portoes), &guardaEntregas, this);
    Conexao::protegida(
        vigiaLinks, &TVigiaLinks::linkRuim, this,
        [this](const QString& url, const QString& urlOriginal, TRegrasLinks::TVeredito veredito) {
            avisarLinkRuim(url, urlOriginal, veredito, false);
        });
    Conexao::protegida(
        vigiaLinks, &TVigiaLinks::linkDoFilmeRuim, this,
        [this](const QString& url, const QString& urlOriginal, TRegrasLinks::TVeredito veredito) {
            avisarLinkRuim(url, urlOriginal, veredito, true);
        });
    Conexao::protegida(vigiaLinks, &TVigiaLinks::verificacaoPedida, this, &TPrincipal::iniciarVerificador);
    Conexao::protegida(vigiaLinks, &TVigiaLinks::linkLiberado, this, &TPrincipal::abrirURL);
    servicos.areaTransferencia->aoMudar([this] { WMDrawClipboard(); });
}

// The warning taking a bad link off the clipboard is no copy to judge.
void TPrincipal::WMDrawClipboard() {
    if (!mostrandoAviso_)
        vigiaLinks->areaTransferenciaMudou();
}

bool TPrincipal::verificarBadURL(QString url, QString urlOriginal, const QString& titulo) {
    return vigiaLinks->verificarBadURL(std::move(url), std::move(urlOriginal), titulo);
}

void TPrincipal::definirListaBadURLs(TRegrasLinks& regras) {
    vigiaLinks->definirListaBadURLs(regras);
}

void TPrincipal::iniciarVerificador(const QString& url) {
    vigiaLinks->iniciarVerificador(url);
}

// A link a movie opens goes to the desktop's browser, through the link check
// when it is on.
void TPrincipal::abrirLinkDoFilme(const QString& url) {
    if (vigiaLinks->protecaoLigada())
        vigiaLinks->julgarLinkDoFilme(url);
    else
        abrirURL(url);
}

// A bad title is announced with the window already in front; a listed site
// brings it there once the warning is up; keywords leave it be. The
// addresses show their direction controls as text.
void TPrincipal::avisarLinkRuim(const QString& url, const QString& urlOriginal,
                                TRegrasLinks::TVeredito veredito, bool doFilme) {
    const QScopedValueRollback mostrando(mostrandoAviso_, true);
    frameProtetor()->mostrarAviso(Texto::bidiVisivel(url), Texto::bidiVisivel(urlOriginal), veredito,
                                  doFilme ? TframeProtetor::TOrigem::filme
                                          : TframeProtetor::TOrigem::copiado);
    if (veredito == TRegrasLinks::TVeredito::titulo)
        trazerParaPrimeiroPlano();
    mostrarProtetor();
    if (veredito == TRegrasLinks::TVeredito::siteRuim)
        trazerParaPrimeiroPlano();
}

void TPrincipal::trazerParaPrimeiroPlano() {
    raise();
    activateWindow();
}

void TPrincipal::virParaFrente() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    PrimeiroPlano::pedir(this);
}

// The warning covers everything at once, without a slide, and takes the
// keyboard. A slide still running is finished first, so that it cannot move
// the panel afterwards.
void TPrincipal::mostrarProtetor() {
    concluirTransicaoEmCurso();
    painelQuillet->setAlinhado(true);
    painelQuillet->raise();
    frameProtetor()->show();
    painelQuillet->show();
    focarEmFrente();
}
