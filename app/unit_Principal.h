#pragma once

#include "app/unit_OcultarHomeCallback.h"
#include "games/unit_JanelaJogos.h"
#include "linkguard/unit_ListaURLsTestadas.h"
#include "linkguard/unit_RegrasLinks.h"
#include "platform/unit_Servicos.h"
#include "remote/unit_DocumentoRemoto.h"
#include "ui/unit_ContextoTela.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <array>
#include <exception>
#include <functional>
#include <memory>

class EArquivo;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QTimer;
class TAlternanciaContida;
class TArquivoConfig;
class TDadosJogos;
class TDefinicoesRemotas;
class TIdioma;
class TImagem;
class TFrame;
class TPainel;
class TVigiaLinks;
class TTradutorIdioma;
class TframeConfig;
class TframeJogo;
class TframeErroFlash;
class TframeOutroJogo;
class TframeProtetor;
class TframeVelmora;
class TServidoresJogos;
struct TServidorSocket;

// The main window: owner of the shared state, the three stacked screen panels
// (home, games, and the program's own screens) and the moves between them.
class TPrincipal : public QWidget, public TJanelaJogos {
    Q_OBJECT
public:
    explicit TPrincipal(TServicos servicos, QWidget* pai = nullptr);
    ~TPrincipal() override;

    // Components.
    TPainel* painelHome;
    TPainel* painelHeader;
    QLabel* Image1;
    QFrame* Bevel1;
    TPainel* painelLogoVlm;
    TImagem* logoVelmora;
    QTimer* AnimLogo;
    QTimer* timerOcultarHome;
    TPainel* painelLogoGumbrel;
    TImagem* logoGumbrel;
    TPainel* painelLogoKrd;
    TImagem* logoKraddle;
    TPainel* painelLogoLurr;
    TImagem* logoLurrow;
    TPainel* painelJogo;
    QTimer* timerMostrarHome;
    TPainel* painelQuillet;
    QTimer* timermostrarQuillet;
    QTimer* timerOcultarQuillet;
    QPushButton* btnConfig;
    // The movies' full-screen requests, honoured at most once a second.
    TAlternanciaContida* telaCheiaContida;
    QPlainTextEdit* textoVersao;
    QToolButton* btnKestrum;
    QToolButton* btnYouTube;

    // Fields.
    QList<TImagem*> bannersJogos;
    QList<QImage> bannersOriginais;
    TOcultarHomeCallback callbackOcultarHome;
    int fechandoJogo = -1;
    QStringList listaBadURLs;
    TListaURLsTestadas listaURLsTestadas;
    std::unique_ptr<TArquivoConfig> config;
    QString dataDir;
    QString configPath;
    QString tempDir;
    TIdioma* idioma = nullptr;
    // Qt's texts and the player's follow `idioma`.
    TTradutorIdioma* tradutor = nullptr;
    QStringList qlDef;

    // The program's three own screens, each made hidden in the program panel
    // when it is first needed: a start that shows only the home screen makes
    // none of them.
    TframeProtetor* frameProtetor();
    TframeConfig* frameConfig();
    TframeErroFlash* frameErroFlash();
    // The game screens (empty while a game is closed).
    TframeVelmora* frameVelmora = nullptr;
    std::array<TframeOutroJogo*, 3> framesOutroJogo = {};

    TServicos servicos;

    // The link watcher and the definitions document, which work beside the
    // window on its lists; created at start-up.
    TVigiaLinks* vigiaLinks = nullptr;
    TDefinicoesRemotas* definicoesRemotas = nullptr;
    // The game servers the games' movies were found to connect to.
    std::unique_ptr<TServidoresJogos> servidoresJogos;
    // The cap on what each game keeps on this computer; created at start-up.
    std::unique_ptr<TDadosJogos> dadosJogos;

    // Start-up.
    std::unique_ptr<QIODevice> QuilletRSC(const QString& Nome) const;
    void comporTile(int indice);

    // Screen transitions.
    void mostrarHome();
    void ocultarHome(QWidget* entaoMostrar);
    void mostrarQuillet();
    void ocultarQuillet(QWidget* entaoMostrar);
    void timerMostrarHomeTimer();
    void timerOcultarHomeTimer();
    void timermostrarQuilletTimer();
    void timerOcultarQuilletTimer();

    // Home screen.
    // Opens the game of a home tile (0 Velmora, 1 Kraddle, 2 Gumbrel, 3 Lurrow) as its click does.
    void abrirJogo(int indiceTile);
    // The same for a game asked for on the command line: it comes in place
    // of the settings screen a first start slides in.
    void abrirJogoPedido(int indiceTile);
    void painelHomeResize();
    void AnimLogoTimer();
    void btnConfigClick();
    void btnKestrumClick();
    void btnYouTubeClick();
    // Hands a web address (absolute http or https) to the desktop; false,
    // with nothing opened, for anything else.
    bool abrirURL(const QString& URL);

    // Full screen.
    void modoFullscreen();
    bool emFullscreen() const override;
    // The window as the game screens' headers read it.
    int topoJanela() const override;
    int alturaLegenda() const override;

    // Closing and application-wide events.
    bool FormCloseQuery();
    void FormClose();
    bool ApplicationEvents1Message(QObject* destino, QEvent* Msg);
    void ApplicationEvents1Exception(const std::exception& E);
    // Tells the user, once per run, that settings cannot be saved; the refused
    // write still raises its error.
    void avisarConfigNaoGravada(const EArquivo& erro);

