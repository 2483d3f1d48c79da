#include "platform/ui/messages.h"

#include "platform/base/filecopy.h"
#include "platform/base/savefile.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace platform
{

namespace
{

QMessageBox::Icon toQtIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Error:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

Answer showRealMessageBox(const Message& message)
{
    QMessageBox box(toQtIcon(message.icon),
                    message.title.isEmpty() ? QApplication::applicationDisplayName()
                                            : message.title,
                    message.text, QMessageBox::NoButton, QApplication::activeWindow());
    switch (message.buttons) {
    case Buttons::Ok:
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
        return Answer::Ok;
    case Buttons::YesNo: {
        QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        box.setDefaultButton(message.defaultAnswer == Answer::No ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? Answer::Yes : Answer::No;
    }
    case Buttons::OkCancel: {
        QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        QPushButton* cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        box.setDefaultButton(message.defaultAnswer == Answer::Cancel ? cancel : ok);
        box.setEscapeButton(cancel);
        box.exec();
        return box.clickedButton() == ok ? Answer::Ok : Answer::Cancel;
    }
    }
    return Answer::Cancel;
}

MessageHandler& currentHandler()
{
    static MessageHandler handler;
    return handler;
}

} // namespace

MessageHandler setMessageHandler(MessageHandler handler)
{
    MessageHandler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

Answer showMessage(const QString& text, Buttons buttons, Icon icon, const QString& title)
{
    return showMessage(Message{text, buttons, icon, title, {}});
}

Answer showMessage(const Message& message)
{
    if (currentHandler())
        return currentHandler()(message);
    return showRealMessageBox(message);
}

void showMessages(const QList<Message>& messages)
{
    for (const Message& message : messages)
        showMessage(message);
}

bool showFileError(const FileResult& result, const QString& consequence)
{
    if (!result.ok)
        showMessage(errorMessage(fileErrorMessage(result, consequence)));
    return result.ok;
}

bool saveDataFile(const QString& path, const QByteArray& content)
{
    return showFileError(writeFileAtomic(path, content));
}

void reportSystemError(int code, const QString& systemText)
{
    showMessage(systemErrorReportText(code, systemText), Buttons::Ok, Icon::Error);
}

void reportError(const QString& text)
{
    showMessage(text, Buttons::Ok, Icon::Error);
}

} // namespace platform
