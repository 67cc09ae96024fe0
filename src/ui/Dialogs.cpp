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
    return (int(style) & 0x7) == YesNo ? Buttons::YesNo : Buttons::Ok;
}

Answer msgBox(const QString &text, Style style, const QString &title)
{
    const MsgCall call{text, title, iconOf(style), buttonsOf(style)};
    if (msgHandler)
        return msgHandler(call);

    QMessageBox box(qtIcon(call.icon), title, text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MsgBox"));
    if (call.buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int result = box.exec();
    if (call.buttons == Buttons::Ok)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
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
