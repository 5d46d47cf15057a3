#include "platform/unit_AreaTransferenciaQt.h"

#include "platform/unit_Aplicacao.h"

#include <QClipboard>
#include <QGuiApplication>

TAreaTransferenciaQt::TAreaTransferenciaQt() {
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &TAreaTransferenciaQt::notificar);
}

// The notification comes from inside the window system's code, which is not
// built to let exceptions through: an error of the receiver goes to the
// application-wide handler from here.
void TAreaTransferenciaQt::notificar() {
    if (receptor_)
        TAplicacao::executarProtegido(receptor_);
}

void TAreaTransferenciaQt::aoMudar(std::function<void()> receptor) {
    receptor_ = std::move(receptor);
}

QString TAreaTransferenciaQt::lerTexto() {
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}
