// Closing the main window, the application-wide message filter and error handler.
#include "app/unit_Principal.h"

#include "core/unit_ArquivoConfig.h"
#include "core/unit_Constantes.h"
#include "core/unit_Erros.h"
#include "games/unit_frameErroFlash.h"
#include "ui/unit_Idioma.h"

#include <QMouseEvent>
#include <QTimer>

bool TPrincipal::FormCloseQuery() {
    return servicos.mensagens->perguntar(idioma->get(QStringLiteral("Principal.confirmarFechar")));
}

void TPrincipal::FormClose() {
    AnimLogo->stop();
}

void TPrincipal::ApplicationEvents1Exception(const std::exception& E) {
    const auto* erroOle = dynamic_cast<const EOleSysError*>(&E);
    if (!erroOle)
        return;
    frameErroFlash()->mostrarErro(erroOle->Message());
    mostrarQuillet();
}

// The box waits for the event loop: the refused write may be one of several a
// handler makes (a screen being filled, say), which it must not interrupt.
void TPrincipal::avisarConfigNaoGravada(const EArquivo& erro) {
    if (std::exchange(avisouConfigNaoGravada_, true))
        return;
    QTimer::singleShot(0, this, [this, mensagem = erro.Message()] {
        servicos.mensagens->avisarErro(idioma->get(QStringLiteral("Mensagem.configNaoGravada"), {mensagem}));
    });
}
