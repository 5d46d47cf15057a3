#pragma once

#include <QString>
#include <chrono>

// The lock around a read-modify-write of a file that several processes may
// change: an exclusive flock(2) on the file `<file>.lock` beside it (made
// empty when missing, never removed). Every copy of the program takes it, and
// another program that changes the file takes the same lock, e.g.
// `flock "config.ini.lock" <command>`; so no change is written over one made
// while it read. The lock goes with the process that holds it.
class TTravaArquivo {
public:
    explicit TTravaArquivo(const QString& caminhoArquivo);
    ~TTravaArquivo();
    TTravaArquivo(const TTravaArquivo&) = delete;
    TTravaArquivo& operator=(const TTravaArquivo&) = delete;

    // Waits at most `espera` for the lock; false, with `motivo()` saying
    // why, when it is not taken (held elsewhere all that time, or the lock
    // file cannot be opened).
    bool tomar(std::chrono::milliseconds espera);
    const QString& motivo() const { return motivo_; }

private:
    bool esperarNaFila(std::chrono::milliseconds espera);
    bool falhar(QString motivo);

    QString caminho_;
    int descritor_ = -1;
    QString motivo_;
};
