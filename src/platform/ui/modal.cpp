#include "platform/ui/modal.h"

#include <QKeyEvent>

namespace platform
{

namespace
{
ModalRunner& currentRunner()
{
    static ModalRunner runner;
    return runner;
}

// Takes the Escape that reaches the dialog (a control that uses Escape itself keeps it).
class EscapeSperre : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel))
            return true;
        return QObject::eventFilter(watched, event);
    }
};

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

void escapeDoesNothing(QDialog& dialog)
{
    dialog.installEventFilter(new EscapeSperre(&dialog));
}

} // namespace platform
