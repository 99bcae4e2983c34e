// The about window "Névjegy" (TForm19).
#include "shell/AboutWindow.h"
#include "shell/AboutText.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

QString TForm19::aboutText()
{
    QStringList lines{about::title(), about::subtitle(), QStringLiteral("2011"), QString()};
    lines << about::contactLines();
    return lines.join(u'\n');
}

TForm19::TForm19(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form19"));
    setWindowTitle(QStringLiteral("Névjegy"));
    auto *memo = new QPlainTextEdit(this);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setReadOnly(true);
    memo->setPlainText(aboutText());
    auto *close = new QPushButton(QStringLiteral("Bezárás"), this);
    close->setObjectName(QStringLiteral("Button3"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(memo, 1);
    lay->addLayout(buttons);
    setFixedSize(480, 280);
    if (QScreen *s = QApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}
