#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Reading the documents fetched at start-up: the definitions document (name=value lines) and the bad-site
// list.
class TDefinicoes {
public:
    // The lines of a UTF-8 text: a byte-order mark at the very start is
    // skipped; CR LF, LF and CR end a line; a break at the very end adds no
    // empty line. Nothing is trimmed.
    static QStringList linhas(const QByteArray& dados);

    // The value of `nome` in name=value lines: the name is everything before
    // the first "=", compared without regard to letter case; the first line
    // that defines it counts; empty when none does. Nothing is trimmed.
    static QString valor(const QStringList& linhas, const QString& nome);
};
