#include "platform/ui/modal.h"

namespace platform
{

namespace
{
ModalRunner& currentRunner()
{
    static ModalRunner runner;
    return runner;
}
} // namespace

ModalRunner setModalRunner(ModalRunner runner)
{
    ModalRunner previous = std::move(currentRunner());
    currentRunner() = std::move(runner);
    return previous;
}

int runModal(QDialog& dialog)
{
    if (currentRunner())
        return currentRunner()(dialog);
    return dialog.exec();
}

} // namespace platform
