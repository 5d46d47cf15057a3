#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// What the player shows in place of a movie that cannot play: a title, the
// reason in plain words, the technical line, and a button that loads the
// movie again. Its colours follow the movie's background.
class TPalcoFalha : public QWidget {
    Q_OBJECT
public:
    explicit TPalcoFalha(QWidget* pai);

    // The texts; an empty detail leaves its line out.
    void mostrar(const QString& titulo, const QString& motivo, const QString& detalhe, const QString& acao);
    // Light text on a dark background, dark text on a light one.
    void colorir(const QColor& fundo);

    QLabel* textoTitulo;
    QLabel* textoMotivo;
    // The technical line: the movie's address and what the engine said.
    QLabel* textoFalha;
    QPushButton* btnTentar;

Q_SIGNALS:
    // The movie is to be loaded again.
    void tentarPedido();
};
