#include "net/unit_EnderecoIp.h"
#include "tests/support/unit_Impressao.h"

#include <cstring>
#include <gtest/gtest.h>
#include <ifaddrs.h>
#include <netinet/in.h>

namespace {

TEnderecoIp ip(const char* texto) {
    const std::optional<TEnderecoIp> endereco = TEnderecoIp::deTexto(QString::fromLatin1(texto));
    EXPECT_TRUE(endereco) << texto;
    return endereco.value_or(*TEnderecoIp::deTexto(QStringLiteral("0.0.0.0")));
}

} // namespace

TEST(EnderecoIp, ReservadosPorSeuTipo) {
    const char* reservados[] = {
        "0.0.0.0",
        "0.255.1.1",
        "10.1.2.3",
        "100.64.0.1",
        "100.127.255.255",
        "127.0.0.1",
        "127.255.0.9",
        "169.254.169.254",
        "172.16.0.1",
        "172.31.255.255",
        "192.0.0.2",
        "192.168.1.1",
        "224.0.0.1",
        "239.255.255.250",
        "240.0.0.1",
        "255.255.255.255",
        "::",
        "::1",
        "::ffff:127.0.0.1",
        "::ffff:10.0.0.1",
        "::127.0.0.1",
        "::169.254.169.254",
        "64:ff9b::a00:1",
        "2002:c0a8:101::1",
        "fe80::1",
        "febf::1",
        "fec0::1",
        "fc00::1",
        "fd12:3456::1",
        "ff02::1",
    };
    for (const char* texto : reservados)
        EXPECT_TRUE(ip(texto).ehReservado()) << texto;
    const char* publicos[] = {
        "1.1.1.1",        "11.0.0.1",        "100.63.255.255",   "100.128.0.0",     "169.253.255.255",
        "172.15.255.255", "172.32.0.0",      "192.0.1.1",        "192.169.0.1",     "223.255.255.255",
        "::ffff:8.8.8.8", "2606:4700::1111", "64:ff9b::808:808", "2002:808:808::1", "2001:4860:4860::8888",
    };
    for (const char* texto : publicos)
        EXPECT_FALSE(ip(texto).ehReservado()) << texto;
}

TEST(EnderecoIp, SocketEIpv4Mapeado) {
    sockaddr_in6 ipv6{};
    ipv6.sin6_family = AF_INET6;
    ipv6.sin6_port = htons(8080);
    ipv6.sin6_addr.s6_addr[10] = ipv6.sin6_addr.s6_addr[11] = 0xFF;
    ipv6.sin6_addr.s6_addr[12] = 127;
    ipv6.sin6_addr.s6_addr[15] = 1;
    const std::optional<TEnderecoIp> mapeado =
        TEnderecoIp::deSocket(reinterpret_cast<const sockaddr*>(&ipv6), sizeof ipv6);
    ASSERT_TRUE(mapeado);
    EXPECT_TRUE(mapeado->ehIpv4());
    EXPECT_EQ(mapeado->destino(), "127.0.0.1:8080");
    ipv6.sin6_addr.s6_addr[10] = 0;
    EXPECT_EQ(TEnderecoIp::deSocket(reinterpret_cast<const sockaddr*>(&ipv6), sizeof ipv6)->destino(),
              "[::ff:7f00:1]:8080");
    EXPECT_FALSE(TEnderecoIp::deSocket(reinterpret_cast<const sockaddr*>(&ipv6), sizeof(sockaddr_in)));
    sockaddr outra{};
    outra.sa_family = AF_UNIX;
    EXPECT_FALSE(TEnderecoIp::deSocket(&outra, sizeof outra));
    EXPECT_FALSE(TEnderecoIp::deTexto(QStringLiteral("localhost")));
}

