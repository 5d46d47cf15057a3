#include "linkguard/unit_Orcamento.h"

#include <ctime>

TOrcamento::TOrcamento(uint64_t passos, std::chrono::milliseconds prazo)
    : limite_(passos), prazo_(tempoDaThread() + prazo) {}

// Both together stay under the 50 ms the UI thread may give to one copied
// link. A step takes 10 to 20 ns on a current desktop, so the steps run out
// first and the same input gets the same verdict everywhere; the clock only
// strikes on a slower machine.
TOrcamento TOrcamento::deJulgamento() {
    return TOrcamento(1'500'000, std::chrono::milliseconds(40));
}

TOrcamento TOrcamento::deBuscaEndereco() {
    return TOrcamento(250'000, std::chrono::milliseconds(6));
}

bool TOrcamento::esgotado() {
    return gastos_ == limite_ || verificarPrazo();
}

bool TOrcamento::verificarPrazo() {
    prazoPassou_ = prazoPassou_ || tempoDaThread() >= prazo_;
    return prazoPassou_;
}

std::chrono::nanoseconds TOrcamento::tempoDaThread() {
    timespec agora{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &agora);
    return std::chrono::seconds(agora.tv_sec) + std::chrono::nanoseconds(agora.tv_nsec);
}
