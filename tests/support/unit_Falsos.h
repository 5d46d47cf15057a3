#pragma once

#include "platform/unit_Servicos.h"
#include "tests/support/unit_Impressao.h"

#include <QPoint>
#include <QSize>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>

// Message boxes answered in advance; every box shown is recorded.
class TCaixasMensagemRoteiro : public TCaixasMensagem {
public:
    struct TCaixa {
        QString tipo; // "pergunta", "informacao", "perguntaInformando", "erro"
        QString texto;
    };
    std::deque<bool> respostas; // answers to Yes/No boxes, in order; No when none is left
    QList<TCaixa> mostradas;

    bool perguntar(const QString& texto) override { return responder(QStringLiteral("pergunta"), texto); }
    void informar(const QString& texto) override { mostradas.append({QStringLiteral("informacao"), texto}); }
    bool perguntarInformando(const QString& texto) override {
        return responder(QStringLiteral("perguntaInformando"), texto);
    }
    void avisarErro(const QString& texto) override { mostradas.append({QStringLiteral("erro"), texto}); }

private:
    bool responder(const QString& tipo, const QString& texto) {
        mostradas.append({tipo, texto});
        if (respostas.empty())
            return false;
        const bool resposta = respostas.front();
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

// Data and temporary folders inside one fresh temporary folder per test.
class TPastasTeste : public TPastasSistema {
public:
    QTemporaryDir raiz;
    QString pastaDadosUsuario() const override { return raiz.filePath(QStringLiteral("appdata")); }
    QString pastaTemporaria() const override { return raiz.filePath(QStringLiteral("temp")); }
};

class TAreaTransferenciaFalsa : public TAreaTransferencia {
public:
    QString texto;
    bool ocupada = false; // another program holds the clipboard
    std::function<void()> receptor;
    void aoMudar(std::function<void()> r) override { receptor = std::move(r); }
    QString lerTexto() override;
    // Puts text on the clipboard and notifies, as a copy would.
    void copiar(const QString& novo) {
        texto = novo;
        if (receptor)
            receptor();
    }
};

// The services a test hands to the main window, with the fakes kept at hand.
struct TServicosTeste {
    TCaixasMensagemRoteiro* mensagens;
    TShellGravador* shell;
    TEncerramentoGravador* encerramento;
    TMetricasFalsas* metricas;
    TPastasTeste* pastas;
    TAreaTransferenciaFalsa* areaTransferencia;
    TServicos servicos;

    TServicosTeste();
    // The data folder the main window will use, ending in "/".
    QString pastaDados() const;
};
