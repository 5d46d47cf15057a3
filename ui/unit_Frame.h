#pragma once

#include <QFrame>

// A screen: a composite panel with named child components. The translation
// registry names a control by the screen it sits in, so screens derive from
// this class and nothing else does.
class TFrame : public QFrame {
    Q_OBJECT
public:
    using QFrame::QFrame;
};
