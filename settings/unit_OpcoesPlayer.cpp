#include "settings/unit_OpcoesPlayer.h"

#include <array>

namespace OpcoesPlayer {

QStringList itensRender() {
    return {QStringLiteral("Opaque (Quillet 4.1)"), QStringLiteral("Direct (Quillet 5 / Steam)"),
            QStringLiteral("GPU"), QStringLiteral("Transparent"), QStringLiteral("Window")};
}

QStringList itensQualidade() {
    return {QStringLiteral("Baixa"), QStringLiteral("Alta"), QStringLiteral("Automática baixa"),
            QStringLiteral("Automática alta")};
}

QString modoRender(int indice) {
    static const std::array<QString, 5> modos = {QStringLiteral("Opaque"), QStringLiteral("Direct"),
                                                 QStringLiteral("gpu"), QStringLiteral("Transparent"),
                                                 QStringLiteral("Window")};
    if (indice < 0 || indice >= static_cast<int>(modos.size()))
        return modos[1];
    return modos[indice];
}

int qualidade(int indice) {
    return indice >= 0 && indice <= 3 ? indice : 1;
}

} // namespace OpcoesPlayer
