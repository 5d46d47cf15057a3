#pragma once

#include <QLabel>

// A label that reports a left click, for texts that act as links.
class TRotuloClicavel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent* evento) override;
};
