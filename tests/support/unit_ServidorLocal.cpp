#include "tests/support/unit_ServidorLocal.h"

#include <atomic>
#include <condition_variable>
#include <httplib.h>
#include <mutex>
#include <ranges>
#include <set>
#include <thread>

namespace {

// Entries the server library adds to a request's headers; the client never sent them.
bool ehPseudoCabecalho(const std::string& nome) {
    return nome == "REMOTE_ADDR" || nome == "REMOTE_PORT" || nome == "LOCAL_ADDR" || nome == "LOCAL_PORT";
}

QByteArray bytes(const std::string& texto) {
    return QByteArray::fromStdString(texto);
}

// The server's workers; every connection it accepts becomes one task, which is counted.
class TFilaContada : public httplib::TaskQueue {
public:
    explicit TFilaContada(std::atomic<int>& aceitas) : fila_(16), aceitas_(aceitas) {}
    void enqueue(std::function<void()> tarefa) override {
        ++aceitas_;
        fila_.enqueue(std::move(tarefa));
    }
    void shutdown() override { fila_.shutdown(); }

private:
    httplib::ThreadPool fila_;
    std::atomic<int>& aceitas_;
};

} // namespace

QByteArray TPedidoLocal::cabecalho(const QByteArray& nome) const {
    for (const auto& [chave, valor] : cabecalhos)
        if (chave.compare(nome, Qt::CaseInsensitive) == 0)
            return valor;
    return {};
}

QByteArray TPedidoLocal::parametro(const QByteArray& nome) const {
    for (const auto& [chave, valor] : parametros)
        if (chave == nome)
            return valor;
    return {};
}

TRespostaLocal TRespostaLocal::redirecionar(const QByteArray& location, int status) {
    TRespostaLocal resposta;
    resposta.status = status;
    resposta.cabecalhos = {{"Location", location}};
    return resposta;
}

struct TServidorLocal::TDados {
    httplib::Server servidor;
    std::thread fio;
    int porta = 0;
    std::atomic<int> conexoesAceitas{0};
    mutable std::mutex mutex;
    std::condition_variable portaoAberto;
    std::set<int> abertos;
    bool encerrando = false;
    QList<QPair<QByteArray, TRota>> rotas;
    QList<TPedidoLocal> pedidos;

    TRota acharRota(const QByteArray& caminho) const;
    void esperarPortao(int portao);
    void esperarEncerramento();
    void atender(const httplib::Request& pedidoHttp, httplib::Response& respostaHttp);
};

TServidorLocal::TRota TServidorLocal::TDados::acharRota(const QByteArray& caminho) const {
    for (const auto& [padrao, rota] : std::views::reverse(rotas)) {
        const bool prefixo = padrao.endsWith('*');
        if (prefixo ? caminho.startsWith(padrao.chopped(1)) : caminho == padrao)
            return rota;
    }
    return {};
}

void TServidorLocal::TDados::esperarPortao(int portao) {
    std::unique_lock trava(mutex);
    portaoAberto.wait(trava, [&] { return encerrando || abertos.count(portao) > 0; });
}

void TServidorLocal::TDados::esperarEncerramento() {
    std::unique_lock trava(mutex);
    portaoAberto.wait(trava, [&] { return encerrando; });
}

