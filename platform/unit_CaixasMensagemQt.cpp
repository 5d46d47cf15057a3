#include "platform/unit_CaixasMensagemQt.h"

#include "core/unit_Constantes.h"

#include <QApplication>

bool TCaixasMensagemQt::perguntar(const QString& texto) {
    return mostrar(QMessageBox::Question, texto, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void TCaixasMensagemQt::informar(const QString& texto) {
    mostrar(QMessageBox::Information, texto, QMessageBox::Ok);
}

bool TCaixasMensagemQt::perguntarInformando(const QString& texto) {
    return mostrar(QMessageBox::Information, texto, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void TCaixasMensagemQt::avisarErro(const QString& texto) {
    mostrar(QMessageBox::Critical, texto, QMessageBox::Ok);
}

QMessageBox::StandardButton TCaixasMensagemQt::mostrar(QMessageBox::Icon icone, const QString& texto,
                                                       QMessageBox::StandardButtons botoes) {
    QMessageBox caixa(icone, Constantes::titulo, texto, botoes, QApplication::activeWindow());
    // Texts carry values from the network (the version in the update notice):
    // shown as they are, never as rich text, whose layout a hostile text (deeply
    // nested tables) can make endless.
    caixa.setTextFormat(Qt::PlainText);
    // A Yes/No box has no other way out than its two buttons.
    if (botoes.testFlag(QMessageBox::No))
        caixa.setEscapeButton(nullptr);
    return static_cast<QMessageBox::StandardButton>(caixa.exec());
}
