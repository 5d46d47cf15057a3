#include "net/unit_EnderecoIp.h"

#include <algorithm>
#include <arpa/inet.h>
#include <bit>
#include <cstring>
#include <ifaddrs.h>
#include <netinet/in.h>

namespace {

struct TRedeIpv4 {
    std::array<std::uint8_t, 4> inicio;
    int bits;
};

// IPv4 networks that lead to no public destination.
constexpr TRedeIpv4 reservadasIpv4[] = {
    {{0, 0, 0, 0}, 8},      // this network; the unspecified address
    {{10, 0, 0, 0}, 8},     // private
    {{100, 64, 0, 0}, 10},  // shared by carrier-grade NAT
    {{127, 0, 0, 0}, 8},    // loopback
    {{169, 254, 0, 0}, 16}, // link-local, cloud metadata services among them
    {{172, 16, 0, 0}, 12},  // private
    {{192, 0, 0, 0}, 24},   // protocol assignments, the home gateway of DS-Lite among them
    {{192, 168, 0, 0}, 16}, // private
    {{224, 0, 0, 0}, 4},    // multicast
    {{240, 0, 0, 0}, 4},    // reserved, the broadcast 255.255.255.255 among them
};

// Interface masks wider than these are taken for misreported ones: only the
// interface's own address then counts.
constexpr int menorPrefixoIpv4 = 8;
constexpr int menorPrefixoIpv6 = 32;

bool prefixoIgual(const std::uint8_t* a, const std::uint8_t* b, int bits) {
    const int inteiros = bits / 8;
    if (std::memcmp(a, b, static_cast<size_t>(inteiros)) != 0)
        return false;
    const int resto = bits % 8;
    const auto mascara = static_cast<std::uint8_t>(0xFF << (8 - resto));
    return resto == 0 || (a[inteiros] & mascara) == (b[inteiros] & mascara);
}

bool comeca(const std::array<std::uint8_t, 16>& bytes, std::initializer_list<std::uint8_t> inicio) {
    return std::equal(inicio.begin(), inicio.end(), bytes.begin());
}

socklen_t tamanhoDaFamilia(const sockaddr* endereco) {
    return endereco->sa_family == AF_INET6 ? sizeof(sockaddr_in6) : sizeof(sockaddr_in);
}

int bitsDaMascara(const sockaddr* mascara) {
    std::array<std::uint8_t, 16> bytes{};
    if (mascara->sa_family == AF_INET6) {
        sockaddr_in6 ipv6{};
        std::memcpy(&ipv6, mascara, sizeof ipv6);
        std::memcpy(bytes.data(), &ipv6.sin6_addr, 16);
    } else if (mascara->sa_family == AF_INET) {
        sockaddr_in ipv4{};
        std::memcpy(&ipv4, mascara, sizeof ipv4);
        std::memcpy(bytes.data(), &ipv4.sin_addr, 4);
    }
    int bits = 0;
    for (const std::uint8_t byte : bytes)
        bits += std::popcount(byte);
    return bits;
}

} // namespace

std::optional<TEnderecoIp> TEnderecoIp::deSocket(const sockaddr* endereco, socklen_t tamanho) {
    TEnderecoIp ip;
    if (endereco->sa_family == AF_INET && tamanho >= sizeof(sockaddr_in)) {
        sockaddr_in ipv4{};
        std::memcpy(&ipv4, endereco, sizeof ipv4);
        ip.ipv4_ = true;
        ip.porta_ = ntohs(ipv4.sin_port);
        std::memcpy(ip.bytes_.data(), &ipv4.sin_addr, 4);
        return ip;
    }
    if (endereco->sa_family != AF_INET6 || tamanho < sizeof(sockaddr_in6))
        return std::nullopt;
    sockaddr_in6 ipv6{};
    std::memcpy(&ipv6, endereco, sizeof ipv6);
    ip.porta_ = ntohs(ipv6.sin6_port);
    std::memcpy(ip.bytes_.data(), &ipv6.sin6_addr, 16);
    if (comeca(ip.bytes_, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF})) {
        ip.ipv4_ = true;
        std::memmove(ip.bytes_.data(), ip.bytes_.data() + 12, 4);
        std::fill(ip.bytes_.begin() + 4, ip.bytes_.end(), 0);
    }
    return ip;
}

std::optional<TEnderecoIp> TEnderecoIp::deTexto(const QString& texto) {
    const QByteArray latin1 = texto.toLatin1();
    sockaddr_in ipv4{};
    ipv4.sin_family = AF_INET;
    if (inet_pton(AF_INET, latin1.constData(), &ipv4.sin_addr) == 1)
        return deSocket(reinterpret_cast<const sockaddr*>(&ipv4), sizeof ipv4);
    sockaddr_in6 ipv6{};
    ipv6.sin6_family = AF_INET6;
    if (inet_pton(AF_INET6, latin1.constData(), &ipv6.sin6_addr) == 1)
        return deSocket(reinterpret_cast<const sockaddr*>(&ipv6), sizeof ipv6);
    return std::nullopt;
}

