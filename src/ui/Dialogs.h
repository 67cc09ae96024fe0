#pragma once

#include <QString>

#include <functional>

class QDialog;
class QWidget;

namespace ui {

// Box styles, combined with |: one set of buttons, one icon, and which button Return presses.
enum Style : int {
    OkOnly = 0,
    YesNoCancel = 3, // "Sì", "No", "Annulla"
    YesNo = 4,
    RetryExit = 5, // "Riprova", "Esci"
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64,
    DefaultSecond = 256, // Return presses the second button ("No" of a deletion question)
};
constexpr Style operator|(Style a, Style b)
{
    return Style(int(a) | int(b));
}

enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Buttons { Ok, YesNo, YesNoCancel, RetryExit };
enum class Answer { Ok, Yes, No, Cancel, Retry, Exit };

struct MsgCall {
    QString text;
    QString title;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    bool defaultSecond = false;
};

Icon iconOf(Style style);
Buttons buttonsOf(Style style);

// The only way the application puts a message in front of the user.
Answer msgBox(const QString &text, Style style, const QString &title);

// The only question that takes a typed answer; cancelling gives the empty text.
QString inputBox(const QString &prompt, const QString &title, const QString &defaultText = {});

// Shows a window modally and returns when it has closed.
void showModal(QDialog &window);

// Shows an engine error in an "Errore" box. Used by guard().
void showError(const QString &text);

// Runs work; an engine error it raises is shown in an "Errore" box instead of ending the
// application. Returns false when that happened.
bool guard(const std::function<void()> &work);

// Seams for tests: an empty function restores the real boxes and modal showing.
using MsgHandler = std::function<Answer(const MsgCall &)>;
using InputHandler =
    std::function<QString(const QString &prompt, const QString &title, const QString &def)>;
using ModalHandler = std::function<void(QDialog &)>;
void setMsgHandler(MsgHandler handler);
void setInputHandler(InputHandler handler);
void setModalHandler(ModalHandler handler);

} // namespace ui
