#include "linkguard/unit_VigiaLinks.h"

#include "core/unit_ArquivoConfig.h"
#include "core/unit_Chaves.h"
#include "core/unit_Conexao.h"
#include "core/unit_Constantes.h"
#include "linkguard/unit_VerificadorURL.h"
#include "platform/unit_AreaTransferencia.h"

#include <QTimer>

namespace {

QTimer* criarTimer(QObject* dono, const char* nome, int intervalo) {
    auto* timer = new QTimer(dono);
    timer->setObjectName(QLatin1String(nome));
    timer->setSingleShot(true);
    timer->setInterval(intervalo);
    return timer;
}

} // namespace

TVigiaLinks::TVigiaLinks(const TArquivoConfig& config, TAreaTransferencia& areaTransferencia,
                         QStringList& listaBadURLs, QStringList& listaURLsTestadas, TPortoes portoes,
                         QObject* vida, QObject* pai)
    : QObject(pai), timerAreaTransferencia(criarTimer(this, "timerAreaTransferencia", esperaRajada)),
      timerRajadaMaxima(criarTimer(this, "timerRajadaMaxima", esperaMaxima)), config_(config),
      areaTransferencia_(areaTransferencia), listaBadURLs_(listaBadURLs),
      listaURLsTestadas_(listaURLsTestadas), portoes_(std::move(portoes)), vida_(vida),
      fila_([this](const QString& url) { return criarVerificador(url); }) {
    for (QTimer* timer : {timerAreaTransferencia, timerRajadaMaxima})
        Conexao::protegida(timer, &QTimer::timeout, this, &TVigiaLinks::timerAreaTransferenciaTimer);
}

// The latest change decides: text copied in another program after a copy
// inside the game leaves nothing to judge.
void TVigiaLinks::areaTransferenciaMudou() {
    if (!mudancaNoJogo()) {
        timerAreaTransferencia->stop();
        timerRajadaMaxima->stop();
        return;
    }
    timerAreaTransferencia->start();
    if (!timerRajadaMaxima->isActive())
        timerRajadaMaxima->start();
}

// Only text copied inside the running game is looked at, and only while the
// interface speaks the built-in Portuguese the rules are written for.
bool TVigiaLinks::mudancaNoJogo() const {
    return !portoes_.desligadoRemotamente() && portoes_.jogoComFoco() &&
           config_.ReadString(Constantes::secao, Chave::idioma, QStringLiteral("PT")) ==
               QLatin1String("PT") &&
           config_.ReadBool(Constantes::secao, Chave::ativarVerificadorLinks, true);
}

void TVigiaLinks::timerAreaTransferenciaTimer() {
    timerAreaTransferencia->stop();
    timerRajadaMaxima->stop();
    julgarAreaTransferencia();
}

void TVigiaLinks::julgarAreaTransferencia() {
    const QString texto = TRegrasLinks::aparar(areaTransferencia_.lerTexto());
    TOrcamento orcamentoBusca = TOrcamento::deBuscaEndereco();
    const QString endereco = TRegrasLinks::buscarEndereco(texto, orcamentoBusca);
    TOrcamento orcamento = TOrcamento::deJulgamento();
    if (!endereco.isEmpty() && julgar(endereco, endereco, QString(), orcamento))
        return;
    const QString canonico = olharCanonico(texto, endereco, orcamento);
    const QString aVerificar = endereco.isEmpty() ? canonico : endereco;
    if (aVerificar.isEmpty() || listaURLsTestadas_.contains(aVerificar, Qt::CaseInsensitive))
        return;
    Q_EMIT verificacaoPedida(aVerificar);
}

// A bad canonical address is announced as itself, which shows the player
// the site the disguise stands for.
QString TVigiaLinks::olharCanonico(const QString& texto, const QString& endereco, TOrcamento& orcamento) {
    const QString canonico = TRegrasLinks::buscarEnderecoCanonico(texto, orcamento);
    if (canonico.isEmpty() || canonico == endereco)
        return canonico;
    const QString url = TRegrasLinks::comPrefixo(canonico);
    if (regras().julgarNaLista(url, orcamento) != TRegrasLinks::TVeredito::siteRuim)
        return canonico;
    Q_EMIT linkRuim(url, url, TRegrasLinks::TVeredito::siteRuim);
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
    Q_EMIT linkRuim(url, urlOriginal, veredito);
    return true;
}

void TVigiaLinks::iniciarVerificador(const QString& url) {
    fila_.pedir(url);
}

TTrabalhador* TVigiaLinks::criarVerificador(const QString& url) {
    return new TVerificadorURL(
        url, vida_, [this](const QString& urlFinal, const QString& urlOriginal, const QString& titulo) {
            listaURLsTestadas_.append(urlFinal);
            verificarBadURL(urlFinal, urlOriginal, titulo);
        });
}