    // Game screens.
    void abrirVelmora();
    void abrirKraddle();
    void abrirGumbrel();
    void abrirLurrow();
    void fecharVelmora();
    void fecharOutroJogo();
    // Closes the open games and erases every game's data, and says so.
    void limparDadosJogos();

    // Link protection: the clipboard handler and the judge are the watcher's.
    void WMDrawClipboard();
    bool verificarBadURL(QString url, QString urlOriginal, const QString& titulo);
    void mostrarProtetor();
    // Takes the compiled bad-site list for the judgements to come, and its
    // entries into `listaBadURLs`, by a swap: `regras` gets the old rules.
    void definirListaBadURLs(TRegrasLinks& regras);
    // Brings the main window to the foreground, in front of other programs.
    virtual void trazerParaPrimeiroPlano();
    // The same, from minimised too: what another start of the program asks.
    void virParaFrente();
    // Follows `url` on a worker (the watcher asks for it); every address it
    // reaches is added to listaURLsTestadas and judged, the final one with its page title.
    virtual void iniciarVerificador(const QString& url);
    // Opens in the desktop's browser a web address a movie asked to open, once
    // the link check (when on) has let it through.
    void abrirLinkDoFilme(const QString& url);

    // Remote definitions: the handlers of the downloads, with the document
    // made ready on the loader's worker (`vazio` when the download failed).
    void carregamentoQLDef(TDocumentoRemoto& data, const QString& url);
    void carregamentoBadlist(TDocumentoRemoto& data, const QString& url);
    // The bad-site list's preparation on its loader's worker; what it returns
    // hands the list to the watcher on the UI thread.
    std::function<void()> prepararListaBadURLs(const QStringList& linhas);

protected:
    void closeEvent(QCloseEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void criarComponentes();
    void criarHome();
    void criarPainelLogo(TPainel*& painel, TImagem*& logo, const char* nomePainel, const char* nomeLogo,
                         const QRect& geometria);
    void FormCreate();
    void iniciarInterface();
    void carregarIdiomaInicial();
    QString textoSobre(const QString& linhaVersao) const;
    void primeiroUso();
    // What every screen receives of the window.
    TContextoTela contextoTelas();
    template <typename TTela> TTela* telaOculta(TTela*& tela);
    void prepararTelaOculta(TFrame* tela);
    void ligarTelaOculta(TframeProtetor* tela);
    void ligarTelaOculta(TframeConfig* tela);
    void ligarTelaOculta(TframeErroFlash* tela);
    // Builds a game screen hidden in the game panel, wired to the window, and starts it.
    template <typename TTela, typename TIniciar> void construirTela(TTela*& tela, TIniciar iniciar);
    void ligarTelaJogo(TframeJogo* tela);
    // The servers a game's movie may reach from its start: those the
    // definitions document names for it ("sockets_<game>"), then those it
    // was found to connect to.
    QList<TServidorSocket> servidoresSocket(const QString& jogo) const;
    void abrirOutroJogo(int indice);
    void criarDadosJogos();
    // Whether the screen of the game whose data goes by `jogo` is open.
    bool jogoAberto(const QString& jogo) const;

    bool lerOpcao(const QString& chave, bool padrao) const;
    bool animar() const;
    void concluirTransicaoEmCurso();
    void reivindicarAcao();
    void executarAcaoPendente();
    void alinharComponentesHome();
    void ligarTiles();
    void ligarTile(TImagem* imagem, int indice);
    // The open operation of a tile's game.
    TOcultarHomeCallback aberturaJogo(int indiceTile);
    // The keyboard order of the home screen, in reading order.
    void ordenarTeclado();
    // The names and descriptions of the home screen for assistive technology.
    void nomearAcessiveisHome();
    // Makes the screen of the tile's game visible before the slide, when it exists.
    void mostrarJogoExistente(int indiceTile);
    void criarVigiaLinks();
    void criarDefinicoesRemotas();
    // `doFilme`: the address is one a movie asked to open, not a copy.
    void avisarLinkRuim(const QString& url, const QString& urlOriginal, TRegrasLinks::TVeredito veredito,
                        bool doFilme);
    // The four game screens, Velmora first, each null while its game is closed.
    std::array<TframeJogo*, 4> telasJogo() const;
    // Whether the program's own screens lie over the game panel.
    bool jogosCobertos() const;
    void atualizarCoberturaJogos();

    void avisarAtualizacao(const QString& versaoStr, const QString& atualizacao);

    // The keyboard: the panel in front and its screen take it.
    QWidget* painelEmFrente() const;
    bool teclaParaTelaCoberta(QObject* objeto, QEvent* evento);
    void guardarFocoHome();
    void focarEmFrente();
    // The keyboard to the player of the game shown in the game panel.
    void focarJogoEmVista();

    // The pending action taken over by the running transition at its first tick.
    TOcultarHomeCallback acaoTransicao_;
    bool acaoReivindicada_ = false;
    bool concluindoTransicao_ = false;
    // Made by their accessors; the order of the stack, bottom first.
    TframeProtetor* frameProtetor_ = nullptr;
    TframeConfig* frameConfig_ = nullptr;
    TframeErroFlash* frameErroFlash_ = nullptr;
    bool avisouConfigNaoGravada_ = false;
    bool mostrandoAviso_ = false;
    // What held the focus on home when it was left, and whether its ring showed.
    QPointer<QWidget> focoHome_;
    bool focoHomeVisivel_ = false;

    // The hand-overs of workers run only while this exists. Keep it the last
    // member: it is then the first thing destroyed with the window.
    QObject guardaEntregas;
};
