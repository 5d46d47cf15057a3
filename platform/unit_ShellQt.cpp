#include "platform/unit_ShellQt.h"

#include <QDesktopServices>
#include <QUrl>

void TShellQt::abrir(const QString& url) {
    QDesktopServices::openUrl(QUrl(url));
}
