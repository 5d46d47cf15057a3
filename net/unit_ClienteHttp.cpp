#include "net/unit_ClienteHttp.h"

#include "core/unit_Constantes.h"
#include "net/unit_BibliotecaCurl.h"
#include "net/unit_EnderecoIp.h"
#include "net/unit_PortasInseguras.h"

#include <QElapsedTimer>
#include <QUrl>
#include <sys/socket.h>

using namespace std::chrono_literals;

namespace {

// Blanks and characters outside ASCII are sent percent-encoded, as a browser does.
QByteArray codificarEndereco(const QString& url) {
    const QUrl endereco(url);
    return endereco.isValid() ? endereco.toEncoded() : url.toUtf8();
}

// "text/html; charset=utf-8" gives "text/html".
QString semParametros(const QByteArray& valor) {
    const qsizetype pontoVirgula = valor.indexOf(';');
    return QString::fromLatin1((pontoVirgula < 0 ? valor : valor.first(pontoVirgula)).trimmed());
}

bool ehSucesso(int status) {
    return status >= 200 && status <= 299;
}

} // namespace

TClienteHttp::TClienteHttp(const TLimitesHttp& limites, TRegraSucesso regra)
    : limites_(limites), regra_(regra) {}

TClienteHttp::~TClienteHttp() {
    if (curl_)
        curl_->easy_cleanup(handle_);
}

// The handle is made by the first GET, on the thread that transfers: the
// library is loaded there. Without it, every GET fails.
bool TClienteHttp::prepararHandle() {
    if (curl_)
        return true;
    const TBibliotecaCurl* curl = TBibliotecaCurl::carregar();
    if (!curl) {
        qWarning("HTTP is unavailable: %s", qPrintable(TBibliotecaCurl::erro()));
        return false;
    }
    handle_ = curl->easy_init();
    if (!handle_)
        return false;
    curl_ = curl;
    const auto opcao = [this](CURLoption nome, auto valor) { curl_->easy_setopt(handle_, nome, valor); };
    opcao(CURLOPT_NOSIGNAL, 1L);
    opcao(CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    opcao(CURLOPT_PROTOCOLS_STR, "http,https");
    opcao(CURLOPT_PROXY, "");
    opcao(CURLOPT_HTTPGET, 1L);
    opcao(CURLOPT_USERAGENT, Constantes::userAgent.toUtf8().constData());
    // Cookies live in this handle's memory only: none is read, none outlives the client.
    opcao(CURLOPT_COOKIEFILE, "");
    opcao(CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limites_.conexao.count()));
    opcao(CURLOPT_HEADERFUNCTION, &TClienteHttp::aoCabecalho);
    opcao(CURLOPT_HEADERDATA, static_cast<void*>(this));
    opcao(CURLOPT_WRITEFUNCTION, &TClienteHttp::aoCorpo);
    opcao(CURLOPT_WRITEDATA, static_cast<void*>(this));
    if (limites_.apenasEnderecosPublicos || limites_.apenasPortasSeguras) {
        opcao(CURLOPT_OPENSOCKETFUNCTION, &TClienteHttp::abrirSocket);
        opcao(CURLOPT_OPENSOCKETDATA, static_cast<void*>(this));
    }
    return true;
}

// Redirects are followed here rather than by curl: its own following fails
// on the 15th redirect and does not announce each one before following it.
bool TClienteHttp::Get(const QString& url, QByteArray& corpo) {
    corpo.clear();
    if (!prepararHandle())
        return false;
    tempoGasto_ = 0ms;
    QByteArray endereco = codificarEndereco(url);
    for (int seguidos = 0;; ++seguidos) {
        const TDesfecho desfecho = transferir(endereco, corpo);
        if (desfecho != TDesfecho::concluido) {
            corpo.clear();
            return desfecho == TDesfecho::parado;
        }
        if (!ehRedirecionamento())
            return sucessoFinal(corpo);
        corpo.clear();
        if (onRedirect) {
            try {
                onRedirect(cabecalhos_.location);
            } catch (...) {
                return false;
            }
        }
        if (seguidos == limites_.redirecionamentosMaximos)
            return regra_ == TRegraSucesso::tambemRedirecionamentoFinal;
        endereco = destinoRedirecionamento();
        if (endereco.isEmpty())
            return false;
    }
}

TClienteHttp::TDesfecho TClienteHttp::transferir(const QByteArray& endereco, QByteArray& corpo) {
    const std::chrono::milliseconds restante = limites_.total - tempoGasto_;
    if (restante <= 0ms)
        return TDesfecho::falhou;
    corpo.clear();
    corpo_ = &corpo;
    cabecalhos_ = {};
    cabecalhosEntregues_ = false;
    parado_ = false;
    curl_->easy_setopt(handle_, CURLOPT_URL, endereco.constData());
    curl_->easy_setopt(handle_, CURLOPT_TIMEOUT_MS, static_cast<long>(restante.count()));
    QElapsedTimer relogio;
    relogio.start();
    const CURLcode codigo = curl_->easy_perform(handle_);
    tempoGasto_ += std::chrono::milliseconds(relogio.elapsed());
    corpo_ = nullptr;
    if (parado_)
        return TDesfecho::parado;
    return cabecalhosEntregues_ && codigo == CURLE_OK ? TDesfecho::concluido : TDesfecho::falhou;
}

