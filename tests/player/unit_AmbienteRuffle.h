#pragma once

#include "player/unit_FlashPlayerRuffle.h"
#include "tests/support/unit_ServidorLocal.h"

#include <QMap>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

// Helpers of the tests that run the SWF engine.
namespace MotorTeste {
// Whether the engine is installed; readies the browser for tests (no sandbox).
bool preparar();
// A test movie of tests/data/swf; empty when there is none.
QByteArray lerFilme(const QByteArray& nome);
// Serves the test movies at /swf/<name>.
void servirFilmes(TServidorLocal& servidor);
// The tests' browser profile, in memory, shared by their players.
QWebEngineProfile* perfil();
// Runs the event loop until the condition holds (or a generous cap passes).
bool esperar(const std::function<bool()>& condicao);
// Gives the keyboard focus to the player and waits until the browser has it.
bool focar(TFlashPlayer* player);
// Runs a script in the player's page and waits for its result.
QVariant executar(TFlashPlayer* player, const QString& script);
// A press and release of a key where the keyboard focus is.
void teclar(Qt::Key tecla, Qt::KeyboardModifiers modificadores = Qt::NoModifier);
} // namespace MotorTeste

// The engine's players without its module, the engine being linked in.
// Every game's players share one profile in memory, as the tests' own players do.
class TFabricaRuffle : public TFabricaPlayer {
public:
    TFlashPlayer* criar(QWidget* pai, const QString& jogo) override;
    TMedidorDados medidorDados() const override {
        return [](const QString&, qint64) { return 0; };
    }
    bool limparDados(const QString&) override { return true; }
};

// Players on the SWF engine in a shown window, with the test movies served at
// /swf/<name> by a local server. Every player made here records its calls,
// ready states and traces, and answers each call from `respostas` (no entry,
// no reply). Skipped where the engine is not installed.
class TAmbienteRuffle : public ::testing::Test {
protected:
    void SetUp() override;

    TFlashPlayerRuffle* criarPlayer();
    QString urlFilme(const QByteArray& nome) const { return servidor.url("/swf/" + nome); }
    bool esperarRastro(const QString& linha);
    bool esperarEstados(int quantos4);

    TServidorLocal servidor;
    QWidget janela;
    QStringList pedidos;
    QStringList rastros;
    QList<int> estados;
    QMap<QString, QString> respostas;
};