void TServidorLocal::TDados::atender(const httplib::Request& pedidoHttp, httplib::Response& respostaHttp) {
    TPedidoLocal pedido{bytes(pedidoHttp.path), {}, {}};
    for (const auto& [nome, valor] : pedidoHttp.headers)
        if (!ehPseudoCabecalho(nome))
            pedido.cabecalhos.append({bytes(nome), bytes(valor)});
    for (const auto& [nome, valor] : pedidoHttp.params)
        pedido.parametros.append({bytes(nome), bytes(valor)});
    TRota rota;
    {
        std::lock_guard trava(mutex);
        pedidos.append(pedido);
        rota = acharRota(pedido.caminho);
    }
    TRespostaLocal resposta;
    if (rota)
        resposta = rota(pedido);
    else
        resposta = {404, "nada aqui", "text/plain"};
    if (resposta.portao > 0)
        esperarPortao(resposta.portao);

    respostaHttp.status = resposta.status;
    for (const auto& [nome, valor] : resposta.cabecalhos)
        respostaHttp.set_header(nome.toStdString(), valor.toStdString());
    if (resposta.tamanhoDeclarado > 0) {
        respostaHttp.set_content_provider(static_cast<size_t>(resposta.tamanhoDeclarado),
                                          resposta.tipo.toStdString(),
                                          [this](size_t, size_t, httplib::DataSink&) {
                                              esperarEncerramento();
                                              return false;
                                          });
    } else if (resposta.semFim) {
        respostaHttp.set_chunked_content_provider(resposta.tipo.toStdString(),
                                                  [](size_t, httplib::DataSink& sink) {
                                                      static const std::string bloco(16 * 1024, 'x');
                                                      return sink.write(bloco.data(), bloco.size());
                                                  });
    } else if (resposta.emPartes) {
        respostaHttp.set_chunked_content_provider(
            resposta.tipo.toStdString(),
            [corpo = resposta.corpo.toStdString()](size_t, httplib::DataSink& sink) {
                sink.write(corpo.data(), corpo.size());
                sink.done();
                return true;
            });
    } else {
        respostaHttp.set_content(resposta.corpo.toStdString(), resposta.tipo.toStdString());
    }
}

TServidorLocal::TServidorLocal() : TServidorLocal(QList<int>()) {}

TServidorLocal::TServidorLocal(const QList<int>& portas) : d(std::make_unique<TDados>()) {
    d->servidor.new_task_queue = [this] { return new TFilaContada(d->conexoesAceitas); };
    d->servidor.set_keep_alive_timeout(1);
    d->servidor.Get(".*", [this](const httplib::Request& pedido, httplib::Response& resposta) {
        d->atender(pedido, resposta);
    });
    // Listening starts with the bind; the accept loop may begin later.
    if (portas.isEmpty())
        d->porta = d->servidor.bind_to_any_port("127.0.0.1");
    for (const int porta : portas) {
        if (d->servidor.bind_to_port("127.0.0.1", porta)) {
            d->porta = porta;
            break;
        }
    }
    if (d->porta > 0)
        d->fio = std::thread([this] { d->servidor.listen_after_bind(); });
    // A stop that comes before the accept loop runs would be lost, and the
    // loop would then never end: the server is ready once it runs.
    while (d->porta > 0 && !d->servidor.is_running())
        std::this_thread::yield();
}

TServidorLocal::~TServidorLocal() {
    {
        std::lock_guard trava(d->mutex);
        d->encerrando = true;
    }
    d->portaoAberto.notify_all();
    d->servidor.stop();
    if (d->fio.joinable())
        d->fio.join();
}

void TServidorLocal::rota(const QByteArray& caminho, TRota rota) {
    std::lock_guard trava(d->mutex);
    d->rotas.append({caminho, std::move(rota)});
}

void TServidorLocal::rota(const QByteArray& caminho, const TRespostaLocal& resposta) {
    rota(caminho, [resposta](const TPedidoLocal&) { return resposta; });
}

void TServidorLocal::abrirPortao(int portao) {
    {
        std::lock_guard trava(d->mutex);
        d->abertos.insert(portao);
    }
    d->portaoAberto.notify_all();
}

QString TServidorLocal::url(const QByteArray& caminho) const {
    return QStringLiteral("http://") + destino() + QString::fromLatin1(caminho);
}

QString TServidorLocal::destino() const {
    return QStringLiteral("127.0.0.1:%1").arg(d->porta);
}

int TServidorLocal::porta() const {
    return d->porta;
}

int TServidorLocal::conexoesAceitas() const {
    return d->conexoesAceitas.load();
}

QList<TPedidoLocal> TServidorLocal::pedidos() const {
    std::lock_guard trava(d->mutex);
    return d->pedidos;
}

int TServidorLocal::contar(const QByteArray& caminho) const {
    const QList<TPedidoLocal> recebidos = pedidos();
    return static_cast<int>(
        std::count_if(recebidos.begin(), recebidos.end(),
                      [&](const TPedidoLocal& pedido) { return pedido.caminho == caminho; }));
}
