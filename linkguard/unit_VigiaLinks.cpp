#include "linkguard/unit_VigiaLinks.h"

#include "core/unit_ArquivoConfig.h"
#include "core/unit_Chaves.h"
#include "core/unit_Conexao.h"
#include "core/unit_Constantes.h"
#include "linkguard/unit_VerificadorURL.h"
#include "platform/unit_AreaTransferencia.h"

#include <QTimer>

namespace {

// Addresses a movie asked to open whose checks run at once; one comes per
// click or key of the user.
constexpr qsizetype aberturasMaximas = 16;

QTimer* criarTimer(QObject* dono, const char* nome, int intervalo) {
    auto* timer = new QTimer(dono);
    timer->setObjectName(QLatin1String(nome));
    timer->setSingleShot(true);
    timer->setInterval(intervalo);
    return timer;
}

} // namespace

TVigiaLinks::TVigiaLinks(const TArquivoConfig& config, TAreaTransferencia& areaTransferencia,
                         QStringList& listaBadURLs, TListaURLsTestadas& listaURLsTestadas, TPortoes portoes,
                         QObject* vida, QObject* pai)
    : QObject(pai), timerAreaTransferencia(criarTimer(this, "timerAreaTransferencia", esperaRajada)),
      timerRajadaMaxima(criarTimer(this, "timerRajadaMaxima", esperaMaxima)), config_(config),
      areaTransferencia_(areaTransferencia), listaBadURLs_(listaBadURLs),
      listaURLsTestadas_(listaURLsTestadas), portoes_(std::move(portoes)), vida_(vida),
      fila_([this](const QString& url) { return criarVerificador(url); }) {
    fila_.aoTerminarVerificacao = [this](const QString& url) { terminarAbertura(url); };
    for (QTimer* timer : {timerAreaTransferencia, timerRajadaMaxima})
        Conexao::protegida(timer, &QTimer::timeout, this, &TVigiaLinks::timerAreaTransferenciaTimer);
}

// The latest change decides: text copied in another program after a copy
// inside the game leaves nothing to judge.
void TVigiaLinks::areaTransferenciaMudou() {
    if (!protecaoLigada() || !portoes_.jogoComFoco()) {
        timerAreaTransferencia->stop();
        timerRajadaMaxima->stop();
        return;
    }
    timerAreaTransferencia->start();
    if (!timerRajadaMaxima->isActive())
        timerRajadaMaxima->start();
}

bool TVigiaLinks::protecaoLigada() const {
    return !portoes_.desligadoRemotamente() &&
           config_.ReadString(Constantes::secao, Chave::idioma, QStringLiteral("PT")) ==
               QLatin1String("PT") &&
           config_.ReadBool(Constantes::secao, Chave::ativarVerificadorLinks, true);
}

void TVigiaLinks::timerAreaTransferenciaTimer() {
    timerAreaTransferencia->stop();
    timerRajadaMaxima->stop();
    julgarAreaTransferencia();
}

// Only text copied inside the running game is looked at.
void TVigiaLinks::julgarAreaTransferencia() {
    const TOlhar olhado = olhar(TRegrasLinks::aparar(areaTransferencia_.lerTexto()));
    if (olhado.enderecoRuim || olhado.aVerificar.isEmpty() || listaURLsTestadas_.contem(olhado.aVerificar))
        return;
    Q_EMIT verificacaoPedida(olhado.aVerificar);
}

TVigiaLinks::TOlhar TVigiaLinks::olhar(const QString& texto) {
    TOlhar olhado;
    TOrcamento orcamentoBusca = TOrcamento::deBuscaEndereco();
    const QString endereco = TRegrasLinks::buscarEndereco(texto, orcamentoBusca);
    TOrcamento orcamento = TOrcamento::deJulgamento();
    olhado.enderecoRuim = !endereco.isEmpty() && julgar(endereco, endereco, QString(), orcamento);
    if (olhado.enderecoRuim)
        return olhado;
    const QString canonico = olharCanonico(texto, endereco, orcamento, olhado.canonicoRuim);
    olhado.aVerificar = endereco.isEmpty() ? canonico : endereco;
    return olhado;
}

