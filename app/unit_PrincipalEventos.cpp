// Closing the main window, the application-wide message filter and error handler.
#include "app/unit_Principal.h"

#include "games/unit_frameErroFlash.h"
#include "platform/unit_Constantes.h"
#include "platform/unit_Erros.h"
#include "settings/unit_ArquivoConfig.h"
#include "settings/unit_Idioma.h"

#include <QLabel>
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
    frameErroFlash->textoErro->setText(
        idioma->get(QStringLiteral("frameErroFlash.textoErro"), {erroOle->Message().trimmed()}));
    frameErroFlash->show();
    mostrarQuillet();
}
