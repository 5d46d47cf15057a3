#pragma once

#include "linkguard/unit_AutomatoPedacos.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

// Which bad-site entries may match an address, told without searching for
// them. Every entry that can be analysed is filed under a piece of literal
// text that each of its matches holds (`pedacoObrigatorio`): an address
// without that piece cannot be matched by it. Entries that cannot be
// analysed may match any address.
class TIndiceLista {
public:
    TIndiceLista() = default;
    // `entradas` in list order; an entry is known by its position.
    explicit TIndiceLista(const std::vector<QString>& entradas);

    // The entries that may match `endereco`, in list order: those whose
    // piece occurs in it and those not analysed. `endereco` is the text as
    // the patterns search it.
    std::vector<uint32_t> candidatas(QStringView endereco) const;

private:
    TAutomatoPedacos pedacos_;
    // The entries filed under the automaton's pieces, by the piece's position.
    std::vector<uint32_t> comPedaco_;
    std::vector<uint32_t> semPedaco_;
};
