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

// Qt closes a dialog on Escape; in a dialog whose design gives Escape no meaning it does
// nothing, so nothing the user picked or sees is thrown away by a stray key.
void escapeDoesNothing(QDialog& dialog);

} // namespace platform
