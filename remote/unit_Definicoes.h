#pragma once

#include <QString>
#include <QStringList>

// Reading the definitions document fetched at start-up (name=value lines).
class TDefinicoes {
public:
    // The value of `nome` in name=value lines: the name is everything before
    // the first "=", compared without regard to letter case; the first line
    // that defines it counts; empty when none does. Nothing is trimmed.
    static QString valor(const QStringList& linhas, const QString& nome);
    // A value as a whole number: plain decimal digits with an optional sign in
    // front and nothing else, within the range of `int`; raises EConversao
    // otherwise.
    static int inteiro(const QString& valor);
};
