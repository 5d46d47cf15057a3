#pragma once

#include <QString>

// External calls a game's loader movie makes to its web page, written as the
// player hands them over: the script bridge answers them, the stand-in
// player makes them.
namespace PedidosFilme {
inline const QString enderecoPagina = QStringLiteral(
    R"(<invoke name="window.location.href.toString" returntype="xml"><arguments></arguments></invoke>)");
inline const QString identidadeNavegador =
    QStringLiteral(R"(<invoke name="function(){return navigator.appVersion+'-'+navigator.appName;}" )"
                   R"(returntype="xml"><arguments></arguments></invoke>)");
// Every full-screen call begins so; the stand-in makes the one below.
inline const QString prefixoTelaCheia = QStringLiteral(R"(<invoke name="pleinEcran" )");
inline const QString telaCheia =
    QStringLiteral(R"(<invoke name="pleinEcran" returntype="xml"><arguments><true/></arguments></invoke>)");
} // namespace PedidosFilme
