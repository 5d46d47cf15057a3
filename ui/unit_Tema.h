#pragma once

#include <QPalette>

class QApplication;

// The "Tablet Light" look of the program's own screens, the same under any
// desktop theme: Qt's Fusion style with a light palette of its own and the
// theme's style sheet. A dark desktop palette (a GTK theme's, say) would
// otherwise give the screens' labels near-white text on their white panels.
namespace Tema {
// The light palette, Fusion's light look, with every text at 4.5:1 or more
// against the background it is drawn on, disabled ones included.
QPalette paleta();
// Applies the style, the palette and the style sheet to the application.
// Raises an error, the style and palette applied, when the sheet cannot be read.
void aplicar(QApplication& aplicacao);
} // namespace Tema
