#include "common/Seams.h"
#include "common/Keyboard.h"
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

namespace seams {
namespace {
// Function-local: tests install their handlers from static initialisers of
// other files, which may run before this file's globals would be constructed.
MessageHandler &messageSlot()
{
    static MessageHandler handler;
    return handler;
}
ModalHandler &modalSlot()
{
    static ModalHandler handler;
    return handler;
}

QWidget *activeParent() { return QApplication::activeWindow(); }

bool realMessage(MessageKind kind, const QString &text)
{
    QMessageBox box(activeParent());
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setText(text);
    switch (kind) {
    case MessageKind::Plain:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return true;
    case MessageKind::Question: {
        box.setIcon(QMessageBox::Question);
        QPushButton *yes = box.addButton(QStringLiteral("Igen"), QMessageBox::YesRole);
        QPushButton *no = box.addButton(QStringLiteral("Nem"), QMessageBox::NoRole);
        box.setDefaultButton(no);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes;
    }
    case MessageKind::StartupFailure: {
        box.setIcon(QMessageBox::Warning);
        QPushButton *yes = box.addButton(QStringLiteral("Yes"), QMessageBox::YesRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(yes);   // Escape answers as the close box does
        box.exec();
        return box.clickedButton() == yes;
    }
    }
    return false;
}
} // namespace

void message(const QString &text)
{
    if (messageSlot()) messageSlot()(MessageKind::Plain, text);
    else realMessage(MessageKind::Plain, text);
}

bool question(const QString &text)
{
    return messageSlot() ? messageSlot()(MessageKind::Question, text) : realMessage(MessageKind::Question, text);
}

bool startupFailure(const QString &text)
{
    return messageSlot() ? messageSlot()(MessageKind::StartupFailure, text)
                     : realMessage(MessageKind::StartupFailure, text);
}

int runModal(QDialog *dialog)
{
    keyboard::install();
    const keyboard::FocusReturn back;   // the opener has the focus again once the window has closed
    if (modalSlot()) return modalSlot()(dialog);
    return dialog->exec();
}

void setMessageHandler(MessageHandler handler) { messageSlot() = std::move(handler); }
void setModalHandler(ModalHandler handler) { modalSlot() = std::move(handler); }
MessageHandler messageHandler() { return messageSlot(); }
ModalHandler modalHandler() { return modalSlot(); }

} // namespace seams
