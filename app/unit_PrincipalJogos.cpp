// Game screens: opening, showing again and closing the four games.
#include "app/unit_Principal.h"

#include <QEvent>

void TPrincipal::abrirVelmora() {}
void TPrincipal::abrirKraddle() {}
void TPrincipal::abrirGumbrel() {}
void TPrincipal::abrirLurrow() {}
void TPrincipal::fecharVelmora() {}
void TPrincipal::fecharOutroJogo() {}
void TPrincipal::mostrarJogoExistente(int) {}

bool TPrincipal::ApplicationEvents1Message(QObject*, QEvent*) {
    return false;
}
