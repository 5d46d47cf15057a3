#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <limits>
#include <optional>

class TOrcamento;

struct pcre2_real_code_16;

// Where a match lies in the searched text, in UTF-16 code units.
struct TTrecho {
    qsizetype inicio;
    qsizetype tamanho;
};

// How a search ended: with the match, without one, or interrupted because its
// budget ran out before it could tell.
struct TResultadoBusca {
    std::optional<TTrecho> trecho;
    bool interrompida = false;
};

// A text made ready to be searched by many patterns: a half of a surrogate
// pair standing alone is no character and is read as U+FFFD, which keeps
// every offset in place. Refers to `texto` when it needs no change, so
// `texto` must outlive it.
class TTextoBusca {
public:
    explicit TTextoBusca(QStringView texto);
    QStringView texto() const { return corrigido_.isNull() ? original_ : QStringView(corrigido_); }

private:
    QStringView original_;
    QString corrigido_;
};

// One Perl-compatible regular expression, compiled once. Case-sensitive, no
// options; "." is one Unicode character and "\b" a boundary between ASCII word
// and non-word characters. A pattern that does not compile keeps its error and
// raises it (EPadrao) each time it is used.
class TPadrao {
public:
    explicit TPadrao(const QString& padrao);
    TPadrao(TPadrao&& outro) noexcept;
    TPadrao& operator=(TPadrao&& outro) noexcept;
    TPadrao(const TPadrao&) = delete;
    TPadrao& operator=(const TPadrao&) = delete;
    ~TPadrao();

    bool compilado() const { return codigo_ != nullptr; }
    // Why the pattern does not compile; empty when it does.
    const QString& motivoErro() const { return motivoErro_; }

    // The leftmost non-empty match in `texto`, paid from `orcamento` and
    // taking at most `teto` of its steps. A search that runs into the
    // pattern's own limit on backtracking (a runaway pattern) counts as no
    // match.
    TResultadoBusca buscar(const TTextoBusca& texto, TOrcamento& orcamento,
                           uint64_t teto = std::numeric_limits<uint64_t>::max()) const;
    TResultadoBusca buscar(QStringView texto, TOrcamento& orcamento,
                           uint64_t teto = std::numeric_limits<uint64_t>::max()) const {
        return buscar(TTextoBusca(texto), orcamento, teto);
    }

private:
    pcre2_real_code_16* codigo_ = nullptr;
    QString motivoErro_;
    qsizetype posicaoErro_ = 0;
};
