#pragma once

#include <QFrame>
#include <QString>

class TAjustePai;

// A panel: a plain container that can fill its parent ("aligned") or stand
// at an explicit place ("free"), and shows an optional caption centred in it.
class TPainel : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QString text READ caption WRITE setCaption)
public:
    explicit TPainel(QWidget* pai = nullptr);

    bool alinhado() const;
    void setAlinhado(bool alinhado);
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    void setCor(const QColor& cor);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    TAjustePai* ajuste_;
    QString caption_;
};
