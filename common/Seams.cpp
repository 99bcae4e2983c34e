#include "common/Seams.h"
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>

namespace seams {
namespace {
MessageHandler g_message;
ModalHandler g_modal;

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
    if (g_message) g_message(MessageKind::Plain, text);
    else realMessage(MessageKind::Plain, text);
}

bool question(const QString &text)
{
    return g_message ? g_message(MessageKind::Question, text) : realMessage(MessageKind::Question, text);
}

bool startupFailure(const QString &text)
{
    return g_message ? g_message(MessageKind::StartupFailure, text)
                     : realMessage(MessageKind::StartupFailure, text);
}

int runModal(QDialog *dialog)
{
    if (g_modal) return g_modal(dialog);
    return dialog->exec();
}

void setMessageHandler(MessageHandler handler) { g_message = std::move(handler); }
void setModalHandler(ModalHandler handler) { g_modal = std::move(handler); }
MessageHandler messageHandler() { return g_message; }
ModalHandler modalHandler() { return g_modal; }

} // namespace seams
