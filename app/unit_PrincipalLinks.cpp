// Link protection on the main window: the clipboard watcher and the verdicts.
#include "app/unit_Principal.h"

void TPrincipal::WMDrawClipboard() {}

bool TPrincipal::verificarBadURL(QString, QString, const QString&) {
    return false;
}

void TPrincipal::mostrarProtetor() {}
