#include "player/unit_PaginaRuffle.h"
#include "player/unit_PonteSockets.h"
#include "tests/player/unit_AmbienteRuffle.h"
#include "tests/player/unit_ServidorJogo.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace MotorTeste;

namespace {

// The port every socket test movie connects to, on "localhost".
constexpr quint16 portaFilmes = 8001;

QString pastaFixtures() {
    return QStringLiteral(QUILLET_DADOS_TESTE "/swf-sockets");
}

QByteArray lerFixture(const QString& caminho) {
    QFile arquivo(pastaFixtures() + QLatin1Char('/') + caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

// The server's side of a movie's conversation (socket.json), followed on the
// game connection step by step.
class TConversa : public QObject {
public:
    explicit TConversa(const QByteArray& roteiro) {
        for (const QJsonValue& passo : QJsonDocument::fromJson(roteiro).array()) {
            const QJsonObject objeto = passo.toObject();
            QByteArray bytes;
            for (const QJsonValue& b :
                 objeto
                     .value(objeto.contains(QStringLiteral("expected")) ? QStringLiteral("expected")
                                                                        : QStringLiteral("payload"))
                     .toArray())
                bytes.append(static_cast<char>(b.toInt()));
            passos_.append({objeto.value(QStringLiteral("type")).toString(), bytes});
        }
    }

    void seguir(QTcpSocket* socket) {
        socket_ = socket;
        connect(socket, &QTcpSocket::readyRead, this, &TConversa::avancar);
        connect(socket, &QTcpSocket::disconnected, this, &TConversa::avancar);
        avancar();
    }
    bool concluida() const { return passo_ == passos_.size(); }
    QString erro() const { return erro_; }

private:
    void avancar() {
        while (socket_ && passo_ < passos_.size()) {
            const auto& [tipo, bytes] = passos_.at(passo_);
            if (tipo == QLatin1String("Receive")) {
                recebido_ += socket_->readAll();
                if (recebido_.size() < bytes.size())
                    return;
                if (!recebido_.startsWith(bytes))
                    erro_ += QStringLiteral("step %1 received %2\n")
                                 .arg(passo_)
                                 .arg(QString::fromLatin1(recebido_.toHex(' ')));
                recebido_.remove(0, bytes.size());
            } else if (tipo == QLatin1String("WaitForDisconnect") &&
                       socket_->state() == QAbstractSocket::ConnectedState) {
                return;
            }
            // The step is done before its effect, which may come back here (a close).
            ++passo_;
            if (tipo == QLatin1String("Send"))
                socket_->write(bytes);
            else if (tipo == QLatin1String("Disconnect"))
                socket_->disconnectFromHost();
        }
    }

    QList<std::pair<QString, QByteArray>> passos_;
    qsizetype passo_ = 0;
    QTcpSocket* socket_ = nullptr;
    QByteArray recebido_;
    QString erro_;
};

class SocketsRuffle : public TAmbienteRuffle {
protected:
    void SetUp() override {
        TAmbienteRuffle::SetUp();
        servidor.rota("/swf-sockets/*", [](const TPedidoLocal& pedido) {
            const QByteArray corpo = lerFixture(QString::fromUtf8(pedido.caminho.mid(13)));
            return corpo.isEmpty() ? TRespostaLocal{404, "nada aqui", "text/plain"}
                                   : TRespostaLocal{200, corpo, "application/x-shockwave-flash"};
        });
        // The movies' host is this machine: the test lets exactly its game
        // port and the policy server's port through.
        TPonteSockets::limites.portaPolitica = politica.porta();
        TPonteSockets::limites.destinosPermitidos = {QStringLiteral("127.0.0.1:%1").arg(portaFilmes),
                                                     politica.destino()};
    }

    QString urlFixture(const QString& nome) const {
        QUrl url(servidor.url("/swf-sockets/" + nome.toUtf8() + "/test.swf"));
        url.setHost(QStringLiteral("localhost"));
        return url.toString();
    }

    TServidorJogo politica;
};

} // namespace

// The engine's own socket test movies, ActionScript 1 and 3, each in a new
// player: the conversation of its socket.json runs through the bridge, and
// the movie's traces are the ones the engine's suite expects.
TEST_F(SocketsRuffle, TheEnginesSocketMoviesHoldTheirConversationsThroughTheBridge) {
    const QStringList fixtures = QDir(pastaFixtures()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(fixtures.size(), 13);
    for (const QString& nome : fixtures) {
        SCOPED_TRACE(nome.toStdString());
        TServidorJogo jogo(false, portaFilmes);
        ASSERT_EQ(jogo.porta(), portaFilmes);
        TConversa conversa(lerFixture(nome + QStringLiteral("/socket.json")));
        jogo.aoConectar = [&](QTcpSocket* socket) { conversa.seguir(socket); };

        rastros.clear();
        TFlashPlayerRuffle* player = criarPlayer();
        player->setServidoresSocket({{QStringLiteral("localhost"), portaFilmes}});
        // The engine's suite logged every socket the movie opened without a
        // server; the page tells them in the same order as the traces.
        QObject::connect(player->findChild<TPaginaRuffle*>(), &TPaginaRuffle::socketSemServidor, player,
                         [this](const QString& host, int porta) {
                             rastros.append(QStringLiteral("Navigator::connect_socket"));
                             rastros.append(QStringLiteral("    Host: %1; Port: %2").arg(host).arg(porta));
                         });
        player->setMovie(urlFixture(nome));

        const QString esperado =
            QString::fromUtf8(lerFixture(nome + QStringLiteral("/output.txt"))).trimmed();
        const qsizetype linhas = esperado.count(QLatin1Char('\n')) + 1;
        esperar([&] {
            return conversa.concluida() && !rastros.isEmpty() &&
                   rastros.join(QLatin1Char('\n')).count(QLatin1Char('\n')) + 1 >= linhas;
        });
        EXPECT_TRUE(conversa.concluida());
        EXPECT_EQ(conversa.erro(), QString());
        EXPECT_EQ(rastros.join(QLatin1Char('\n')), esperado);
        delete player;
    }
}

// A movie connecting to a server it was not given: the server, found within
// reach, is told and the movie restarted once, and its next attempt connects.
TEST_F(SocketsRuffle, AServerAMovieAsksForIsTakenAndTheMovieRestartedOnceToReachIt) {
    TServidorJogo jogo(false, portaFilmes);
    const QString nome = QStringLiteral("avm1_xml_socket");
    TConversa conversa(lerFixture(nome + QStringLiteral("/socket.json")));
    jogo.aoConectar = [&](QTcpSocket* socket) { conversa.seguir(socket); };
    TFlashPlayerRuffle* player = criarPlayer();
    QList<TServidorSocket> aprendidos;
    player->OnServidorSocket = [&](const TServidorSocket& achado) { aprendidos.append(achado); };
    player->setMovie(urlFixture(nome));

    ASSERT_TRUE(esperar([&] { return conversa.concluida() && rastros.contains(QStringLiteral("closed")); }));
    EXPECT_EQ(aprendidos, QList<TServidorSocket>({{QStringLiteral("localhost"), portaFilmes}}));
    EXPECT_EQ(jogo.conexoesJogo().size(), 1);
    // The first start failed at once, the second connected.
    EXPECT_EQ(rastros.count(QStringLiteral("connected status:")), 2);
    EXPECT_EQ(rastros.mid(rastros.lastIndexOf(QStringLiteral("connected status:")), 2),
              QStringList({QStringLiteral("connected status:"), QStringLiteral("true")}));
    EXPECT_EQ(estados, QList<int>({0, 4, 0, 4}));
    EXPECT_EQ(politica.pedidosPolitica(), 1);
}
