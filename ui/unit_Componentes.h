#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QString>

class QFrame;
class QLabel;
class QPainter;
class QPlainTextEdit;
class QWidget;
class TPainel;

// Building blocks the screens share.
namespace Componentes {
// The grey of secondary texts (notes, addresses, the terms' link): 6.5:1 and
// more on the screens' whites and light greys.
inline const QColor cinzaTexto(0x59, 0x59, 0x59);

QFont fonteSegoe(int pixels, bool negrito = false);
void pintarFundo(QWidget* widget, const QColor& cor);
// A screen's white title bar, 68 pixels high.
TPainel* criarCabecalho(QWidget* pai, const char* nome);
// The title label `textoTitulo` filling a title bar, centred, bold, 29-pixel characters.
QLabel* criarTituloCabecalho(TPainel* cabecalho, const QString& texto);
// A picture of the program's resources (all PNG), decoded by Qt's own PNG
// reader. Guessing the format, or merely naming it, would have Qt load every
// image plugin it has (GIF, ICO, JPEG...) to ask each whether it reads it.
// On a scaled screen it comes at the screen's pixel density (from the
// picture drawn at twice the pixels), so that it stays sharp.
QImage imagem(const QString& recurso);
// The program's icon, at the sizes a desktop shows a window's icon.
QIcon iconePrograma();
// A picture from the program's resources, at its own size.
QLabel* criarImagem(QWidget* pai, const char* nome, const QString& recurso);
// A horizontal separator line of the given height.
QFrame* criarLinha(QWidget* pai, const char* nome, int altura);
// The ring that shows which control holds the keyboard focus, inside `area`.
void pintarFoco(QPainter& pintor, const QRect& area);
// Replaces a memo's text; the language files' CR LF line ends become its own line breaks.
void escreverMemo(QPlainTextEdit* memo, QString texto);
// The height at which a memo `largura` pixels wide shows its whole text,
// its lines wrapped as the memo wraps them, without scrolling.
int alturaTexto(const QPlainTextEdit* memo, int largura);
} // namespace Componentes
