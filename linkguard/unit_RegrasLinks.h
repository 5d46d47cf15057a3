#pragma once

#include "linkguard/unit_Orcamento.h"
#include "linkguard/unit_Padrao.h"

#include <QString>
#include <QStringList>
#include <vector>

// The local rules that judge a copied or reached web address: the page title,
// keywords in the address and the downloaded list of bad sites. Their pattern
// searches are paid from a budget, so that no list and no address can hold
// the UI thread; what a budget cuts short is reported on standard error.
class TRegrasLinks {
public:
    // `indeciso`: the budget ran out before every rule could tell, and none
    // found the address bad in what it could try.
    enum class TVeredito { nenhum, titulo, palavrasChave, siteRuim, indeciso };

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

    // Takes a new bad-site list, one entry per line, and compiles its entries.
    // An entry that does not compile is left out. Safe on any thread.
    void definirLista(const QStringList& lista);
    const QStringList& lista() const { return lista_; }

    // Judges `url` (which begins with "http://"), reached on a page titled
    // `titulo` (empty when unknown), paying its searches from `orcamento`.
    TVeredito julgar(const QString& url, const QString& titulo, TOrcamento& orcamento) const;

private:
    struct TBuscaLista {
        bool casou;
        qsizetype indecisas;
    };

    static bool tituloRuim(const QString& titulo);
    TBuscaLista buscarNaLista(const TTextoBusca& url, TOrcamento& orcamento) const;

    QStringList lista_;
    std::vector<TPadrao> padroesLista_;
};
