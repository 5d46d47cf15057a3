#pragma once

#include <QFrame>

// A screen: a composite panel with named child components. The translation
// registry names a control by the screen it sits in, so screens derive from
// this class and nothing else does. Tab and Shift+Tab go round the screen's
// own controls: the keyboard never wanders to a screen it covers.
class TFrame : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;

    // Gives the keyboard focus to the screen's first control that takes it;
    // false when none does.
    bool focarPrimeiro();

protected:
    bool focusNextPrevChild(bool proximo) override;

private:
    // The next (or previous) control of this screen after `de` that takes the
    // focus by Tab; null when there is none.
    QWidget* vizinhoNoFoco(QWidget* de, bool proximo) const;
};
