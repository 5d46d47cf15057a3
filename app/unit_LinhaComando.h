#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The program's command line: --version and --help print and end the
// program; --game NAME opens a game once the program has started. Qt's own
// options (-platform, -style...) are Qt's: the application object takes them
// out, and only what is left must be the program's.
class TLinhaComando {
public:
    enum class TAcao { iniciar, versao, ajuda, erro };

    // Reads the arguments that follow the program's name. --help and
    // --version count wherever they stand, before anything is checked.
    static TLinhaComando ler(const QStringList& argumentos);
    // The same line, where an argument the program does not know is an error
    // (once Qt has taken its own options out).
    TLinhaComando semDesconhecidos() const;

    TAcao acao = TAcao::iniciar;
    // The home tile of the game asked for: 0 Velmora, 1 Kraddle, 2 Gumbrel, 3 Lurrow.
    std::optional<int> jogo;
    // What was wrong with the line, for TAcao::erro.
    QString erro;
    // The arguments the program does not know, in order.
    QStringList desconhecidos;

    // What the program prints for --version, and for --help.
    static QString textoVersao();
    static QString textoAjuda();
    // Prints what the action asks for (the error on standard error) and
    // gives the program's exit code: 0, or 2 for a line it cannot read.
    int responder() const;
};
