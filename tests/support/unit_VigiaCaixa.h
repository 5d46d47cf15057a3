#pragma once

#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <memory>

// Runs `fazer` once, on the first message box that is open modally from now
// on (where the test reads and closes it), for as long as the watch lives.
std::unique_ptr<QTimer> vigiarCaixa(std::function<void(QMessageBox*)> fazer);
