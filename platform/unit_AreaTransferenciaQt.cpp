#include "platform/unit_AreaTransferenciaQt.h"

#include <QClipboard>
#include <QGuiApplication>

TAreaTransferenciaQt::TAreaTransferenciaQt() {
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        if (receptor_)
            receptor_();
    });
}

void TAreaTransferenciaQt::aoMudar(std::function<void()> receptor) {
    receptor_ = std::move(receptor);
}

QString TAreaTransferenciaQt::lerTexto() {
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}
