#pragma once

#include "platform/unit_Servicos.h"
#include "tests/support/unit_Impressao.h"

#include <QMap>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <optional>

// Message boxes answered in advance; every box shown is recorded.
class TCaixasMensagemRoteiro : public TCaixasMensagem {
public:
    struct TCaixa {
        QString tipo; // "pergunta", "informacao", "perguntaInformando", "erro"
        QString texto;
    };
    // Answers to Yes/No boxes, in order: Yes, No, or the box put away with Esc
    // (none); No when none is left.
    std::deque<std::optional<bool>> respostas;
    QList<TCaixa> mostradas;

    bool perguntar(const QString& texto) override {
        return responder(QStringLiteral("pergunta"), texto).value_or(false);
    }
    TResposta perguntarOuFechar(const QString& texto) override {
        const std::optional<bool> resposta = responder(QStringLiteral("pergunta"), texto);
        return !resposta ? TResposta::nenhuma : *resposta ? TResposta::sim : TResposta::nao;
    }
    void informar(const QString& texto) override { mostradas.append({QStringLiteral("informacao"), texto}); }
    bool perguntarInformando(const QString& texto) override {
        return responder(QStringLiteral("perguntaInformando"), texto).value_or(false);
    }
    void avisarErro(const QString& texto) override { mostradas.append({QStringLiteral("erro"), texto}); }

private:
    std::optional<bool> responder(const QString& tipo, const QString& texto) {
        mostradas.append({tipo, texto});
        if (respostas.empty())
            return false;
        const std::optional<bool> resposta = respostas.front();
        respostas.pop_front();
        return resposta;
    }
};

class TShellGravador : public TShell {
public:
    QStringList abertos;
    void abrir(const QString& url) override { abertos.append(url); }
};

class TEncerramentoGravador : public TEncerramento {
public:
    int vezes = 0;
    void encerrarAgora() override { ++vezes; }
};

class TMetricasFalsas : public TMetricasJanela {
public:
    QPoint cursor;
    int legenda = 23;
    QSize tela{1920, 1080};
    QPoint posicaoCursor() const override { return cursor; }
    int alturaLegenda(const QWidget*) const override { return legenda; }
    QSize tamanhoTela() const override { return tela; }
};

// Data, cache and temporary folders inside one fresh temporary folder per test.
class TPastasTeste : public TPastasSistema {
public:
    QTemporaryDir raiz;
    QString pastaDadosUsuario() const override { return raiz.filePath(QStringLiteral("appdata")); }
    QString pastaCacheUsuario() const override { return raiz.filePath(QStringLiteral("cache")); }
    QString pastaTemporaria() const override { return raiz.filePath(QStringLiteral("temp")); }
};

class TAreaTransferenciaFalsa : public TAreaTransferencia {
public:
    QString texto;
    bool ocupada = false; // another program holds the clipboard
    int leituras = 0;
    std::function<void()> receptor;
    void aoMudar(std::function<void()> r) override { receptor = std::move(r); }
    QString lerTexto() override;
    void limpar() override { copiar(QString()); }
    // Puts text on the clipboard and notifies, as a copy would.
    void copiar(const QString& novo) {
        texto = novo;
        if (receptor)
            receptor();
    }
};

// A player that records what it is given and makes the movie's calls and
// load states only when the test says so.
class TFlashPlayerFalso : public TFlashPlayer {
    Q_OBJECT
public:
    using TFlashPlayer::TFlashPlayer;

    QString bgColor, scale, wmode;
    int quality = -1;
    QStringList movies;    // every address given to Movie, in order
    QList<int> qualidades; // every Quality set, in order
    QList<TServidorSocket> servidores;

    QString BGColor() const override { return bgColor; }
    void setBGColor(const QString& rrggbb) override { bgColor = rrggbb; }
    QString Movie() const override { return movies.isEmpty() ? QString() : movies.last(); }
    void setMovie(const QString& url) override { movies.append(url); }
    QString Scale() const override { return scale; }
    void setScale(const QString& escala) override { scale = escala; }
    QString WMode() const override { return wmode; }
    void setWMode(const QString& modo) override { wmode = modo; }
    int Quality() const override { return quality; }
    void setQuality(int qualidade) override {
        quality = qualidade;
        qualidades.append(qualidade);
    }

    void setServidoresSocket(const QList<TServidorSocket>& lista) override { servidores = lista; }

    // One external call of the movie, answered by the screen (or not).
    std::optional<QString> chamar(const QString& request) { return chamarExterno(request); }
    void mudarEstado(int estado) { informarEstado(estado); }
    // The movie reached a server it was not given.
    void descobrir(const TServidorSocket& servidor) { informarServidorSocket(servidor); }
    // The user clicked in the movie, which asks to open `url`.
    void abrirEndereco(const QString& url) { pedirAbertura(url); }
};

// Makes recording players and keeps every one it made (empty once destroyed),
// with the game it was made for. Each game's stored data is a size the test
// sets; erasing it is refused while a player of the game lives.
class TFabricaPlayerFalsa : public TFabricaPlayer {
public:
    QList<QPointer<TFlashPlayerFalso>> criados;
    QStringList jogos; // of `criados`, in order
    QMap<QString, qint64> dados;
    QStringList limpos; // every game erased, in order

    TFlashPlayer* criar(QWidget* pai, const QString& jogo) override;
    TMedidorDados medidorDados() const override;
    bool limparDados(const QString& jogo) override;
};

// As on a machine without the player control.
class TFabricaPlayerAusente : public TFabricaPlayer {
public:
    TFlashPlayer* criar(QWidget* pai, const QString& jogo) override;
    TMedidorDados medidorDados() const override {
        return [](const QString&, qint64) { return 0; };
    }
    bool limparDados(const QString&) override { return true; }
};

// The services a test hands to the main window, with the fakes kept at hand.
struct TServicosTeste {
    TCaixasMensagemRoteiro* mensagens;
    TShellGravador* shell;
    TEncerramentoGravador* encerramento;
    TMetricasFalsas* metricas;
    TPastasTeste* pastas;
    TAreaTransferenciaFalsa* areaTransferencia;
    TFabricaPlayerFalsa* fabricaPlayer;
    TServicos servicos;

    TServicosTeste();
    // The data folder the main window will use, ending in "/".
    QString pastaDados() const;
    // Writes the settings file the main window will read.
    void escreverConfig(const QByteArray& conteudo) const;
};
