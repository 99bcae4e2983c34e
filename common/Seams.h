#pragma once
// The seams every window goes through: message boxes and modal windows.
// Tests replace the handlers with recorders and scripted hands.
#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace seams {

enum class MessageKind {
    Plain,          // one "OK" button
    Question,       // "Igen" / "Nem", default "Nem"; returns true for yes
    StartupFailure  // single "Yes" button; returns true when confirmed
};

using MessageHandler = std::function<bool(MessageKind, const QString &text)>;
using ModalHandler = std::function<int(QDialog *)>;

// Plain message box.
void message(const QString &text);
// Yes/no question, "Nem" by default.
bool question(const QString &text);
// The start-up failure box with its single "Yes" button; true when confirmed.
bool startupFailure(const QString &text);

// Runs a window modally and returns its result code; the caller destroys it.
int runModal(QDialog *dialog);

void setMessageHandler(MessageHandler handler);   // empty: real message boxes
void setModalHandler(ModalHandler handler);       // empty: QDialog::exec()
MessageHandler messageHandler();
ModalHandler modalHandler();

} // namespace seams
