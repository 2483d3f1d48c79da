#pragma once

#include "platform/base/fileresult.h"
#include "platform/base/message.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

namespace platform
{

// Every message box of the program goes through this one replaceable function, so tests can
// record the text and give the answer without a window blocking.
using MessageHandler = std::function<Answer(const Message&)>;

// Installs a handler and returns the one in force before; an empty handler restores the
// real message box.
MessageHandler setMessageHandler(MessageHandler handler);

Answer showMessage(const QString& text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                   const QString& title = {});
Answer showMessage(const Message& message);
// Shows each message in turn (the messages a logic operation handed back).
void showMessages(const QList<Message>& messages);

// A failed file action shows its German message (fileErrorMessage) as an error box; returns
// whether the action succeeded.
bool showFileError(const FileResult& result, const QString& consequence = {});

// writeFileAtomic, and on failure the German message naming the file and the reason.
bool saveDataFile(const QString& path, const QByteArray& content);

// The general error report for operating-system failures: shows systemErrorReportText.
void reportSystemError(int code, const QString& systemText);

// The general error report for any other failure that ends the operation in progress.
void reportError(const QString& text);

} // namespace platform
