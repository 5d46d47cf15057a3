#include "bench/unit_ArvoreProcessos.h"

#include <QDir>
#include <QFile>
#include <unistd.h>

namespace ArvoreProcessos {

namespace {

// The fields of /proc/<pid>/stat after the command name (which may hold
// blanks, inside parentheses): state is field 0, the parent's id field 1.
QList<QByteArray> campos(qint64 pid) {
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray stat = f.readAll();
    return stat.mid(stat.lastIndexOf(')') + 2).split(' ');
}

// A field in kB of a /proc file, in MB.
double campoMb(const QString& arquivo, const QByteArray& campo) {
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& linha : f.readAll().split('\n'))
        if (linha.startsWith(campo))
            return linha.mid(campo.size()).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

} // namespace

QList<qint64> arvore(qint64 raiz) {
    QList<std::pair<qint64, qint64>> pais; // pid, parent
    for (const QString& nome :
         QDir(QStringLiteral("/proc")).entryList({QStringLiteral("[0-9]*")}, QDir::Dirs))
        pais.append({nome.toLongLong(), campos(nome.toLongLong()).value(1).toLongLong()});
    QList<qint64> processos = {raiz};
    for (bool cresceu = true; cresceu;) {
        cresceu = false;
        for (const auto& [pid, pai] : pais)
            if (!processos.contains(pid) && processos.contains(pai)) {
                processos.append(pid);
                cresceu = true;
            }
    }
    return processos;
}

double cpuSegundos(const QList<qint64>& processos) {
    static const double tiquesPorSegundo = static_cast<double>(sysconf(_SC_CLK_TCK));
    double tiques = 0;
    for (qint64 pid : processos) {
        const QList<QByteArray> stat = campos(pid);
        // utime and stime are fields 14 and 15 of the whole line: 11 and 12 here.
        tiques += stat.value(11).toDouble() + stat.value(12).toDouble();
    }
    return tiques / tiquesPorSegundo;
}

TMemoria memoria(const QList<qint64>& processos) {
    TMemoria total;
    for (qint64 pid : processos) {
        total.residenteMb += campoMb(QStringLiteral("/proc/%1/status").arg(pid), "VmRSS:");
        total.proporcionalMb += campoMb(QStringLiteral("/proc/%1/smaps_rollup").arg(pid), "Pss:");
    }
    return total;
}

} // namespace ArvoreProcessos
