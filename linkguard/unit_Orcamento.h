#pragma once

#include <chrono>
#include <cstdint>

// The work that pattern searches on the UI thread may do together: a number
// of steps, counted the same way on every machine, and a limit of processor
// time behind it for the machine that is slower than expected. A step is one
// pattern item tried, or one character a repeat moved over. The time is the
// thread's own, so a busy machine that leaves the thread waiting does not cut
// a judgement short.
class TOrcamento {
public:
    TOrcamento(uint64_t passos, std::chrono::milliseconds prazo);

    // One judgement of an address: title, keywords and the bad-site list.
    static TOrcamento deJulgamento();
    // The search for the first address in a copied text.
    static TOrcamento deBuscaEndereco();

    // Takes `passos` steps; false once the steps or the time are gone.
    bool gastar(uint64_t passos) {
        if (gastos_ == limite_ || prazoPassou_)
            return false;
        if (passos > passosRestantes()) {
            gastos_ = limite_;
            return false;
        }
        gastos_ += passos;
        if (++chamadasSemRelogio_ == chamadasEntreRelogios) {
            chamadasSemRelogio_ = 0;
            verificarPrazo();
        }
        return true;
    }
    bool esgotado();
    bool prazoPassou() const { return prazoPassou_; }
    uint64_t passosGastos() const { return gastos_; }
    uint64_t passosRestantes() const { return limite_ - gastos_; }

private:
    // Steps are counted in every search; the clock is read only now and then,
    // since reading the thread's clock costs about as much as ten steps.
    static constexpr uint32_t chamadasEntreRelogios = 64;

    bool verificarPrazo();
    static std::chrono::nanoseconds tempoDaThread();

    uint64_t limite_;
    uint64_t gastos_ = 0;
    std::chrono::nanoseconds prazo_;
    uint32_t chamadasSemRelogio_ = 0;
    bool prazoPassou_ = false;
};
