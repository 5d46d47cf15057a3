#include "linkguard/unit_Ipv4Navegador.h"

#include <QList>

namespace {

constexpr uint64_t alemDoMaximo = uint64_t(1) << 32;

QList<QStringView> separar(QStringView host) {
    if (host.endsWith(u'.'))
        host.chop(1);
    return host.split(u'.');
}

// Stops counting once past 32 bits, so that no run of digits overflows.
std::optional<uint64_t> lerParte(QStringView parte) {
    int base = 10;
    if (parte.startsWith(u"0x", Qt::CaseInsensitive)) {
        base = 16;
        parte = parte.mid(2);
    } else if (parte.size() > 1 && parte.startsWith(u'0')) {
        base = 8;
        parte = parte.mid(1);
    } else if (parte.isEmpty()) {
        return std::nullopt;
    }
    uint64_t valor = 0;
    for (const QChar c : parte) {
        const int digito = c.isDigit() && c.unicode() < 128 ? c.unicode() - '0'
                           : base == 16 && c.isLetter() && c.unicode() < 128
                               ? QChar::toLower(c.unicode()) - 'a' + 10
                               : 99;
        if (digito >= base)
            return std::nullopt;
        valor = std::min(valor * uint64_t(base) + uint64_t(digito), alemDoMaximo);
    }
    return valor;
}

} // namespace

namespace Ipv4Navegador {

std::optional<uint32_t> ler(QStringView host) {
    const QList<QStringView> partesHost = separar(host);
    if (host.isEmpty() || partesHost.size() > 4)
        return std::nullopt;
    uint64_t endereco = 0;
    for (qsizetype i = 0; i < partesHost.size(); ++i) {
        const std::optional<uint64_t> valor = lerParte(partesHost[i]);
        if (!valor)
            return std::nullopt;
        const bool ultima = i == partesHost.size() - 1;
        const uint64_t limite = ultima ? uint64_t(1) << (8 * (5 - partesHost.size())) : 256;
        if (*valor >= limite)
            return std::nullopt;
        endereco = ultima ? endereco + *valor : endereco + (*valor << (8 * (3 - i)));
    }
    return uint32_t(endereco);
}

qsizetype partes(QStringView host) {
    return separar(host).size();
}

QString texto(uint32_t endereco) {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(endereco >> 24)
        .arg((endereco >> 16) & 0xFF)
        .arg((endereco >> 8) & 0xFF)
        .arg(endereco & 0xFF);
}

} // namespace Ipv4Navegador
