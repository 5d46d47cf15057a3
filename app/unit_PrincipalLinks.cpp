// Link protection on the main window: the clipboard watcher and the verdicts.
#include "app/unit_Principal.h"

#include "linkguard/unit_frameProtetor.h"
#include "platform/unit_Constantes.h"
#include "platform/unit_FlashPlayer.h"
#include "platform/unit_Painel.h"
#include "settings/unit_ArquivoConfig.h"
#include "settings/unit_Idioma.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace {

const QString juncao = QStringLiteral(" -> ");

// The value of `nome` in the definitions document: the text after the first
// "=" of the first line so named (letter case ignored); empty when none is.
QString valorDefinicao(const QStringList& linhas, const QString& nome) {
    for (const QString& linha : linhas) {
        const qsizetype igual = linha.indexOf(QLatin1Char('='));
        if (igual >= 0 && QStringView(linha).left(igual).compare(nome, Qt::CaseInsensitive) == 0)
            return linha.mid(igual + 1);
    }
    return {};
}

} // namespace

// The clipboard changed: while the player is inside the running Velmora game,
// the first address copied is judged, and sent to a verifier unless it is
// bad already or was reached before.
void TPrincipal::WMDrawClipboard() {
    if (valorDefinicao(qlDef, QStringLiteral("super_desativarVL")) == QLatin1String("1"))
        return;
    if (config->ReadString(Constantes::secao, QStringLiteral("idioma"), QStringLiteral("PT")) !=
        QLatin1String("PT"))
        return;
    if (!config->ReadBool(Constantes::secao, QStringLiteral("ativarVerificadorLinks"), true))
        return;
    if (!velmoraComFoco())
        return;
    const QString endereco =
        TRegrasLinks::buscarEndereco(TRegrasLinks::aparar(servicos.areaTransferencia->lerTexto()));
    if (endereco.isEmpty())
        return;
    if (verificarBadURL(endereco, endereco, QString()))
        return;
    if (listaURLsTestadas.contains(endereco, Qt::CaseInsensitive))
        return;
    iniciarVerificador(endereco);
}

// The Velmora screen exists, is visible and its player holds the keyboard focus.
// Until the Velmora screen class is part of the program, the screen is found by
// its name among the game panel's screens.
bool TPrincipal::velmoraComFoco() const {
    const auto* tela =
        painelJogo->findChild<QWidget*>(QStringLiteral("frameVelmora"), Qt::FindDirectChildrenOnly);
    if (!tela || !tela->isVisible())
        return false;
    const auto* flash = tela->findChild<TFlashPlayer*>();
    return flash && flash->Focused();
}

// Not yet wired: the link verifier of `endereco` is created and started here.
void TPrincipal::iniciarVerificador(const QString& /*endereco*/) {}

void TPrincipal::definirListaBadURLs(const QStringList& lista) {
    listaBadURLs = lista;
    regrasLinks_.definirLista(listaBadURLs);
}

bool TPrincipal::verificarBadURL(QString url, QString urlOriginal, const QString& titulo) {
    url = TRegrasLinks::comPrefixo(url);
    urlOriginal = TRegrasLinks::comPrefixo(urlOriginal);
    // A list put in the field directly is compiled at its first use.
    if (regrasLinks_.lista() != listaBadURLs)
        regrasLinks_.definirLista(listaBadURLs);
    const TRegrasLinks::TVeredito veredito = regrasLinks_.julgar(url, titulo);
    if (veredito == TRegrasLinks::TVeredito::nenhum)
        return false;
    preencherProtetor(url, urlOriginal);
    // A bad title is announced with the window already in front; a listed
    // site brings it there once the warning is up; keywords leave it be.
    if (veredito == TRegrasLinks::TVeredito::titulo)
        trazerParaPrimeiroPlano();
    mostrarProtetor();
    if (veredito == TRegrasLinks::TVeredito::siteRuim)
        trazerParaPrimeiroPlano();
    return true;
}

void TPrincipal::preencherProtetor(const QString& url, const QString& urlOriginal) {
    const bool direto = url == urlOriginal;
    const QString endereco = direto ? url : urlOriginal + juncao + url;
    QString info = direto ? idioma->get(QStringLiteral("frameProtetor.texto1"), {url})
                          : idioma->get(QStringLiteral("frameProtetor.texto2"), {urlOriginal, url});
    frameProtetor->show();
    frameProtetor->textoURL->setText(endereco);
    frameProtetor->textoInfo->setPlainText(info.replace(QLatin1String("\r\n"), QLatin1String("\n")));
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
