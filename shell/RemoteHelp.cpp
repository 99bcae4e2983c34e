// The remote-help window "Távsegitség" (TForm20).
#include "shell/RemoteHelp.h"
#include "common/SafeSlot.h"
#include "common/ChildProcess.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QVBoxLayout>

std::function<void(const QString &)> TForm20::startProgram = [](const QString &path) {
    QProcess p;
    p.setProgram(path);
    p.setProcessEnvironment(childprocess::environment());
    p.startDetached();
};

TForm20::TForm20(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form20"));
    setWindowTitle(QStringLiteral("Távsegitség"));
    auto *note = new QLabel(QStringLiteral("A távsegítség programja a gép képernyőjét megosztja a "
                                           "támogatást nyújtó munkatárssal."), this);
    note->setObjectName(QStringLiteral("Label1"));
    note->setWordWrap(true);
    auto *start = new QPushButton(QStringLiteral("Program indítása"), this);
    start->setObjectName(QStringLiteral("Button1"));
    auto *cancel = new QPushButton(QStringLiteral("Mégsem"), this);
    cancel->setObjectName(QStringLiteral("Button3"));
    connect(start, &QPushButton::clicked, this, safeslot::wrap(this, &TForm20::Button1Click));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(start);
    buttons->addStretch();
    buttons->addWidget(cancel);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(note);
    lay->addStretch();
    lay->addLayout(buttons);
    setFixedSize(380, 140);
    if (QScreen *s = QApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void TForm20::Button1Click()
{
    // Found by its bare name on the search path; when it is not there, nothing happens.
    const QString path = QStandardPaths::findExecutable(programName());
    if (!path.isEmpty()) startProgram(path);
}
