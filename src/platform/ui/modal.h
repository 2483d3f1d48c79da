#pragma once

#include <QDialog>
#include <functional>

namespace platform
{

// Modal windows are run through this replaceable function, so tests can drive a modal
// window without a nested event loop blocking them.
using ModalRunner = std::function<int(QDialog&)>;

ModalRunner setModalRunner(ModalRunner runner);
int runModal(QDialog& dialog);

} // namespace platform
