// The anchor of the start-up benchmark: a bare Qt window of the program's
// size, placed as the program places its own, marking its first frame the
// same way. It links Qt Widgets and nothing else.
#include "ui/unit_MarcaPrimeiroQuadro.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication aplicacao(argc, argv);
    QWidget janela;
    janela.resize(840, 626);
    if (const QScreen* tela = QGuiApplication::primaryScreen())
        janela.move(tela->availableGeometry().center() - janela.rect().center());
    TMarcaPrimeiroQuadro::instalarSePedido(&janela);
    janela.show();
    return aplicacao.exec();
}
