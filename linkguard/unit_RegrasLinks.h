#pragma once

#include "linkguard/unit_IndiceLista.h"
#include "linkguard/unit_Orcamento.h"
#include "linkguard/unit_Padrao.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The local rules that judge a copied or reached web address: the page title,
// keywords in the address and the downloaded list of bad sites. Their pattern
// searches are paid from a budget, so that no list and no address can hold
// the UI thread; what a budget cuts short is reported on standard error. Of
// the list, only the entries its index leaves possible for an address are
// searched.
class TRegrasLinks {
public:
    // `indeciso`: the budget ran out before every rule could tell, and none
    // found the address bad in what it could try.
    enum class TVeredito { nenhum, titulo, palavrasChave, siteRuim, indeciso };

    // What the bad-site list tells of an address: the line in `lista()` of
    // the entry that matched, or how many entries the budget left undecided.
    struct TBuscaLista {
        std::optional<qsizetype> linha;
        qsizetype indecisas = 0;
    };
    // `indexada` tries only the entries the index leaves possible;
    // `literal` tries every entry, as the rule is written: the reference
    // the index is measured and checked against. Both give the same answer
    // whenever the literal search decides within its budget.
    enum class TModoLista { indexada, literal };

    static const QString prefixoEsquema;
    // Put in front of every bad-site entry: the entry may follow a scheme and "www.".
    static const QString prefixoSiteRuim;

    // The copied text without blanks and control characters at its ends, then
    // without no-break spaces at its ends.
    static QString aparar(const QString& texto);
    // The first web address in `texto`; empty when there is none or when the
    // budget ran out before the search could tell.
    static QString buscarEndereco(const QString& texto, TOrcamento& orcamento);
    // `url` with "http://" in front, unless it already begins with it.
    static QString comPrefixo(const QString& url);

    // Takes a new bad-site list, one entry per line, compiles its entries and
    // indexes them. An entry that does not compile is left out. Safe on any
    // thread.
    void definirLista(const QStringList& lista);
    const QStringList& lista() const { return lista_; }

    // Judges `url` (which begins with "http://"), reached on a page titled
    // `titulo` (empty when unknown), paying its searches from `orcamento`.
    TVeredito julgar(const QString& url, const QString& titulo, TOrcamento& orcamento) const;
    // The bad-site verdict alone: the entries searched in list order, the
    // first match deciding.
    TBuscaLista buscarNaLista(const TTextoBusca& url, TOrcamento& orcamento,
                              TModoLista modo = TModoLista::indexada) const;

private:
    static bool tituloRuim(const QString& titulo);
    std::vector<uint32_t> todasAsEntradas() const;

    QStringList lista_;
    // The entries that compiled, the line of each in `lista_`, and the index over them.
    std::vector<TPadrao> padroesLista_;
    std::vector<qsizetype> linhasLista_;
    TIndiceLista indice_;
};
