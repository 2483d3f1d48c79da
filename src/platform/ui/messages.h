#pragma once

#include <QString>
#include <functional>

namespace platform
{

enum class Buttons { Ok, YesNo, OkCancel };
enum class Icon { None, Information, Warning, Error, Question };
enum class Answer { Ok, Yes, No, Cancel };

struct Message {
    QString text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    QString title;
};

// Every message box of the program goes through this one replaceable function, so tests can
// record the text and give the answer without a window blocking.
using MessageHandler = std::function<Answer(const Message&)>;

// Installs a handler and returns the one in force before; an empty handler restores the
// real message box.
MessageHandler setMessageHandler(MessageHandler handler);

Answer showMessage(const QString& text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                   const QString& title = {});

// The general error report for operating-system failures: shows
// "Systemfehler.  Code: <code>." + line break + the system's text.
QString systemErrorReportText(int code, const QString& systemText);
void reportSystemError(int code, const QString& systemText);

// The general error report for any other failure that ends the operation in progress.
void reportError(const QString& text);

} // namespace platform
