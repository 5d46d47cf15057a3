#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

// What every fuzz target shares: the input as bytes, and a folder of its own
// for targets that read their input from a file.
namespace EntradaFuzz {

inline QByteArray bytes(const uint8_t* dados, size_t tamanho) {
    return QByteArray(reinterpret_cast<const char*>(dados), static_cast<qsizetype>(tamanho));
}

// A file path in a temporary folder that lives as long as the fuzz run.
QString caminhoArquivo(const QString& nome);

// Writes `conteudo` to `caminho`, replacing the file; aborts when it cannot.
void escrever(const QString& caminho, const QByteArray& conteudo);

// Ends the run with a crash that the fuzzer reports, naming what was lost.
[[noreturn]] void falhar(const char* motivo);

} // namespace EntradaFuzz
