#include "linkguard/unit_IndiceLista.h"

#include "linkguard/unit_PedacoObrigatorio.h"

#include <algorithm>

TIndiceLista::TIndiceLista(const std::vector<QString>& entradas) {
    std::vector<QString> pedacos;
    for (uint32_t entrada = 0; entrada < entradas.size(); ++entrada) {
        QString pedaco = pedacoObrigatorio(entradas[entrada]);
        if (pedaco.isEmpty()) {
            semPedaco_.push_back(entrada);
        } else {
            comPedaco_.push_back(entrada);
            pedacos.push_back(std::move(pedaco));
        }
    }
    std::vector<std::u16string_view> vistas;
    vistas.reserve(pedacos.size());
    for (const QString& pedaco : pedacos)
        vistas.emplace_back(QStringView(pedaco).utf16(), size_t(pedaco.size()));
    pedacos_ = TAutomatoPedacos(vistas);
}

std::vector<uint32_t> TIndiceLista::candidatas(QStringView endereco) const {
    std::vector<uint32_t> candidatas = semPedaco_;
    for (const uint32_t pedaco : pedacos_.presentes(endereco))
        candidatas.push_back(comPedaco_[pedaco]);
    if (candidatas.size() > semPedaco_.size())
        std::sort(candidatas.begin(), candidatas.end());
    return candidatas;
}
