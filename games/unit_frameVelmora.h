#pragma once

#include "games/unit_frameJogo.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QScrollArea;
class TImagem;

// The screen that plays Velmora: the player in a scroll box, the header with
// the expand icon and the performance panel (render mode, quality, hiding
// what the movie draws outside its stage).
class TframeVelmora : public TframeJogo {
    Q_OBJECT
public:
    // The game's name, which also names its data on this computer.
    static inline const QString nomeJogo = QStringLiteral("Velmora");

    TframeVelmora(TContextoTela contexto, const TJanelaJogos& janela, QWidget* pai);

    // The content box; the player and the frame line sit on its scrolled area `areaC`.
    QScrollArea* C;
    QWidget* areaC;
    QFrame* Bevel1;
    TImagem* Image3;
    QPushButton* btnDesempenho;
    TPainel* painelDesempenho;
    QLabel* tituloDesempenho;
    QLabel* textoRender;
    QComboBox* opcoesRender;
    QLabel* textoQualidade;
    QComboBox* opcoesQualidade;
    QCheckBox* checkNoOffset;
    QLabel* textoDInfo;
    QPushButton* btnFechar2;

    void iniciar();
    void mostrarConfigs();
    void aplicarNoOffset();
    void CentralizarFrameJogo();
    void expandirTela();

    QString chaveJogo() const override { return QStringLiteral("velmora"); }
    void FlashFlashCall(const QString& request) override;
    void FrameResize() override;
    // Esc in the performance panel closes it.
    bool tratarAtalho(const QKeyEvent& evento) override;
    void Image3Click();
    void btnFecharClick() override;
    void btnDesempenhoClick();
    void btnFechar2Click();
    void opcoesRenderChange();
    void opcoesQualidadeChange();
    void checkNoOffsetClick();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void nomearAcessiveis() override;

private:
    void criarConteudo();
    void criarCabecalho();
    void criarPainelDesempenho();
    void registrarTextos();
    QString sufixoSala() const;
    bool noOffset() const;
    int lerConfig(const QString& chave, int padrao) const;
    void gravarConfig(const QString& chave, int valor);
    void colorirConteudo(const QColor& cor);
    // Sizes the scrolled area to the viewport or to what its free children reach.
    void ajustarAreaC();

    bool centralizando_ = false;
};
