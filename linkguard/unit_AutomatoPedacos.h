#pragma once

#include <QStringView>
#include <cstdint>
#include <string_view>
#include <vector>

// Finds which of a fixed set of pieces of text occur in a text, in one pass
// over it whatever the number of pieces (an Aho-Corasick automaton over
// UTF-16 code units). Built once; searching is safe on any thread.
class TAutomatoPedacos {
public:
    TAutomatoPedacos() = default;
    // `pedacos` are not empty; the same piece may come more than once. Each
    // is known by its position; the automaton keeps no reference to them.
    explicit TAutomatoPedacos(const std::vector<std::u16string_view>& pedacos);

    // The positions of the pieces that occur in `texto`, each once, grouped
    // by piece. Time grows with the text and the pieces found, never with
    // the pieces there are.
    std::vector<uint32_t> presentes(QStringView texto) const;

private:
    static constexpr uint32_t nenhum = UINT32_MAX;

    // Trie nodes in breadth-first order: the children of node n are the
    // nodes from inicioFilhos_[n] to inicioFilhos_[n + 1], sorted by the
    // code unit that leads to each (letra_); node 0 is the root.
    struct TNo {
        uint32_t falha; // the node of the longest proper suffix in the trie
        uint32_t saida; // the nearest node along the suffixes where pieces end
        uint32_t fim;   // the number of the piece ending here, or nenhum
    };

    void construirTrie(const std::vector<std::u16string_view>& pedacosDados);
    void ligarFalhas();
    uint32_t filho(uint32_t no, char16_t unidade) const;
    uint32_t avancar(uint32_t no, char16_t unidade) const;

    std::vector<TNo> nos_;
    std::vector<uint32_t> inicioFilhos_;
    std::vector<char16_t> letra_;
    // The children of the root by code unit, for the ASCII range every
    // address is written in.
    std::vector<uint32_t> raizAscii_;
    // The positions given for the distinct piece f: posicoes_ from
    // inicioPosicoes_[f] to inicioPosicoes_[f + 1].
    std::vector<uint32_t> inicioPosicoes_;
    std::vector<uint32_t> posicoes_;
};