bool TClienteHttp::sucessoFinal(QByteArray& corpo) const {
    const int status = cabecalhos_.status;
    if (ehSucesso(status))
        return true;
    corpo.clear();
    return regra_ == TRegraSucesso::tambemRedirecionamentoFinal &&
           (status == 301 || status == 302 || status == 304);
}

bool TClienteHttp::ehRedirecionamento() const {
    const int status = cabecalhos_.status;
    return status >= 300 && status <= 399 && status != 304 && !cabecalhos_.location.isEmpty();
}

// The Location resolved against the address just requested.
QByteArray TClienteHttp::destinoRedirecionamento() const {
    char* destino = nullptr;
    if (curl_->easy_getinfo(handle_, CURLINFO_REDIRECT_URL, &destino) != CURLE_OK || !destino)
        return {};
    return QByteArray(destino);
}

// Every connection curl makes goes through here with the address it is about
// to connect to, after names are resolved: refused, curl tries the name's
// next address, if any, and otherwise fails the transfer.
curl_socket_t TClienteHttp::abrirSocket(void* cliente, curlsocktype, curl_sockaddr* endereco) {
    if (!static_cast<TClienteHttp*>(cliente)->podeConectar(*endereco))
        return CURL_SOCKET_BAD;
    return socket(endereco->family, endereco->socktype | SOCK_CLOEXEC, endereco->protocol);
}

bool TClienteHttp::podeConectar(const curl_sockaddr& endereco) const {
    const std::optional<TEnderecoIp> ip = TEnderecoIp::deSocket(&endereco.addr, endereco.addrlen);
    if (!ip)
        return false;
    if (limites_.apenasPortasSeguras && PortasInseguras::contem(ip->porta()))
        return false;
    return !limites_.apenasEnderecosPublicos || ip->ehPublico() ||
           limites_.destinosPermitidos.contains(ip->destino());
}

size_t TClienteHttp::aoCabecalho(char* dados, size_t tamanho, size_t quantidade, void* cliente) {
    const size_t total = tamanho * quantidade;
    const QByteArray linha(dados, static_cast<qsizetype>(total));
    return static_cast<TClienteHttp*>(cliente)->lerCabecalho(linha) ? total : 0;
}

size_t TClienteHttp::aoCorpo(char* dados, size_t tamanho, size_t quantidade, void* cliente) {
    return static_cast<TClienteHttp*>(cliente)->lerCorpo(dados, tamanho * quantidade);
}

// Returns false to end the transfer.
bool TClienteHttp::lerCabecalho(const QByteArray& linhaBruta) {
    const QByteArray linha = linhaBruta.trimmed();
    if (linha.startsWith("HTTP/")) {
        cabecalhos_ = {};
        tamanhoLido_ = 0;
        cabecalhos_.status = linha.split(' ').value(1).toInt();
        cabecalhosEntregues_ = false;
        return true;
    }
    if (linha.isEmpty())
        return entregarCabecalhos();
    const qsizetype doisPontos = linha.indexOf(':');
    if (doisPontos <= 0 || cabecalhosEntregues_)
        return true;
    const QByteArray nome = linha.first(doisPontos).trimmed().toLower();
    const QByteArray valor = linha.mid(doisPontos + 1).trimmed();
    if (nome == "content-length" && cabecalhos_.contentLength < 0) {
        bool numero = false;
        const qint64 tamanho = valor.toLongLong(&numero);
        cabecalhos_.contentLength = numero && tamanho >= 0 ? tamanho : -1;
    } else if (nome == "location" && cabecalhos_.location.isEmpty()) {
        cabecalhos_.location = QString::fromUtf8(valor);
    } else if (nome == "content-type" && cabecalhos_.tipoMidia.isEmpty()) {
        cabecalhos_.tipoMidia = semParametros(valor);
    }
    return true;
}

// At the blank line after a final response's headers; interim (1xx) responses
// and the trailers of a chunked body are passed over.
bool TClienteHttp::entregarCabecalhos() {
    if (cabecalhosEntregues_ || cabecalhos_.status < 200)
        return true;
    cabecalhosEntregues_ = true;
    if (onHeadersAvailable) {
        try {
            parado_ = !onHeadersAvailable(cabecalhos_);
        } catch (...) {
            return false;
        }
        if (parado_)
            return false;
    }
    return cabecalhos_.contentLength <= limites_.corpoMaximo;
}

// A redirect's body is read past: curl resolves the Location only for a
// response received whole.
size_t TClienteHttp::lerCorpo(const char* dados, size_t tamanho) {
    tamanhoLido_ += static_cast<qint64>(tamanho);
    if (tamanhoLido_ > limites_.corpoMaximo)
        return 0;
    if (!ehRedirecionamento())
        corpo_->append(dados, static_cast<qsizetype>(tamanho));
    return tamanho;
}
