#include "linkguard/unit_AutomatoPedacos.h"

#include <algorithm>
#include <numeric>

TAutomatoPedacos::TAutomatoPedacos(const std::vector<std::u16string_view>& pedacos) {
    construirTrie(pedacos);
    raizAscii_.assign(0x80, nenhum);
    for (uint32_t no = inicioFilhos_[0]; no < inicioFilhos_[1] && letra_[no] < 0x80; ++no)
        raizAscii_[letra_[no]] = no;
    ligarFalhas();
}

namespace {

// Pieces side by side in one block, so that sorting and reading them stays
// within close memory.
class TPedacosJuntos {
public:
    // The pieces in the order `ordem` gives.
    TPedacosJuntos(const std::vector<std::u16string_view>& pedacos, const std::vector<uint32_t>& ordem) {
        size_t unidades = 0;
        for (const std::u16string_view pedaco : pedacos)
            unidades += pedaco.size();
        juntos_.reserve(unidades);
        inicios_.reserve(pedacos.size() + 1);
        for (const uint32_t i : ordem) {
            inicios_.push_back(uint32_t(juntos_.size()));
            juntos_ += pedacos[i];
        }
        inicios_.push_back(uint32_t(juntos_.size()));
    }
    std::u16string_view operator[](uint32_t i) const {
        return std::u16string_view(juntos_).substr(inicios_[i], inicios_[i + 1] - inicios_[i]);
    }
    size_t unidades() const { return juntos_.size(); }

private:
    std::u16string juntos_;
    std::vector<uint32_t> inicios_;
};

} // namespace

// The pieces in code-unit order: the pieces under a node are a range of
// them, and its children split that range by the code unit that follows.
void TAutomatoPedacos::construirTrie(const std::vector<std::u16string_view>& pedacosDados) {
    std::vector<uint32_t> ordem(pedacosDados.size());
    std::iota(ordem.begin(), ordem.end(), 0);
    {
        const TPedacosJuntos dados(pedacosDados, ordem);
        std::sort(ordem.begin(), ordem.end(), [&](uint32_t a, uint32_t b) {
            const int comparacao = dados[a].compare(dados[b]);
            return comparacao < 0 || (comparacao == 0 && a < b);
        });
    }
    const TPedacosJuntos pedacos(pedacosDados, ordem);
    struct TFaixa {
        uint32_t inicio;
        uint32_t fim;
        uint32_t profundidade;
    };
    std::vector<TFaixa> faixas;
    faixas.reserve(pedacos.unidades() + 1);
    nos_.reserve(pedacos.unidades() + 1);
    letra_.reserve(pedacos.unidades() + 1);
    inicioFilhos_.reserve(pedacos.unidades() + 2);
    posicoes_.reserve(ordem.size());
    faixas.push_back({0, uint32_t(ordem.size()), 0});
    nos_.push_back({0, nenhum, nenhum});
    letra_.push_back(0);
    inicioPosicoes_.push_back(0);
    for (uint32_t no = 0; no < nos_.size(); ++no) {
        auto [inicio, fim, profundidade] = faixas[no];
        inicioFilhos_.push_back(uint32_t(nos_.size()));
        // The pieces that end here sort first.
        if (inicio < fim && pedacos[inicio].size() == profundidade) {
            nos_[no].fim = uint32_t(inicioPosicoes_.size() - 1);
            while (inicio < fim && pedacos[inicio].size() == profundidade)
                posicoes_.push_back(ordem[inicio++]);
            inicioPosicoes_.push_back(uint32_t(posicoes_.size()));
        }
        while (inicio < fim) {
            const char16_t unidade = pedacos[inicio][profundidade];
            uint32_t fimFilho = inicio + 1;
            while (fimFilho < fim && pedacos[fimFilho][profundidade] == unidade)
                ++fimFilho;
            nos_.push_back({0, nenhum, nenhum});
            letra_.push_back(unidade);
            faixas.push_back({inicio, fimFilho, profundidade + 1});
            inicio = fimFilho;
        }
    }
    inicioFilhos_.push_back(uint32_t(nos_.size()));
    // Room was made for one node per code unit; pieces that share their
    // beginnings need far fewer.
    nos_.shrink_to_fit();
    letra_.shrink_to_fit();
    inicioFilhos_.shrink_to_fit();
}

// Breadth first, so that the links of every shorter node are known.
void TAutomatoPedacos::ligarFalhas() {
    for (uint32_t no = 0; no < nos_.size(); ++no) {
        for (uint32_t filhoNo = inicioFilhos_[no]; filhoNo < inicioFilhos_[no + 1]; ++filhoNo) {
            const uint32_t falha = no == 0 ? 0 : avancar(nos_[no].falha, letra_[filhoNo]);
            nos_[filhoNo].falha = falha;
            nos_[filhoNo].saida = nos_[falha].fim != nenhum ? falha : nos_[falha].saida;
        }
    }
}

uint32_t TAutomatoPedacos::filho(uint32_t no, char16_t unidade) const {
    if (no == 0 && unidade < 0x80)
        return raizAscii_[unidade];
    const auto inicio = letra_.begin() + inicioFilhos_[no];
    const auto fim = letra_.begin() + inicioFilhos_[no + 1];
    const auto achado = std::lower_bound(inicio, fim, unidade);
    return achado != fim && *achado == unidade ? uint32_t(achado - letra_.begin()) : nenhum;
}

// The node of the longest suffix of what was read, with `unidade` after it.
uint32_t TAutomatoPedacos::avancar(uint32_t no, char16_t unidade) const {
    for (;;) {
        const uint32_t proximo = filho(no, unidade);
        if (proximo != nenhum)
            return proximo;
        if (no == 0)
            return 0;
        no = nos_[no].falha;
    }
}

std::vector<uint32_t> TAutomatoPedacos::presentes(QStringView texto) const {
    std::vector<uint32_t> achados;
    if (posicoes_.empty())
        return achados;
    std::vector<uint64_t> vistos((inicioPosicoes_.size() + 63) / 64);
    uint32_t no = 0;
    for (const QChar c : texto) {
        no = avancar(no, c.unicode());
        // A piece seen before had every piece along its suffixes seen with it.
        for (uint32_t onde = nos_[no].fim != nenhum ? no : nos_[no].saida; onde != nenhum;
             onde = nos_[onde].saida) {
            const uint32_t pedaco = nos_[onde].fim;
            uint64_t& palavra = vistos[pedaco / 64];
            const uint64_t bit = uint64_t(1) << (pedaco % 64);
            if (palavra & bit)
                break;
            palavra |= bit;
            achados.insert(achados.end(), posicoes_.begin() + inicioPosicoes_[pedaco],
                           posicoes_.begin() + inicioPosicoes_[pedaco + 1]);
        }
    }
    return achados;
}
