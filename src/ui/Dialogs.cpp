#include "ui/Dialogs.h"

#include "data/Sql.h"
#include "ui/Texts.h"

#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace ui {

namespace {
MsgHandler msgHandler;
InputHandler inputHandler;
ModalHandler modalHandler;

QMessageBox::Icon qtIcon(Icon icon)
{
    switch (icon) {
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

Icon iconOf(Style style)
{
    switch (int(style) & 0x70) {
    case Critical:
        return Icon::Critical;
    case Question:
        return Icon::Question;
    case Exclamation:
        return Icon::Exclamation;
    case Information:
        return Icon::Information;
    default:
        return Icon::None;
    }
}

Buttons buttonsOf(Style style)
{
    switch (int(style) & 0x7) {
    case YesNo:
        return Buttons::YesNo;
    case YesNoCancel:
        return Buttons::YesNoCancel;
    case RetryExit:
        return Buttons::RetryExit;
    default:
        return Buttons::Ok;
    }
}

Answer msgBox(const QString &text, Style style, const QString &title)
{
    const MsgCall call{text, title, iconOf(style), buttonsOf(style),
                       (int(style) & DefaultSecond) != 0};
    if (msgHandler)
        return msgHandler(call);

    QMessageBox box(qtIcon(call.icon), title, text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MsgBox"));
    // The buttons in order, and what each answers; Esc gives the last.
    QList<std::pair<QAbstractButton *, Answer>> buttons;
    switch (call.buttons) {
    case Buttons::Ok:
        buttons = {{box.addButton(QMessageBox::Ok), Answer::Ok}};
        break;
    case Buttons::YesNo:
        buttons = {{box.addButton(QMessageBox::Yes), Answer::Yes},
                   {box.addButton(QMessageBox::No), Answer::No}};
        break;
    case Buttons::YesNoCancel:
        buttons = {{box.addButton(QMessageBox::Yes), Answer::Yes},
                   {box.addButton(QMessageBox::No), Answer::No},
                   {box.addButton(QMessageBox::Cancel), Answer::Cancel}};
        break;
    case Buttons::RetryExit:
        buttons = {{box.addButton(QMessageBox::Retry), Answer::Retry},
                   {box.addButton(QStringLiteral("&Esci"), QMessageBox::RejectRole), Answer::Exit}};
        break;
    }
    const int preferred = call.defaultSecond && buttons.size() > 1 ? 1 : 0;
    box.setDefaultButton(qobject_cast<QPushButton *>(buttons.at(preferred).first));
    box.setEscapeButton(buttons.last().first);
    box.exec();
    for (const auto &[button, answer] : buttons)
        if (box.clickedButton() == button)
            return answer;
    return buttons.last().second;
}

QString inputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    if (inputHandler)
        return inputHandler(prompt, title, defaultText);
    QInputDialog box(QApplication::activeWindow());
    box.setObjectName(QStringLiteral("InputBox"));
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(defaultText);
    box.setInputMode(QInputDialog::TextInput);
    if (box.exec() != QDialog::Accepted)
        return {};
    return box.textValue();
}

void showModal(QDialog &window)
{
    if (modalHandler) {
        modalHandler(window);
        return;
    }
    window.exec();
}

void showError(const QString &text)
{
    msgBox(text, Critical, texts::errorTitle);
}

bool guard(const std::function<void()> &work)
{
    try {
        work();
        return true;
    } catch (const data::DbError &e) {
        showError(e.text());
    }
    return false;
}

void setMsgHandler(MsgHandler handler)
{
    msgHandler = std::move(handler);
}

void setInputHandler(InputHandler handler)
{
    inputHandler = std::move(handler);
}

void setModalHandler(ModalHandler handler)
{
    modalHandler = std::move(handler);
}

} // namespace ui
