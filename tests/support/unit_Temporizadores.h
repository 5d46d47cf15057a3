#pragma once

#include <QStringList>

class QObject;

// Once the events already posted have run, the objects of `raiz`'s tree
// (itself included) that have a timer registered with the event loop or an
// animation running: whatever would wake the program up while nobody touches
// it. Each is named by its class and object names.
QStringList temporizadoresAtivos(QObject* raiz);
