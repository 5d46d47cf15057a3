#pragma once

#include <QLabel>

// A label that reports a left click, for texts that act as links. It takes
// the keyboard as a link does (Tab reaches it, Enter or Space clicks it, a
// ring shows the focus) and is a link to assistive technology.
class TRotuloClicavel : public QLabel {
    Q_OBJECT
public:
    explicit TRotuloClicavel(QWidget* pai = nullptr);
    explicit TRotuloClicavel(const QString& texto, QWidget* pai = nullptr);

Q_SIGNALS:
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;
};
