#pragma once

#include "ui/unit_ContextoTela.h"
#include "ui/unit_Frame.h"

class EErro;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
class TPainel;
class TRotuloClicavel;

// The settings screen: every user setting, the interface language and the
// terms of use. It keeps nothing itself: the controls are filled from the
// settings file whenever the screen is shown, and each change is written at once.
class TframeConfig : public TFrame {
    Q_OBJECT
public:
    TframeConfig(TContextoTela contexto, QWidget* pai);

    void init();
    void mostrarConfigs();

    void btnVoltarClick();
    void opcoesRenderChange();
    void opcoesQualidadeChange();
    void checkNoOffsetClick();
    void checkAnimClick();
    void checkVLinksClick();
    void checkSalaClick();
    void checkMenuCtxClick();
    void selectIdiomaChange();
    void textoContratoClick();
    void btnLimparDadosClick();

    QScrollArea* ScrollBox1;
    TPainel* Panel1;
    QLabel* textoTitulo;
    QPushButton* btnVoltar;
    TRotuloClicavel* textoContrato;
    QFrame* Bevel3;
    QLabel* textoDesempenho;
    QFrame* Bevel1;
    QLabel* textoRender;
    QComboBox* opcoesRender;
    QLabel* textoQualidade;
    QComboBox* opcoesQualidade;
    QCheckBox* checkNoOffset;
    QCheckBox* checkAnim;
    QLabel* textoVLinks;
    QCheckBox* checkVLinks;
    QLabel* textoDescricaoVLinks;
    QFrame* Bevel2;
    QLabel* textoOutras;
    QCheckBox* checkSala;
    QCheckBox* checkMenuCtx;
    QPushButton* btnLimparDados;
    QLabel* labelIdioma;
    QComboBox* selectIdioma;
    QLabel* Image1;

Q_SIGNALS:
    // The screen is to slide away and uncover home.
    void voltarPedido();
    // The user declined the terms of use: the program is to end at once, without the close question.
    void encerramentoPedido();
    // The user confirmed erasing what the games stored on this computer: the
    // open games are to be closed and every game's data erased.
    void limpezaDadosPedida();

private:
    void criarComponentes(QWidget* conteudo, QVBoxLayout* layout);
    void ligarEventos();
    void recuperarIdioma(const EErro& erro);
    void gravarOpcao(const QString& chave, bool valor);
    void gravarIndice(const QString& chave, int indice);

    TContextoTela contexto_;
};
