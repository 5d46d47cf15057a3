#include "ui/unit_Tema.h"

#include "core/unit_Recursos.h"

#include <QApplication>
#include <QStyleFactory>

namespace Tema {

namespace {

// Fusion greys disabled texts to about 2:1; these keep 5:1 on the window grey.
const QColor textoDesativado(0x66, 0x66, 0x66);
// The selection and the link-like highlight text: white on it, or it on white, at 6:1.
const QColor destaque(0x1c, 0x64, 0xb4);

} // namespace

// Every role is given: a palette set as the application's gives way to the
// desktop's in any role it leaves unset (a style's standard palette, which
// under a GTK theme is that theme's, sets none).
QPalette paleta() {
    const QColor janela(0xef, 0xef, 0xef);
    QPalette clara(Qt::black, janela, janela.lighter(150), janela.darker(150), janela.darker(130), Qt::black,
                   Qt::white);
    clara.setColor(QPalette::Midlight, janela.darker(130).lighter(110));
    clara.setColor(QPalette::Button, janela);
    clara.setColor(QPalette::Shadow, janela.darker(150).darker(135));
    clara.setColor(QPalette::BrightText, Qt::white);
    clara.setColor(QPalette::HighlightedText, Qt::white);
    clara.setColor(QPalette::Link, QColor(0x1c, 0x4f, 0x9c));
    clara.setColor(QPalette::LinkVisited, QColor(0x6a, 0x2c, 0x91));
    clara.setColor(QPalette::AlternateBase, janela.lighter(104));
    clara.setColor(QPalette::ToolTipBase, QColor(0xff, 0xff, 0xdc));
    clara.setColor(QPalette::ToolTipText, Qt::black);
    clara.setColor(QPalette::PlaceholderText, QColor(0x75, 0x75, 0x75));
    for (QPalette::ColorGroup grupo : {QPalette::Active, QPalette::Inactive})
        clara.setColor(grupo, QPalette::Highlight, destaque);
    clara.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x91, 0x91, 0x91));
    clara.setColor(QPalette::Disabled, QPalette::Base, janela);
    for (QPalette::ColorRole papel : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        clara.setColor(QPalette::Disabled, papel, textoDesativado);
    return clara;
}

void aplicar(QApplication& aplicacao) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(paleta());
    aplicacao.setStyleSheet(QString::fromUtf8(Recursos::ler(QStringLiteral("TEMA_TABLET_LIGHT"))));
}

} // namespace Tema
