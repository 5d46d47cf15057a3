#pragma once

#include <QString>

// The settings file: an INI file whose values are read from disk at every
// read and written to disk at every write. It keeps no copy of the values.
// Section and key names compare without regard to letter case.
class TArquivoConfig {
public:
    explicit TArquivoConfig(QString caminho);

    const QString& caminho() const { return caminho_; }

    // At most 2047 characters of the stored text, or `padrao` when the key is absent.
    QString ReadString(const QString& secao, const QString& chave, const QString& padrao) const;
    // "0x…" (longer than two characters) and "$…" read as hexadecimal, anything else as
    // decimal; `padrao` when absent, empty or not a whole number.
    int ReadInteger(const QString& secao, const QString& chave, int padrao) const;
    // An integer read with default 1 or 0; true when not 0.
    bool ReadBool(const QString& secao, const QString& chave, bool padrao) const;

    // Each write replaces the file atomically and raises EArquivo naming the file when refused.
    void WriteString(const QString& secao, const QString& chave, const QString& valor);
    void WriteInteger(const QString& secao, const QString& chave, int valor);
    void WriteBool(const QString& secao, const QString& chave, bool valor);
    // Every write already reached the disk; this is where a caller says so.
    void UpdateFile();

private:
    QString caminho_;
};
