#pragma once

#include <QApplication>

// The application object. Every exception that leaves an event handler, a
// timer tick or a slot ends that operation and reaches the one
// application-wide handler (TratadorErros); the program then goes on running.
class TAplicacao : public QApplication {
    Q_OBJECT
public:
    TAplicacao(int& argc, char** argv);
    bool notify(QObject* receptor, QEvent* evento) override;
};
