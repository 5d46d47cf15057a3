// What a client says to the pages' proxy, on any bytes: each message is
// taken within what arrived and its cap, and reads the same once more bytes
// follow it.
#include "net/unit_MensagemSocks.h"
#include "tests/fuzz/unit_EntradaFuzz.h"

namespace {

void conferir(TMensagemSocks (*ler)(const QByteArray&), const QByteArray& bytes) {
    const TMensagemSocks mensagem = ler(bytes);
    if (mensagem.estado() != TMensagemSocks::TEstado::aceita)
        return;
    if (mensagem.tamanho() > bytes.size() || mensagem.tamanho() > TMensagemSocks::tamanhoMaximo)
        EntradaFuzz::falhar("a message taken past what arrived or its cap");
    const TMensagemSocks seguida = ler(bytes + "seguinte");
    if (seguida.tamanho() != mensagem.tamanho() || seguida.host() != mensagem.host() ||
        seguida.porta() != mensagem.porta())
        EntradaFuzz::falhar("a message reads otherwise with bytes after it");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const QByteArray bytes = EntradaFuzz::bytes(dados, tamanho);
    conferir(&TMensagemSocks::saudacao, bytes);
    conferir(&TMensagemSocks::pedido, bytes);
    return 0;
}
