#include "app/unit_Principal.h"
#include "core/unit_Constantes.h"
#include "core/unit_Erros.h"
#include "core/unit_Recursos.h"
#include "platform/unit_Aplicacao.h"
#include "platform/unit_CaixasMensagemQt.h"

#include <QScreen>
#include <cstdio>
#include <cstdlib>

namespace {

void selecionarTema(TAplicacao& aplicacao) {
    try {
        aplicacao.setStyleSheet(QString::fromUtf8(Recursos::ler(QStringLiteral("TEMA_TABLET_LIGHT"))));
    } catch (const EErro& erro) {
        TCaixasMensagemQt().avisarErro(erro.Message());
    }
}

} // namespace

int main(int argc, char** argv) {
    TAplicacao aplicacao(argc, argv);
    aplicacao.setApplicationName(Constantes::titulo);
    aplicacao.setApplicationDisplayName(Constantes::titulo);
    selecionarTema(aplicacao);

    int codigo = 0;
    {
        TPrincipal principal(TServicos::doSistema());
        if (const QScreen* tela = QGuiApplication::primaryScreen())
            principal.move(tela->availableGeometry().center() - principal.rect().center());
        principal.show();
        codigo = aplicacao.exec();
    }
    // Workers are never waited for: leave without running exit handlers
    // under a download or a link check still in flight.
    std::fflush(nullptr);
    std::_Exit(codigo);
}
