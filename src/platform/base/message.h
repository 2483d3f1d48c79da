#pragma once

#include <QString>
#include <optional>

namespace platform
{

enum class Buttons { Ok, YesNo, OkCancel };
enum class Icon { None, Information, Warning, Error, Question };
enum class Answer { Ok, Yes, No, Cancel };

// A message box as data: logic code words it, windows show it (platform/ui/messages.h).
struct Message {
    QString text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    QString title;
    // The button Enter presses; without one it is the first (OK or Yes). A question whose Yes
    // destroys data names No here.
    std::optional<Answer> defaultAnswer;
};

inline Message errorMessage(const QString& text)
{
    return {text, Buttons::Ok, Icon::Error, {}, {}};
}

} // namespace platform
