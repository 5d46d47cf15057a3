#include "platform/unit_PastasSistemaLinux.h"

#include <QDir>

QString TPastasSistemaLinux::pastaDadosUsuario() const {
    return primeira({"APPDATA", "XDG_CONFIG_HOME"}, QDir::homePath() + QStringLiteral("/.config"));
}

QString TPastasSistemaLinux::pastaCacheUsuario() const {
    return primeira({"LOCALAPPDATA", "XDG_CACHE_HOME"}, QDir::homePath() + QStringLiteral("/.cache"));
}

QString TPastasSistemaLinux::pastaTemporaria() const {
    return primeira({"TEMP", "TMPDIR"}, QStringLiteral("/tmp"));
}

QString TPastasSistemaLinux::primeira(std::initializer_list<const char*> variaveis, const QString& padrao) {
    for (const char* nome : variaveis)
        if (const QString pasta = QDir::fromNativeSeparators(qEnvironmentVariable(nome)); !pasta.isEmpty())
            return pasta;
    return padrao;
}
