#include "core/unit_PastasPrograma.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace PastasPrograma {

QString dados() {
    const QString escolhida = qEnvironmentVariable("QUILLET_DADOS");
    if (!escolhida.isEmpty())
        return QDir::cleanPath(escolhida);
    const QDir programa(QCoreApplication::applicationDirPath());
    const QString instalada = QDir::cleanPath(programa.filePath(QStringLiteral("../share/quillet6")));
    return QFileInfo(instalada).isDir() ? instalada : programa.path();
}

} // namespace PastasPrograma
