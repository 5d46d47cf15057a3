// Link protection on the main window: the clipboard watcher and the verdicts.
#include "app/unit_Principal.h"

#include "core/unit_Constantes.h"
#include "games/unit_frameVelmora.h"
#include "linkguard/unit_VerificadorURL.h"
#include "linkguard/unit_frameProtetor.h"
#include "player/unit_FlashPlayer.h"
#include "remote/unit_Definicoes.h"
#include "settings/unit_ArquivoConfig.h"
#include "settings/unit_Chaves.h"
#include "settings/unit_Idioma.h"
#include "ui/unit_Painel.h"

#include <QLabel>
#include <QPlainTextEdit>

// The clipboard changed: while the player is inside the running Velmora game,
// the first address copied is judged, and sent to a verifier unless it is
// bad already or was reached before.
void TPrincipal::WMDrawClipboard() {
    if (TDefinicoes::valor(qlDef, QStringLiteral("super_desativarVL")) == QLatin1String("1"))
        return;
    if (config->ReadString(Constantes::secao, Chave::idioma, QStringLiteral("PT")) != QLatin1String("PT"))
        return;
    if (!config->ReadBool(Constantes::secao, Chave::ativarVerificadorLinks, true))
        return;
    if (!velmoraComFoco())
        return;
    TOrcamento orcamentoBusca = TOrcamento::deBuscaEndereco();
    const QString endereco = TRegrasLinks::buscarEndereco(
        TRegrasLinks::aparar(servicos.areaTransferencia->lerTexto()), orcamentoBusca);
    if (endereco.isEmpty())
        return;
    if (verificarBadURL(endereco, endereco, QString()))
        return;
    if (listaURLsTestadas.contains(endereco, Qt::CaseInsensitive))
        return;
    iniciarVerificador(endereco);
}

// The Velmora screen exists, is visible and its player holds the keyboard focus.
bool TPrincipal::velmoraComFoco() const {
    return frameVelmora && frameVelmora->emVistaComFoco();
}

void TPrincipal::definirListaBadURLs(TRegrasLinks& regras) {
    std::swap(regrasLinks_, regras);
    listaBadURLs = regrasLinks_.lista();
}

bool TPrincipal::verificarBadURL(QString url, QString urlOriginal, const QString& titulo) {
    url = TRegrasLinks::comPrefixo(url);
    urlOriginal = TRegrasLinks::comPrefixo(urlOriginal);
    // A list put in the field directly is compiled at its first use.
    if (regrasLinks_.lista() != listaBadURLs)
        regrasLinks_.definirLista(listaBadURLs);
    TOrcamento orcamento = TOrcamento::deJulgamento();
    const TRegrasLinks::TVeredito veredito = regrasLinks_.julgar(url, titulo, orcamento);
    // A judgement cut short by its budget has been reported; the address goes
    // on like one found sound, so that the verifier still judges where it
    // leads and its page title, each time with a budget of its own.
    if (veredito == TRegrasLinks::TVeredito::nenhum || veredito == TRegrasLinks::TVeredito::indeciso)
        return false;
    frameProtetor->mostrarAviso(url, urlOriginal);
    // A bad title is announced with the window already in front; a listed
    // site brings it there once the warning is up; keywords leave it be.
    if (veredito == TRegrasLinks::TVeredito::titulo)
        trazerParaPrimeiroPlano();
    mostrarProtetor();
    if (veredito == TRegrasLinks::TVeredito::siteRuim)
        trazerParaPrimeiroPlano();
    return true;
}

void TPrincipal::trazerParaPrimeiroPlano() {
    raise();
    activateWindow();
}

// The warning covers everything at once, without a slide. A slide still
// running is finished first, so that it cannot move the panel afterwards.
void TPrincipal::mostrarProtetor() {
    concluirTransicaoEmCurso();
    painelQuillet->setAlinhado(true);
    painelQuillet->raise();
    frameProtetor->show();
    painelQuillet->show();
}

void TPrincipal::iniciarVerificador(const QString& url) {
    auto* verificador = new TVerificadorURL(
        url, &guardaEntregas,
        [this](const QString& urlFinal, const QString& urlOriginal, const QString& titulo) {
            listaURLsTestadas.append(urlFinal);
            verificarBadURL(urlFinal, urlOriginal, titulo);
        });
    verificador->Start();
}
