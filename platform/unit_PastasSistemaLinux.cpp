#include "platform/unit_PastasSistemaLinux.h"

#include <QDir>

QString TPastasSistemaLinux::pastaDadosUsuario() const {
    if (const QString appData = variavel("APPDATA"); !appData.isEmpty())
        return appData;
    if (const QString xdg = variavel("XDG_CONFIG_HOME"); !xdg.isEmpty())
        return xdg;
    return QDir::homePath() + QStringLiteral("/.config");
}

QString TPastasSistemaLinux::pastaCacheUsuario() const {
    if (const QString localAppData = variavel("LOCALAPPDATA"); !localAppData.isEmpty())
        return localAppData;
    if (const QString xdg = variavel("XDG_CACHE_HOME"); !xdg.isEmpty())
        return xdg;
    return QDir::homePath() + QStringLiteral("/.cache");
}

QString TPastasSistemaLinux::pastaTemporaria() const {
    if (const QString temp = variavel("TEMP"); !temp.isEmpty())
        return temp;
    if (const QString tmpDir = variavel("TMPDIR"); !tmpDir.isEmpty())
        return tmpDir;
    return QStringLiteral("/tmp");
}

QString TPastasSistemaLinux::variavel(const char* nome) {
    return QDir::fromNativeSeparators(qEnvironmentVariable(nome));
}
