#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <deque>

// The addresses the verifiers have reached, in order of arrival, duplicates
// kept, looked up by their whole text without regard to letter case. It is
// bounded: past `entradasMaximas` entries or `bytesMaximos` of text, the
// oldest entries go first. A lookup costs the same however full it is.
class TListaURLsTestadas {
public:
    static constexpr qsizetype entradasMaximas = 10'000;
    // Of text as held in memory, two bytes per UTF-16 unit.
    static constexpr qsizetype bytesMaximos = 1024 * 1024;

    void acrescentar(const QString& url);
    // Whether an entry has the text of `url`, letter case aside.
    bool contem(const QString& url) const;
    void limpar();
    qsizetype tamanho() const { return static_cast<qsizetype>(entradas_.size()); }
    qsizetype bytes() const { return bytes_; }
    // The entries, oldest first.
    QStringList entradas() const;

private:
    void tirarMaisAntiga();

    std::deque<QString> entradas_;
    // Entries by their case-folded text, each with the number of times it is there.
    QHash<QString, int> vezes_;
    qsizetype bytes_ = 0;
};
