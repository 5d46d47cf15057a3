#pragma once

#include "platform/unit_CaixasMensagem.h"

#include <QMessageBox>

class QWidget;

// Message boxes as modal Qt dialogs over the application's active window.
class TCaixasMensagemQt : public TCaixasMensagem {
public:
    bool perguntar(const QString& texto) override;
    TResposta perguntarOuFechar(const QString& texto) override;
    void informar(const QString& texto) override;
    bool perguntarInformando(const QString& texto) override;
    void avisarErro(const QString& texto) override;

private:
    static QMessageBox::StandardButton mostrar(QMessageBox::Icon icone, const QString& texto,
                                               QMessageBox::StandardButtons botoes,
                                               bool fecharSemResposta = false);
};
