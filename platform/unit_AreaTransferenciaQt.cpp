#include "platform/unit_AreaTransferenciaQt.h"

#include "core/unit_Conexao.h"

#include <QClipboard>
#include <QGuiApplication>

TAreaTransferenciaQt::TAreaTransferenciaQt() {
    // The notification comes from inside the window system's code: an error of
    // the receiver goes to the application-wide handler from the slot.
    Conexao::protegida(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
                       &TAreaTransferenciaQt::notificar);
}

void TAreaTransferenciaQt::notificar() {
    if (receptor_)
        receptor_();
}

void TAreaTransferenciaQt::aoMudar(std::function<void()> receptor) {
    receptor_ = std::move(receptor);
}

QString TAreaTransferenciaQt::lerTexto() {
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

void TAreaTransferenciaQt::limpar() {
    QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
}
