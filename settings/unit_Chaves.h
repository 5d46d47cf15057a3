#pragma once

#include <QString>

// The keys of the settings file, all in its one section (Constantes::secao).
// Defaults are not kept here: each reader passes its own where it reads.
namespace Chave {
inline const QString primeiroUso = QStringLiteral("primeiroUso");
inline const QString idioma = QStringLiteral("idioma");
inline const QString idIdioma = QStringLiteral("idIdioma");
inline const QString wmodeFlash = QStringLiteral("wmodeFlash");
inline const QString qualidadeFlash = QStringLiteral("qualidadeFlash");
inline const QString noOffset = QStringLiteral("noOffset");
inline const QString usarAnim = QStringLiteral("usarAnim");
inline const QString ativarVerificadorLinks = QStringLiteral("ativarVerificadorLinks");
inline const QString salaQL6 = QStringLiteral("salaQL6");
inline const QString menuCtx = QStringLiteral("menuCtx");
} // namespace Chave
