#include "app/unit_LinhaComando.h"
#include "app/unit_Principal.h"
#include "core/unit_Constantes.h"
#include "core/unit_Erros.h"
#include "core/unit_PastasPrograma.h"
#include "platform/unit_Aplicacao.h"
#include "platform/unit_CaixasMensagemQt.h"
#include "platform/unit_ConfigFontes.h"
#include "platform/unit_InstanciaUnica.h"
#include "platform/unit_PastasSistemaLinux.h"
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

QStringList argumentosDe(int argc, char** argv) {
    QStringList argumentos;
    for (int i = 1; i < argc; ++i)
        argumentos.append(QString::fromLocal8Bit(argv[i]));
    return argumentos;
}

} // namespace

int main(int argc, char** argv) {
    // --version, --help and a game the program does not have answer before
    // anything needs a display.
    if (const TLinhaComando pedido = TLinhaComando::ler(argumentosDe(argc, argv));
        pedido.acao != TLinhaComando::TAcao::iniciar)
        return pedido.responder();
    // A second start with the same data folder brings the running copy
    // forward and ends, before it connects to the display. A smoke run of an
    // installed copy always runs.
    const bool diagnostico = qEnvironmentVariableIsSet("QUILLET_DIAGNOSTICO");
    TInstanciaUnica instancia(TPastasSistemaLinux().pastaDadosUsuario() + QLatin1Char('/') +
                              Constantes::nomePasta);
    if (!diagnostico && instancia.entregarAExistente())
        return 0;
    ConfigFontes::lerEmSegundoPlano();
    TAplicacao aplicacao(argc, argv);
    // Qt has taken its own options out by now: what is left must be the program's.
    const TLinhaComando linha = TLinhaComando::ler(QCoreApplication::arguments().mid(1)).semDesconhecidos();
    if (linha.acao != TLinhaComando::TAcao::iniciar)
        return linha.responder();
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
        QObject::connect(&instancia, &TInstanciaUnica::chamada, &principal, &TPrincipal::virParaFrente);
        instancia.ouvir();
        if (linha.jogo)
            principal.abrirJogoPedido(*linha.jogo);
        if (diagnostico) {
            QTimer::singleShot(0, &principal, [&principal] {
                diagnosticar(principal);
                QCoreApplication::exit(0);
            });
        }
        codigo = aplicacao.exec();
    }
    TAplicacao::encerrarProcesso(codigo);
}
