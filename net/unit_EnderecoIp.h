#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <sys/socket.h>

// An IPv4 or IPv6 address a connection is about to be made to (with its port,
// when it comes from a socket address), and whether it lies outside the
// user's own machine and networks.
class TEnderecoIp {
public:
    // From a socket address of family AF_INET or AF_INET6; none for other
    // families. An IPv4-mapped IPv6 address is taken as the IPv4 address it maps.
    static std::optional<TEnderecoIp> deSocket(const sockaddr* endereco, socklen_t tamanho);
    // From numeric text ("192.0.2.1", "2001:db8::1"); none when it is not one.
    static std::optional<TEnderecoIp> deTexto(const QString& texto);
    // Whether a host, as a browser writes it in a URL (IPv4 in dotted
    // decimal, IPv6 with or without brackets), names by itself this machine or
    // its networks: an address that is not public, "localhost" or a name
    // under it. A name that resolves there is not known from its text.
    static bool hostInterno(const QString& host);

    bool ehIpv4() const { return ipv4_; }
    // The numeric text of the address.
    QString texto() const;
    // The address and port, as "192.0.2.1:80" or "[2001:db8::1]:80".
    QString destino() const;
    // 0 when it does not come from a socket address.
    std::uint16_t porta() const { return porta_; }

    // Whether its kind keeps it inside a machine or a local network, or makes
    // it no single destination: loopback, private, shared (carrier-grade NAT),
    // link-local, unique-local, site-local, unspecified, multicast, reserved,
    // broadcast; also IPv6 forms that carry such an IPv4 address.
    bool ehReservado() const;
    // Whether it lies in the network `rede`/`bitsPrefixo` (same family).
    bool pertenceA(const TEnderecoIp& rede, int bitsPrefixo) const;
    // Neither reserved nor an address of this machine's interfaces or of the
    // networks they are on.
    bool ehPublico() const;

private:
    TEnderecoIp() = default;
    // The IPv4 address an IPv6 address carries by its form (compatible,
    // translated, 6to4), if any.
    std::optional<TEnderecoIp> ipv4Embutido() const;
    bool ehIpv4Reservado() const;
    bool ehIpv6Reservado() const;
    bool naRedeDestaMaquina() const;

    bool ipv4_ = false;
    std::uint16_t porta_ = 0;
    // Network order; an IPv4 address fills the first four bytes.
    std::array<std::uint8_t, 16> bytes_{};
};
