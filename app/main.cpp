#include "app/unit_Principal.h"
#include "core/unit_Constantes.h"
#include "core/unit_Erros.h"
#include "core/unit_PastasPrograma.h"
#include "platform/unit_Aplicacao.h"
#include "platform/unit_CaixasMensagemQt.h"
#include "platform/unit_ConfigFontes.h"
#include "player/unit_FabricaPlayerLinux.h"
#include "ui/unit_MarcaPrimeiroQuadro.h"
#include "ui/unit_Tema.h"
#include "ui/unit_TradutorIdioma.h"

#include <QScreen>
#include <QTimer>
#include <cstdio>

namespace {

void selecionarTema(TAplicacao& aplicacao) {
    try {
        Tema::aplicar(aplicacao);
    } catch (const EErro& erro) {
        TCaixasMensagemQt().avisarErro(erro.Message());
    }
}

// With QUILLET_DIAGNOSTICO set, the program starts, says what it found of its
// installation and ends: a smoke run of an installed copy.
void diagnosticar(const TPrincipal& principal) {
    const bool motor = TFabricaPlayerLinux().motorDisponivel();
    const QString qt = principal.tradutor->arquivoQt();
    std::printf("data folder: %s\nSWF engine: %s\nQt translation: %s\n", qPrintable(PastasPrograma::dados()),
                motor ? "found" : "not found", qt.isEmpty() ? "none" : qPrintable(qt));
}

} // namespace

int main(int argc, char** argv) {
    ConfigFontes::lerEmSegundoPlano();
    TAplicacao aplicacao(argc, argv);
    aplicacao.setApplicationName(Constantes::titulo);
    aplicacao.setApplicationDisplayName(Constantes::titulo);
    selecionarTema(aplicacao);

    int codigo = 0;
    {
        TPrincipal principal(TServicos::doSistema());
        if (const QScreen* tela = QGuiApplication::primaryScreen())
            principal.move(tela->availableGeometry().center() - principal.rect().center());
        TMarcaPrimeiroQuadro::instalarSePedido(&principal);
        principal.show();
        if (qEnvironmentVariableIsSet("QUILLET_DIAGNOSTICO")) {
            QTimer::singleShot(0, &principal, [&principal] {
                diagnosticar(principal);
                QCoreApplication::exit(0);
            });
        }
        codigo = aplicacao.exec();
    }
    TAplicacao::encerrarProcesso(codigo);
}
