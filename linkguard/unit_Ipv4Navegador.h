#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

// A host written as an IPv4 address in any form a browser accepts: one to
// four parts separated by dots (a final dot allowed), each decimal, octal
// (a leading 0) or hexadecimal (a leading 0x or 0X); the last part fills the
// bytes the others leave.
namespace Ipv4Navegador {
// The address; none when the host is not such a number, or is out of range.
std::optional<uint32_t> ler(QStringView host);
// How many parts `host` is written in (a final dot not counted).
qsizetype partes(QStringView host);
// The dotted decimal form, "192.0.2.1".
QString texto(uint32_t endereco);
} // namespace Ipv4Navegador