// The address the movie gave is the one checked and opened; the rules see it
// as they see it copied.
void TVigiaLinks::julgarLinkDoFilme(const QString& url) {
    julgandoFilme_ = true;
    const TOlhar olhado = olhar(url);
    julgandoFilme_ = false;
    if (olhado.enderecoRuim || olhado.canonicoRuim || aberturas_.size() >= aberturasMaximas)
        return;
    aberturas_.append({url});
    fila_.pedir(url);
    QTimer::singleShot(esperaAbertura, this, [this, url] { terminarAbertura(url); });
}

void TVigiaLinks::terminarAbertura(const QString& url) {
    const auto abertura = std::find_if(aberturas_.cbegin(), aberturas_.cend(),
                                       [&url](const TAbertura& a) { return a.url == url; });
    if (abertura == aberturas_.cend())
        return;
    const bool ruim = abertura->ruim;
    aberturas_.erase(abertura);
    if (!ruim)
        Q_EMIT linkLiberado(url);
}

// A bad canonical address is announced as itself, which shows the player
// the site the disguise stands for.
QString TVigiaLinks::olharCanonico(const QString& texto, const QString& endereco, TOrcamento& orcamento,
                                   bool& ruim) {
    const QString canonico = TRegrasLinks::buscarEnderecoCanonico(texto, orcamento);
    if (canonico.isEmpty() || canonico == endereco)
        return canonico;
    const QString url = TRegrasLinks::comPrefixo(canonico);
    if (regras().julgarNaLista(url, orcamento) != TRegrasLinks::TVeredito::siteRuim)
        return canonico;
    anunciar(url, url, TRegrasLinks::TVeredito::siteRuim);
    ruim = true;
    return QString();
}

void TVigiaLinks::definirListaBadURLs(TRegrasLinks& regras) {
    std::swap(regras_, regras);
    listaBadURLs_ = regras_.lista();
}

bool TVigiaLinks::verificarBadURL(QString url, QString urlOriginal, const QString& titulo) {
    TOrcamento orcamento = TOrcamento::deJulgamento();
    return julgar(std::move(url), std::move(urlOriginal), titulo, orcamento);
}

// A list put in the field directly is compiled at its first use.
const TRegrasLinks& TVigiaLinks::regras() {
    if (regras_.lista() != listaBadURLs_)
        regras_.definirLista(listaBadURLs_);
    return regras_;
}

bool TVigiaLinks::julgar(QString url, QString urlOriginal, const QString& titulo, TOrcamento& orcamento) {
    url = TRegrasLinks::comPrefixo(url);
    urlOriginal = TRegrasLinks::comPrefixo(urlOriginal);
    const TRegrasLinks::TVeredito veredito = regras().julgar(url, titulo, orcamento);
    // A judgement cut short by its budget has been reported; the address goes
    // on like one found sound, so that the verifier still judges where it
    // leads and its page title, each time with a budget of its own.
    if (veredito == TRegrasLinks::TVeredito::nenhum || veredito == TRegrasLinks::TVeredito::indeciso)
        return false;
    anunciar(url, urlOriginal, veredito);
    return true;
}

void TVigiaLinks::anunciar(const QString& url, const QString& urlOriginal, TRegrasLinks::TVeredito veredito) {
    if (julgandoFilme_)
        Q_EMIT linkDoFilmeRuim(url, urlOriginal, veredito);
    else
        Q_EMIT linkRuim(url, urlOriginal, veredito);
}

void TVigiaLinks::iniciarVerificador(const QString& url) {
    fila_.pedir(url);
}

TTrabalhador* TVigiaLinks::criarVerificador(const QString& url) {
    return new TVerificadorURL(
        url, vida_, [this, url](const QString& urlFinal, const QString& urlOriginal, const QString& titulo) {
            listaURLsTestadas_.acrescentar(urlFinal);
            julgandoFilme_ = std::any_of(aberturas_.cbegin(), aberturas_.cend(),
                                         [&url](const TAbertura& a) { return a.url == url; });
            const bool ruim = verificarBadURL(urlFinal, urlOriginal, titulo);
            julgandoFilme_ = false;
            if (!ruim)
                return;
            for (TAbertura& abertura : aberturas_)
                abertura.ruim |= abertura.url == url;
        });
}
