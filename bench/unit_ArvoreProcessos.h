#pragma once

#include <QList>

// A process and every process descending from it (a program with its
// browser's processes), read from /proc.
namespace ArvoreProcessos {

struct TMemoria {
    double residenteMb = 0;    // resident set, summed over the processes
    double proporcionalMb = 0; // shared pages split between the processes that share them
};

// The process and its descendants alive now.
QList<qint64> arvore(qint64 raiz);
// Processor time (user and system) the processes have used so far, in seconds.
double cpuSegundos(const QList<qint64>& processos);
TMemoria memoria(const QList<qint64>& processos);

} // namespace ArvoreProcessos
