// The reply of the script bridge, in the player's XML value form, on any text.
#include "player/unit_ValorXml.h"
#include "tests/fuzz/unit_EntradaFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    ValorXml::decodificar(QString::fromUtf8(EntradaFuzz::bytes(dados, tamanho)));
    return 0;
}