bool TEnderecoIp::hostInterno(const QString& host) {
    QString nome = host.toLower();
    if (nome.endsWith(QLatin1Char('.')))
        nome.chop(1);
    if (nome == QLatin1String("localhost") || nome.endsWith(QLatin1String(".localhost")))
        return true;
    if (nome.startsWith(QLatin1Char('[')) && nome.endsWith(QLatin1Char(']')))
        nome = nome.mid(1, nome.size() - 2);
    const std::optional<TEnderecoIp> ip = deTexto(nome);
    return ip && !ip->ehPublico();
}

QString TEnderecoIp::texto() const {
    char texto[INET6_ADDRSTRLEN] = {};
    inet_ntop(ipv4_ ? AF_INET : AF_INET6, bytes_.data(), texto, sizeof texto);
    return QString::fromLatin1(texto);
}

QString TEnderecoIp::destino() const {
    const QString endereco = ipv4_ ? texto() : QLatin1Char('[') + texto() + QLatin1Char(']');
    return endereco + QLatin1Char(':') + QString::number(porta_);
}

bool TEnderecoIp::ehReservado() const {
    return ipv4_ ? ehIpv4Reservado() : ehIpv6Reservado();
}

bool TEnderecoIp::pertenceA(const TEnderecoIp& rede, int bitsPrefixo) const {
    const int maximo = ipv4_ ? 32 : 128;
    return ipv4_ == rede.ipv4_ && bitsPrefixo >= 0 &&
           prefixoIgual(bytes_.data(), rede.bytes_.data(), std::min(bitsPrefixo, maximo));
}

bool TEnderecoIp::ehPublico() const {
    return !ehReservado() && !naRedeDestaMaquina();
}

bool TEnderecoIp::ehIpv4Reservado() const {
    return std::any_of(std::begin(reservadasIpv4), std::end(reservadasIpv4), [this](const TRedeIpv4& rede) {
        return prefixoIgual(bytes_.data(), rede.inicio.data(), rede.bits);
    });
}

bool TEnderecoIp::ehIpv6Reservado() const {
    const std::uint8_t primeiro = bytes_[0];
    const std::uint8_t segundo = bytes_[1];
    const bool uniqueLocal = (primeiro & 0xFE) == 0xFC;                     // fc00::/7
    const bool linkOuSiteLocal = primeiro == 0xFE && (segundo & 0x80) != 0; // fe80::/10, fec0::/10
    const bool multicast = primeiro == 0xFF;                                // ff00::/8
    if (uniqueLocal || linkOuSiteLocal || multicast)
        return true;
    const std::optional<TEnderecoIp> ipv4 = ipv4Embutido();
    return ipv4 && ipv4->ehIpv4Reservado();
}

// The unspecified and loopback IPv6 addresses lie in the compatible range and
// carry 0.0.0.0 and 0.0.0.1, which are reserved.
std::optional<TEnderecoIp> TEnderecoIp::ipv4Embutido() const {
    int inicio = -1;
    if (comeca(bytes_, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}))
        inicio = 12; // IPv4-compatible, ::/96
    else if (comeca(bytes_, {0, 0x64, 0xFF, 0x9B, 0, 0, 0, 0, 0, 0, 0, 0}))
        inicio = 12; // translated by NAT64, 64:ff9b::/96
    else if (comeca(bytes_, {0x20, 0x02}))
        inicio = 2; // 6to4, 2002::/16
    if (inicio < 0)
        return std::nullopt;
    TEnderecoIp ipv4;
    ipv4.ipv4_ = true;
    std::copy_n(bytes_.begin() + inicio, 4, ipv4.bytes_.begin());
    return ipv4;
}

bool TEnderecoIp::naRedeDestaMaquina() const {
    ifaddrs* interfaces = nullptr;
    if (getifaddrs(&interfaces) != 0)
        return false;
    bool naRede = false;
    for (const ifaddrs* i = interfaces; i && !naRede; i = i->ifa_next) {
        if (!i->ifa_addr)
            continue;
        const std::optional<TEnderecoIp> local = deSocket(i->ifa_addr, tamanhoDaFamilia(i->ifa_addr));
        if (!local || local->ipv4_ != ipv4_)
            continue;
        int bits = i->ifa_netmask ? bitsDaMascara(i->ifa_netmask) : 0;
        if (bits < (ipv4_ ? menorPrefixoIpv4 : menorPrefixoIpv6))
            bits = ipv4_ ? 32 : 128;
        naRede = pertenceA(*local, bits);
    }
    freeifaddrs(interfaces);
    return naRede;
}
