#include "linkguard/unit_Padrao.h"

#include "core/unit_Erros.h"
#include "linkguard/unit_Orcamento.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <memory>
#include <utility>

namespace {

// The backtracking one search may do from one starting point before it is
// given up as undecidable. A sound pattern stays far below; a runaway one is
// stopped within a few milliseconds.
constexpr uint32_t limiteBuscas = 100'000;
constexpr uint32_t limiteMemoriaKiB = 16 * 1024;

struct TLiberaContexto {
    void operator()(pcre2_match_context* contexto) const { pcre2_match_context_free(contexto); }
};
struct TLiberaDados {
    void operator()(pcre2_match_data* dados) const { pcre2_match_data_free(dados); }
};

// What starting a search costs, in steps: about the time PCRE2 takes to set
// one up and to skip the starting points its first-character tables rule out.
constexpr uint64_t passosPorBusca = 16;

// What one search may still spend, and where its last step left the text.
struct TContagem {
    TOrcamento& orcamento;
    uint64_t teto;
    PCRE2_SIZE posicao = 0;

    bool cobrar(uint64_t passos) {
        if (passos > teto) {
            orcamento.gastar(std::exchange(teto, 0));
            return false;
        }
        teto -= passos;
        return orcamento.gastar(passos);
    }
};

// Called before every item of the pattern (compiled with automatic callouts):
// one step per item, or one per character when an item moved further. The
// limit on backtracking above starts afresh at every starting point, so it
// alone does not bound a search; this count covers the whole search.
int contarPasso(pcre2_callout_block* bloco, void* dados) {
    TContagem& contagem = *static_cast<TContagem*>(dados);
    if (bloco->callout_flags & PCRE2_CALLOUT_STARTMATCH)
        contagem.posicao = bloco->current_position;
    const uint64_t passos =
        bloco->current_position > contagem.posicao ? bloco->current_position - contagem.posicao : 1;
    contagem.posicao = bloco->current_position;
    return contagem.cobrar(passos) ? 0 : PCRE2_ERROR_CALLOUT;
}

pcre2_match_context* contextoBusca(TContagem& contagem) {
    thread_local const std::unique_ptr<pcre2_match_context, TLiberaContexto> contexto = [] {
        std::unique_ptr<pcre2_match_context, TLiberaContexto> novo(pcre2_match_context_create(nullptr));
        pcre2_set_match_limit(novo.get(), limiteBuscas);
        pcre2_set_heap_limit(novo.get(), limiteMemoriaKiB);
        return novo;
    }();
    pcre2_set_callout(contexto.get(), contarPasso, &contagem);
    return contexto.get();
}

// Only the whole match is read, so one pair of offsets is enough; the block
// is reused by every search of its thread.
pcre2_match_data* dadosBusca() {
    thread_local const std::unique_ptr<pcre2_match_data, TLiberaDados> dados(
        pcre2_match_data_create(1, nullptr));
    return dados.get();
}

PCRE2_SPTR unidades(QStringView texto) {
    return reinterpret_cast<PCRE2_SPTR>(texto.utf16());
}

QString mensagemPcre(int codigo) {
    PCRE2_UCHAR mensagem[256];
    const int tamanho = pcre2_get_error_message(codigo, mensagem, std::size(mensagem));
    return tamanho < 0 ? QStringLiteral("error %1").arg(codigo)
                       : QString::fromUtf16(reinterpret_cast<const char16_t*>(mensagem), tamanho);
}

bool limiteAtingido(int resultado) {
    return resultado == PCRE2_ERROR_MATCHLIMIT || resultado == PCRE2_ERROR_DEPTHLIMIT ||
           resultado == PCRE2_ERROR_HEAPLIMIT || resultado == PCRE2_ERROR_NOMEMORY;
}

} // namespace

TTextoBusca::TTextoBusca(QStringView texto) : original_(texto) {
    if (texto.isValidUtf16())
        return;
    corrigido_ = texto.toString();
    for (qsizetype i = 0; i < corrigido_.size(); ++i) {
        if (corrigido_[i].isHighSurrogate() && i + 1 < corrigido_.size() &&
            corrigido_[i + 1].isLowSurrogate())
            ++i;
        else if (corrigido_[i].isSurrogate())
            corrigido_[i] = QChar::ReplacementCharacter;
    }
}

TPadrao::TPadrao(const QString& padrao) {
    int codigoErro = 0;
    PCRE2_SIZE posicaoErro = 0;
    // "\C" could step into the middle of a character; patterns come from the
    // network, so it is refused like any other invalid syntax.
    codigo_ = pcre2_compile(unidades(padrao), padrao.size(),
                            PCRE2_UTF | PCRE2_NEVER_BACKSLASH_C | PCRE2_AUTO_CALLOUT, &codigoErro,
                            &posicaoErro, nullptr);
    if (!codigo_) {
        motivoErro_ = mensagemPcre(codigoErro);
        posicaoErro_ = qsizetype(posicaoErro);
    }
}

TPadrao::TPadrao(TPadrao&& outro) noexcept
    : codigo_(std::exchange(outro.codigo_, nullptr)), motivoErro_(std::move(outro.motivoErro_)),
      posicaoErro_(outro.posicaoErro_) {}

TPadrao& TPadrao::operator=(TPadrao&& outro) noexcept {
    std::swap(codigo_, outro.codigo_);
    std::swap(motivoErro_, outro.motivoErro_);
    std::swap(posicaoErro_, outro.posicaoErro_);
    return *this;
}

TPadrao::~TPadrao() {
    pcre2_code_free(codigo_);
}

TResultadoBusca TPadrao::buscar(const TTextoBusca& textoBusca, TOrcamento& orcamento, uint64_t teto) const {
    if (!codigo_)
        throw EPadrao(QStringLiteral("Error in regular expression at offset %1: %2")
                          .arg(posicaoErro_)
                          .arg(motivoErro_));
    TContagem contagem{orcamento, teto};
    if (orcamento.esgotado() || !contagem.cobrar(passosPorBusca))
        return {std::nullopt, true};
    const QStringView texto = textoBusca.texto();
    pcre2_match_data* dados = dadosBusca();
    const int resultado = pcre2_match(codigo_, unidades(texto), texto.size(), 0,
                                      PCRE2_NOTEMPTY | PCRE2_NO_UTF_CHECK, dados, contextoBusca(contagem));
    if (resultado == PCRE2_ERROR_CALLOUT)
        return {std::nullopt, true};
    if (resultado == PCRE2_ERROR_NOMATCH || limiteAtingido(resultado))
        return {};
    if (resultado < 0)
        throw EPadrao(mensagemPcre(resultado));
    const PCRE2_SIZE* posicoes = pcre2_get_ovector_pointer(dados);
    return {TTrecho{qsizetype(posicoes[0]), qsizetype(posicoes[1] - posicoes[0])}};
}
