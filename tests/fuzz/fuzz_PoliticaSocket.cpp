// A game host's socket policy, on any bytes: read within its cap, and asked
// about a few movies' hosts and ports; and a list of game servers (the
// definitions document's line, a game's kept file), on the same bytes.
#include "net/unit_PoliticaSocket.h"
#include "net/unit_ServidorSocket.h"
#include "tests/fuzz/unit_EntradaFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const QByteArray bytes = EntradaFuzz::bytes(dados, tamanho);
    if (const std::optional<TPoliticaSocket> politica = TPoliticaSocket::ler(bytes)) {
        if (bytes.size() > TPoliticaSocket::tamanhoMaximo)
            EntradaFuzz::falhar("a policy read past its cap");
        for (const char* host : {"jogo.example", "a.b.jogo.example", "203.0.113.7", ""})
            for (int porta : {1, 843, 5555, 65535})
                politica->permite(QString::fromLatin1(host), porta);
    }
    const QList<TServidorSocket> servidores = TServidorSocket::lerLista(QString::fromUtf8(bytes), 32);
    if (servidores.size() > 32)
        EntradaFuzz::falhar("more servers than asked for");
    for (const TServidorSocket& servidor : servidores)
        if (TServidorSocket::ler(servidor.texto()) != servidor)
            EntradaFuzz::falhar("a server does not read back as itself");
    return 0;
}
