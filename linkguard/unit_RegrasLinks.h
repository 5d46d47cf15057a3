#pragma once

#include "linkguard/unit_Padrao.h"

#include <QString>
#include <QStringList>
#include <vector>

// The local rules that judge a copied or reached web address: the page title,
// keywords in the address and the downloaded list of bad sites.
class TRegrasLinks {
public:
    enum class TVeredito { nenhum, titulo, palavrasChave, siteRuim };

    static const QString prefixoEsquema;
    // Put in front of every bad-site entry: the entry may follow a scheme and "www.".
    static const QString prefixoSiteRuim;

    // The copied text without blanks and control characters at its ends, then
    // without no-break spaces at its ends.
    static QString aparar(const QString& texto);
    // The first web address in `texto`; empty when there is none.
    static QString buscarEndereco(const QString& texto);
    // `url` with "http://" in front, unless it already begins with it.
    static QString comPrefixo(const QString& url);

    // Takes a new bad-site list, one entry per line, and compiles its entries.
    // An entry that does not compile is left out. Safe on any thread.
    void definirLista(const QStringList& lista);
    const QStringList& lista() const { return lista_; }

    // Judges `url` (which begins with "http://"), reached on a page titled
    // `titulo` (empty when unknown).
    TVeredito julgar(const QString& url, const QString& titulo) const;

private:
    static bool tituloRuim(const QString& titulo);
    bool siteRuim(const QString& url) const;

    QStringList lista_;
    std::vector<TPadrao> padroesLista_;
};
