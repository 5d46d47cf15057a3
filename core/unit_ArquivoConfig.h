#pragma once

#include "core/unit_EstadoArquivo.h"

#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class EArquivo;
class TDocumentoIni;

// The settings file, a profile (INI) file. Every read sees the file as it is on
// disk at that moment: the parsed file is used again only while the file system
// reports it unchanged. Every write changes the file on disk at once, in its own
// encoding, and keeps each byte it does not change (TDocumentoIni). Section and
// key names compare without regard to letter case.
class TArquivoConfig {
public:
    // A larger file reads as absent and is never written over. The program's own
    // file holds a few hundred bytes; this is thousands of times that, and any
    // file up to this size, even one of the shortest lines, is read and parsed in
    // 20 to 35 ms of processor time (bench/bench_ArquivoConfig.cpp), within
    // the 50 ms the UI thread may be held.
    static constexpr qint64 tamanhoMaximo = 1024 * 1024;
    // How long a write waits for the file's lock (TTravaArquivo) while another
    // copy of the program writes: a write holds it for a few milliseconds.
    // Past this the write is refused rather than the program held.
    static inline std::chrono::milliseconds esperaTrava{1000};

    explicit TArquivoConfig(QString caminho);
    ~TArquivoConfig();

    const QString& caminho() const { return caminho_; }

    // At most 2047 characters of the stored text, or `padrao` when the key is absent.
    QString ReadString(const QString& secao, const QString& chave, const QString& padrao) const;
    // "0x…" (longer than two characters) and "$…" read as hexadecimal, anything else as
    // decimal; `padrao` when absent, empty or not a whole number.
    int ReadInteger(const QString& secao, const QString& chave, int padrao) const;
    // An integer read with default 1 or 0; true when not 0.
    bool ReadBool(const QString& secao, const QString& chave, bool padrao) const;

    // Each write replaces the file atomically, under the file's lock, and raises
    // EArquivo naming the file when refused: by the file system, because the
    // lock could not be taken in time, or because the file could not be read
    // faithfully (unreadable, too large, not text), which is then left as it is.
    void WriteString(const QString& secao, const QString& chave, const QString& valor);
    void WriteInteger(const QString& secao, const QString& chave, int valor);
    void WriteBool(const QString& secao, const QString& chave, bool valor);
    // Every write already reached the disk; this is where a caller says so.
    void UpdateFile();

    // Receives the error of every refused write, just before it is raised.
    void aoRecusarEscrita(std::function<void(const EArquivo&)> aviso);

private:
    // The file as it stands: absent (no document and no reason), unreadable (the
    // reason), or its document.
    struct TLeitura {
        std::shared_ptr<const TDocumentoIni> documento;
        QString ilegivel;
    };
    TLeitura ler() const;
    TLeitura lerConteudo(const TEstadoArquivo& estado, qint64 agora) const;
    std::optional<QString> valorGuardado(const QString& secao, const QString& chave) const;
    void gravar(const QByteArray& conteudo);
    [[noreturn]] void recusar(const QString& motivo) const;

    QString caminho_;
    std::function<void(const EArquivo&)> avisoRecusa_;
    // The file last read and its state then; `lidoConfirmado_` once that state
    // is known to change with any later change of the file.
    mutable std::shared_ptr<const TDocumentoIni> lido_;
    mutable TEstadoArquivo estadoLido_;
    mutable bool lidoConfirmado_ = false;
};
