#pragma once

#include "app/unit_Principal.h"
#include "tests/support/unit_Falsos.h"

#include <gtest/gtest.h>
#include <memory>

class TframeJogo;

// What the movies ask, spelled here independently of the program.
inline const QString pedidoEndereco = QStringLiteral(
    R"(<invoke name="window.location.href.toString" returntype="xml"><arguments></arguments></invoke>)");
inline const QString pedidoIdentidade =
    QStringLiteral(R"(<invoke name="function(){return navigator.appVersion+'-'+navigator.appName;}" )"
                   R"(returntype="xml"><arguments></arguments></invoke>)");
inline const QString pedidoTelaCheia =
    QStringLiteral(R"(<invoke name="pleinEcran" returntype="xml"><arguments><true/></arguments></invoke>)");

// A main window on settings past the first use, shown and active, with the
// slides driven by calling their ticks.
class TAmbienteJogos : public ::testing::Test {
protected:
    TServicosTeste teste;
    TFabricaPlayerFalsa* fabrica = teste.fabricaPlayer;
    std::unique_ptr<TPrincipal> principal;

    void SetUp() override { montar(); }
    void montar();
    void concluirTransicoes();
    // A click on the home tile (0 Velmora, 1 Kraddle, 2 Gumbrel, 3 Lurrow), slide included.
    void clicarTile(int indice);
    // The same, then the newest player reports its movie running.
    TFlashPlayerFalso* abrirPronto(int indice);
    void voltar(TframeJogo* tela);
    void gravar(const QString& chave, int valor);
    // Language lines that take precedence over the loaded table.
    void textos(const QStringList& linhas);
    // The four lists' items and the close questions.
    void textosDasListas();
};
