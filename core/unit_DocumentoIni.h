#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

// The bytes of a profile (INI) file and what they say, read the way the Windows
// profile reader reads them: UTF-16 after its byte-order mark (either byte
// order); UTF-8 after its mark, or without one when every byte is valid UTF-8;
// otherwise the Windows-1252 code page. A change keeps every byte it does not
// touch: the other lines keep their bytes and their own line ends, and new text
// is written in the file's own encoding.
class TDocumentoIni {
public:
    enum class TCodificacao { Utf8, Utf8ComMarca, Utf16LE, Utf16BE, Windows1252 };

    // A value is read up to this many characters.
    static constexpr int tamanhoMaximoValor = 2047;

    explicit TDocumentoIni(QByteArray bytes = {});

    TCodificacao codificacao() const { return codificacao_; }
    const QByteArray& bytes() const { return bytes_; }

    // The trimmed text after the "=" of the key's line, at most 2047 characters,
    // or nothing when the key is absent. Only the first section of a name counts;
    // names compare without regard to letter case.
    std::optional<QString> valor(const QString& secao, const QString& chave) const;

    // The file with the key's line replaced by "chave=valor", or that line added
    // after the section's last non-blank line, or the section added at the end.
    // Raises EArquivo saying why when the file cannot be changed without harm.
    QByteArray comValor(const QString& secao, const QString& chave, const QString& valor) const;

private:
    // A line's bytes: its text, then its line end (none for a last line without one).
    struct TLinha {
        qsizetype inicio = -1;
        qsizetype tamanho = 0;
        qsizetype tamanhoFim = 0;
    };
    // A section or key name: the hash of its case-folded text, and its line.
    struct TNome {
        size_t hash;
        TLinha linha;
    };
    struct TSecao {
        TNome nome;
        qsizetype primeiraChave; // its keys are chaves_[primeiraChave, fimChaves)
        qsizetype fimChaves;
        TLinha ultima; // its last non-blank line
    };
    // The first section of a name (-1 for none) and the key's first line in it.
    struct TLocal {
        int secao = -1;
        TLinha linha;
    };

    void lerMarca();
    char16_t unidade(qsizetype posicao) const;
    TLinha linhaEm(qsizetype inicio) const;
    QStringView decodificar(const TLinha& linha, QChar* destino, bool& fiel) const;
    bool indexar();
    void indexarLinha(const TLinha& linha, QStringView texto);
    TLocal localizar(const QString& secao, const QString& chave) const;
    bool nomeNaLinha(const TLinha& linha, const QString& procurado, bool ehSecao) const;
    QByteArray codificar(const QString& texto) const;
    QByteArray inserirApos(const TLinha& linha, const QByteArray& bloco) const;

    QByteArray bytes_;
    TCodificacao codificacao_ = TCodificacao::Utf8;
    qsizetype inicioTexto_ = 0;
    qsizetype fimTexto_ = 0; // short of a last half UTF-16 character
    // Why the file must not be changed; empty when it may be.
    QString impedimento_;
    QByteArray fimPadrao_;
    TLinha ultimaLinha_;
    // Sections and keys in the order of the file, the names kept as hashes and
    // checked against their lines when looked up: a large file is indexed with
    // little work per line, and few of its names are ever looked up.
    QList<TSecao> secoes_;
    QList<TNome> chaves_;
    mutable QHash<std::pair<QString, QString>, TLocal> locais_;
    mutable QHash<qsizetype, QString> valores_; // line start -> its value
};