TEST(EnderecoIp, PertenceARede) {
    EXPECT_TRUE(ip("203.0.113.200").pertenceA(ip("203.0.113.7"), 24));
    EXPECT_FALSE(ip("203.0.114.1").pertenceA(ip("203.0.113.7"), 24));
    EXPECT_TRUE(ip("203.0.113.7").pertenceA(ip("203.0.113.7"), 32));
    EXPECT_FALSE(ip("203.0.113.8").pertenceA(ip("203.0.113.7"), 32));
    EXPECT_TRUE(ip("2001:db8:1:2::5").pertenceA(ip("2001:db8:1:2:aaaa::1"), 64));
    EXPECT_FALSE(ip("2001:db8:1:3::5").pertenceA(ip("2001:db8:1:2::1"), 64));
    EXPECT_TRUE(ip("2001:db8:1:3::5").pertenceA(ip("2001:db8:1:2::1"), 62));
    EXPECT_FALSE(ip("::ffff:203.0.113.1").pertenceA(ip("::203.0.113.1"), 96)); // IPv4 against IPv6
}

// The last byte of a socket address's IP address.
std::uint8_t& ultimoByte(sockaddr_storage& endereco) {
    if (endereco.ss_family == AF_INET)
        return reinterpret_cast<std::uint8_t*>(&reinterpret_cast<sockaddr_in*>(&endereco)->sin_addr)[3];
    return reinterpret_cast<sockaddr_in6*>(&endereco)->sin6_addr.s6_addr[15];
}

// Whatever their kind, the addresses of this machine's own interfaces and of
// the networks they are on are never public.
TEST(EnderecoIp, EnderecosDestaMaquinaESuasRedesNaoSaoPublicos) {
    ifaddrs* interfaces = nullptr;
    ASSERT_EQ(getifaddrs(&interfaces), 0);
    int vistos = 0;
    for (const ifaddrs* i = interfaces; i; i = i->ifa_next) {
        if (!i->ifa_addr || (i->ifa_addr->sa_family != AF_INET && i->ifa_addr->sa_family != AF_INET6))
            continue;
        sockaddr_storage endereco{};
        std::memcpy(&endereco, i->ifa_addr,
                    i->ifa_addr->sa_family == AF_INET ? sizeof(sockaddr_in) : sizeof(sockaddr_in6));
        const auto* socket = reinterpret_cast<const sockaddr*>(&endereco);
        EXPECT_FALSE(TEnderecoIp::deSocket(socket, sizeof endereco)->ehPublico())
            << TEnderecoIp::deSocket(socket, sizeof endereco)->texto().toStdString();
        sockaddr_storage mascara{};
        std::memcpy(&mascara, i->ifa_netmask,
                    i->ifa_addr->sa_family == AF_INET ? sizeof(sockaddr_in) : sizeof(sockaddr_in6));
        if ((ultimoByte(mascara) & 1) == 0) { // a neighbour in the interface's network
            ultimoByte(endereco) ^= 1;
            EXPECT_FALSE(TEnderecoIp::deSocket(socket, sizeof endereco)->ehPublico())
                << TEnderecoIp::deSocket(socket, sizeof endereco)->texto().toStdString();
        }
        ++vistos;
    }
    freeifaddrs(interfaces);
    EXPECT_GT(vistos, 0);
}

// A host as a browser writes it in an address, judged by its text alone.
TEST(EnderecoIp, HostsThatNameThisMachineOrItsNetworksByTheirText) {
    for (const char* interno : {"localhost", "LOCALHOST.", "jogo.localhost", "127.0.0.1", "10.0.0.8", "[::1]",
                                "::1", "169.254.169.254", "[fd00::1]", "0.0.0.0"})
        EXPECT_TRUE(TEnderecoIp::hostInterno(QString::fromLatin1(interno))) << interno;
    for (const char* externo : {"jogo.example", "localhost.example", "8.8.8.8", "[2606:4700::1111]", ""})
        EXPECT_FALSE(TEnderecoIp::hostInterno(QString::fromLatin1(externo))) << externo;
}
