#include "platform/unit_CaixasMensagemQt.h"

#include "core/unit_Constantes.h"

#include <QApplication>
#include <QPushButton>

bool TCaixasMensagemQt::perguntar(const QString& texto) {
    return mostrar(QMessageBox::Question, texto, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

TCaixasMensagem::TResposta TCaixasMensagemQt::perguntarOuFechar(const QString& texto) {
    switch (mostrar(QMessageBox::Question, texto, QMessageBox::Yes | QMessageBox::No, true)) {
    case QMessageBox::Yes:
        return TResposta::sim;
    case QMessageBox::No:
        return TResposta::nao;
    default:
        return TResposta::nenhuma;
    }
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
                                                       QMessageBox::StandardButtons botoes,
                                                       bool fecharSemResposta) {
    QMessageBox caixa(icone, Constantes::titulo, texto, botoes, QApplication::activeWindow());
    // Texts carry values from the network (the version in the update notice):
    // shown as they are, never as rich text, whose layout a hostile text (deeply
    // nested tables) can make endless.
    caixa.setTextFormat(Qt::PlainText);
    // A box without an escape button takes its No for one: Esc and the
    // window's close button answer No. Where that must not count as an
    // answer, they press a button that is never shown instead.
    if (fecharSemResposta) {
        QPushButton* fechar = caixa.addButton(QMessageBox::Cancel);
        fechar->hide();
        caixa.setEscapeButton(fechar);
    }
    return static_cast<QMessageBox::StandardButton>(caixa.exec());
}
