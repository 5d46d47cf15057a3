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

    // Ends the process at once, once the windows are gone. Worker threads are
    // never waited for: a download or a link check still in flight must not
    // keep the program, nor run exit handlers under it. Qt's own clean-up
    // routines, which only the application object's end would run, run first:
    // the browser's among them stops it, and with it writes its cookies and
    // the movies' stored data to disk.
    [[noreturn]] static void encerrarProcesso(int codigo);
};
