#include "platform/unit_Aplicacao.h"

#include "core/unit_TratadorErros.h"

#include <QFont>
#include <cstdio>
#include <cstdlib>

// Exported by Qt Core and declared only in its private headers: runs the
// routines registered with qAddPostRoutine.
void qt_call_post_routines();

namespace {

// The design's Windows fonts, where the desktop lacks them, by families a
// Linux desktop has: Carlito (Calibri's metrics) is a little narrower than
// Segoe UI, so every caption laid out for Segoe UI keeps its room; DejaVu
// Sans has Verdana's proportions. The last of each list is there always.
void substituirFontes() {
    QFont::insertSubstitutions(
        QStringLiteral("Segoe UI"),
        {QStringLiteral("Carlito"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans")});
}

} // namespace

TAplicacao::TAplicacao(int& argc, char** argv) : QApplication(argc, argv) {
    substituirFontes();
}

bool TAplicacao::notify(QObject* receptor, QEvent* evento) {
    try {
        return QApplication::notify(receptor, evento);
    } catch (const std::exception& erro) {
        TratadorErros::tratar(erro);
    }
    return false;
}

void TAplicacao::encerrarProcesso(int codigo) {
    // Objects whose deletion was asked for (a player's view left while the
    // movie was calling its page) go before the browser stops.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qt_call_post_routines();
    std::fflush(nullptr);
    std::_Exit(codigo);
}
