#pragma once

#include <QString>
#include <QStringList>

// The player's render modes and qualities as the Velmora screen's performance
// panel and the settings screen offer them, stored as the index of their item
// (settings `wmodeFlash` and `qualidadeFlash`).
namespace OpcoesPlayer {
// The items' design captions, by index; the language files give their own.
QStringList itensRender();
QStringList itensQualidade();
// The player's render mode for a render item; no valid item gives "Direct".
QString modoRender(int indice);
// The player's quality for a quality item (the index itself); no valid item gives high.
int qualidade(int indice);
} // namespace OpcoesPlayer
