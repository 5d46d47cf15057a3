#pragma once

#include <QObject>

class QWidget;

// Keeps a widget filling its parent's client area ("aligned"): at 0,0 and the
// parent's size, following every resize of the parent. Switched off, the
// widget keeps whatever geometry it is given ("free").
class TAjustePai : public QObject {
    Q_OBJECT
public:
    explicit TAjustePai(QWidget* alvo);
    bool alinhado() const { return alinhado_; }
    void setAlinhado(bool alinhado);
    // Puts the widget back in place after a geometry change made while aligned.
    void reajustar();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* alvo_;
    bool alinhado_ = false;
};
