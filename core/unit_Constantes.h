#pragma once

#include <QString>

namespace Constantes {
inline const QString titulo = QStringLiteral("Quillet 6");
inline const QString versaoTexto = QStringLiteral("6.0.1");
constexpr int versaoNumero = 601;
inline const QString nomePasta = QStringLiteral("Quillet 6/");
inline const QString nomeArquivoConfig = QStringLiteral("config.ini");
inline const QString secao = QStringLiteral("Quillet");
inline const QString userAgent =
    QStringLiteral("Mozilla/5.0 (Windows NT 6.1) AppleWebKit/537.36 (KHTML, like "
                   "Gecko) Chrome/53.0.2785.89 Safari/537.36");
} // namespace Constantes
