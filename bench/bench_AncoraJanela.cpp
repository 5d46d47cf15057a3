// The anchor of the start-up benchmark: a bare Qt window of the program's
// size, placed as the program places its own, marking its first frame the
// same way. It links Qt Widgets and nothing else.
//
// Built with ANCORA_COM_DOWNLOAD it also makes the program's start-up
// download on a worker thread, through the program's HTTP client: the primary
// definitions document, then the fallback one. That is the least any window
// costs that fetches its definitions at start.
#include "ui/unit_MarcaPrimeiroQuadro.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

#ifdef ANCORA_COM_DOWNLOAD
#include "core/unit_Enderecos.h"
#include "net/unit_ClienteHttp.h"
#include "remote/unit_DocumentoRemoto.h"

#include <thread>

namespace {
void baixarDefinicoes() {
    const TEnderecos enderecos;
    TClienteHttp http(TDocumentoRemoto::limites(TDocumentoRemoto::TTipo::definicoes),
                      TClienteHttp::TRegraSucesso::apenas200s);
    QByteArray corpo;
    if (!http.Get(enderecos.definicoesPrimaria, corpo))
        http.Get(enderecos.definicoesReserva, corpo);
}
} // namespace
#endif

int main(int argc, char** argv) {
    QApplication aplicacao(argc, argv);
    QWidget janela;
    janela.resize(840, 626);
    if (const QScreen* tela = QGuiApplication::primaryScreen())
        janela.move(tela->availableGeometry().center() - janela.rect().center());
    TMarcaPrimeiroQuadro::instalarSePedido(&janela);
    janela.show();
#ifdef ANCORA_COM_DOWNLOAD
    std::thread(baixarDefinicoes).detach();
#endif
    return aplicacao.exec();
}
