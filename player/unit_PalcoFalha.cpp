#include "player/unit_PalcoFalha.h"

#include "ui/unit_TeclaAcionar.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* criarTexto(QWidget* pai, const char* nome, int pixels, bool negrito) {
    auto* texto = new QLabel(pai);
    texto->setObjectName(QLatin1String(nome));
    texto->setAlignment(Qt::AlignCenter);
    texto->setWordWrap(true);
    texto->setTextFormat(Qt::PlainText);
    QFont fonte = texto->font();
    fonte.setPixelSize(pixels);
    fonte.setBold(negrito);
    texto->setFont(fonte);
    return texto;
}

} // namespace

TPalcoFalha::TPalcoFalha(QWidget* pai) : QWidget(pai) {
    setObjectName(QStringLiteral("palcoFalha"));
    setAutoFillBackground(true);
    textoTitulo = criarTexto(this, "textoTitulo", 22, true);
    textoMotivo = criarTexto(this, "textoMotivo", 15, false);
    textoFalha = criarTexto(this, "textoFalha", 12, false);
    textoFalha->setTextInteractionFlags(Qt::TextSelectableByMouse);
    btnTentar = new QPushButton(this);
    btnTentar->setObjectName(QStringLiteral("btnTentar"));
    btnTentar->setFocusPolicy(Qt::StrongFocus);
    TTeclaAcionar::instalar(btnTentar);
    connect(btnTentar, &QPushButton::clicked, this, &TPalcoFalha::tentarPedido);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(12);
    layout->addStretch();
    layout->addWidget(textoTitulo);
    layout->addWidget(textoMotivo);
    layout->addWidget(btnTentar, 0, Qt::AlignHCenter);
    layout->addWidget(textoFalha);
    layout->addStretch();
}

void TPalcoFalha::mostrar(const QString& titulo, const QString& motivo, const QString& detalhe,
                          const QString& acao) {
    textoTitulo->setText(titulo);
    textoMotivo->setText(motivo);
    textoFalha->setText(detalhe);
    textoFalha->setVisible(!detalhe.isEmpty());
    btnTentar->setText(acao);
}

void TPalcoFalha::colorir(const QColor& fundo) {
    const bool escuro = fundo.isValid() && fundo.lightness() < 128;
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, fundo.isValid() ? fundo : QColor(Qt::white));
    paleta.setColor(QPalette::WindowText, escuro ? Qt::white : Qt::black);
    setPalette(paleta);
}
