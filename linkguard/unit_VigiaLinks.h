#pragma once

#include "linkguard/unit_FilaVerificacoes.h"
#include "linkguard/unit_ListaURLsTestadas.h"
#include "linkguard/unit_RegrasLinks.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>

class QTimer;
class TAreaTransferencia;
class TArquivoConfig;

// The clipboard link watcher. While the player is inside the watched game,
// the first web address copied is judged by the link rules and, unless it is
// bad already or was reached before, a verifier is asked for; every address
// a verifier reaches is judged in turn. It shows nothing: a bad link is
// announced, and so is a verification wanted.
//
// Where the text as written gives no bad verdict, a second look reads its
// canonical copy (TextoCanonico): the first address found there, or a link to
// a numeric IPv4 host, is judged by the bad-site list alone (keywords count
// only as written). When the text as written holds no address at all, the
// address of the canonical copy is the one verified. The second look pays
// its searches from what the first look's judgement left.
//
// Changes of the clipboard are judged in bursts: a change made inside the
// game only asks for a judgement, and the latest text is read and judged
// once, `esperaRajada` ms after the last change of the burst, or
// `esperaMaxima` ms after its first change while changes keep coming. A
// movie writing the clipboard thousands of times costs the UI thread a
// restarted timer per change: judged one by one, the browser's queue of
// clipboard writes waiting for the UI thread grew by megabytes a second.
class TVigiaLinks : public QObject {
    Q_OBJECT
public:
    // What the watcher asks of the program around it.
    struct TPortoes {
        // The definitions document switched the watcher off.
        std::function<bool()> desligadoRemotamente;
        // The watched game is on screen with its player holding the keyboard focus.
        std::function<bool()> jogoComFoco;
    };

    // `listaBadURLs` and `listaURLsTestadas` are the lists the watcher reads
    // and fills; they and `config` outlive it. Verifiers hand their reports
    // over only while `vida` lives.
    TVigiaLinks(const TArquivoConfig& config, TAreaTransferencia& areaTransferencia,
                QStringList& listaBadURLs, TListaURLsTestadas& listaURLsTestadas, TPortoes portoes,
                QObject* vida, QObject* pai);

    // How long an address a movie asked to open waits for its check at most.
    static inline std::chrono::milliseconds esperaAbertura{10'000};

    static constexpr int esperaRajada = 50;
    static constexpr int esperaMaxima = 250;

    // The clipboard's content changed.
    void areaTransferenciaMudou();
    // Whether links are judged at all: the definitions document has not
    // switched the watcher off, the interface speaks the built-in Portuguese
    // the rules are written for, and the user has not switched it off.
    bool protecaoLigada() const;
    // A web address a movie asks to open, judged as a copied text is (a bad
    // one announced and never let through), then followed by a verifier: let
    // through (`linkLiberado`) once the check ends without a bad verdict (a
    // failed fetch is not bad), or `esperaAbertura` after it was asked.
    void julgarLinkDoFilme(const QString& url);
    // The tick of both timers: judges the clipboard's latest text. An error
    // reading the clipboard ends it (the burst is not judged).
    void timerAreaTransferenciaTimer();
    // Restarted by every change of a burst made inside the game.
    QTimer* timerAreaTransferencia;
    // Started by the first change of a burst, and not by the others.
    QTimer* timerRajadaMaxima;
    // Judges `url`, reached from `urlOriginal` (both get "http://" in front
    // unless they begin with it), on a page titled `titulo` (empty when
    // unknown). True, with the link announced, when it is bad.
    bool verificarBadURL(QString url, QString urlOriginal, const QString& titulo);
    // Takes the compiled bad-site list for the judgements to come, and its
    // entries into `listaBadURLs`, by a swap: `regras` gets the old rules.
    void definirListaBadURLs(TRegrasLinks& regras);
    // Has `url` followed on a worker, through the bounded queue of checks;
    // every address it reaches is added to `listaURLsTestadas` and judged,
    // the final one with its page title.
    void iniciarVerificador(const QString& url);
    const TFilaVerificacoes& filaVerificacoes() const { return fila_; }

Q_SIGNALS:
    // `url`, reached from the copied `urlOriginal`, is bad by the rule `veredito`.
    void linkRuim(const QString& url, const QString& urlOriginal, TRegrasLinks::TVeredito veredito);
    // The same for an address a movie asked to open (nothing was copied).
    void linkDoFilmeRuim(const QString& url, const QString& urlOriginal, TRegrasLinks::TVeredito veredito);
    // A copied address not found bad and not reached before is to be followed.
    void verificacaoPedida(const QString& url);
    // An address a movie asked to open may be opened.
    void linkLiberado(const QString& url);

private:
    // An address a movie asked to open, while its check runs.
    struct TAbertura {
        QString url;
        bool ruim = false;
    };

    // Both looks at a copied text: the address to follow (empty when there
    // is none), and whether either look found an address bad (announced).
    struct TOlhar {
        QString aVerificar;
        bool enderecoRuim = false;
        bool canonicoRuim = false;
    };
    TOlhar olhar(const QString& texto);
    void terminarAbertura(const QString& url);
    void anunciar(const QString& url, const QString& urlOriginal, TRegrasLinks::TVeredito veredito);
    void julgarAreaTransferencia();
    bool julgar(QString url, QString urlOriginal, const QString& titulo, TOrcamento& orcamento);
    // The second look at the copied `texto`, whose first look found
    // `endereco` (empty when none): the canonical copy's address, or empty
    // when it is bad (announced, `ruim` set) or there is none.
    QString olharCanonico(const QString& texto, const QString& endereco, TOrcamento& orcamento, bool& ruim);
    const TRegrasLinks& regras();
    TTrabalhador* criarVerificador(const QString& url);

    const TArquivoConfig& config_;
    TAreaTransferencia& areaTransferencia_;
    QStringList& listaBadURLs_;
    TListaURLsTestadas& listaURLsTestadas_;
    TPortoes portoes_;
    QObject* vida_;
    // The compiled form of `listaBadURLs_`.
    TRegrasLinks regras_;
    TFilaVerificacoes fila_;
    QList<TAbertura> aberturas_;
    // A judgement under way is of an address a movie asked to open.
    bool julgandoFilme_ = false;
};
