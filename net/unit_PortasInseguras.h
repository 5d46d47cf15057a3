#pragma once

#include <cstdint>

// The ports browsers refuse to fetch from: well-known ports of protocols
// other than HTTP (mail, file sharing, remote login, X11, chat...), which a
// request sent there could drive with lines of its own.
namespace PortasInseguras {
bool contem(std::uint16_t porta);
} // namespace PortasInseguras
