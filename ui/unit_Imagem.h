#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

// A picture component: shows its bitmap at its top-left corner and reports
// the mouse as enter, leave, down, up and click events. `hint` is a free text
// that is never shown. Given a focus policy, it takes the keyboard as a
// button does: Enter or Space is a click, and a ring shows that it holds the
// focus (unless the mouse gave it).
class TImagem : public QWidget {
    Q_OBJECT
public:
    explicit TImagem(QWidget* pai = nullptr);

    QImage bitmap;
    // The fill colour of the bitmap's drawing surface.
    QColor corFundo = Qt::white;
    QString hint;

Q_SIGNALS:
    void MouseEnter();
    void MouseLeave();
    void MouseDown(Qt::MouseButton botao);
    void MouseUp(Qt::MouseButton botao);
    void Click();

protected:
    void paintEvent(QPaintEvent* evento) override;
    void enterEvent(QEnterEvent* evento) override;
    void leaveEvent(QEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;

private:
    Qt::MouseButton botaoPressionado_ = Qt::NoButton;
};
