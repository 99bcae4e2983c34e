// The access-code dialog "Jelszó" (TPasswordDlg).
#include "exchange/PasswordDialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
// Every typed character shows as "*", whatever the desktop style prefers.
class StarEchoStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *ret) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter) return '*';
        return QProxyStyle::styleHint(hint, option, widget, ret);
    }
};
} // namespace

TPasswordDlg::TPasswordDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PasswordDlg"));
    setWindowTitle(QStringLiteral("Jelszó"));
    auto *label = new QLabel(QStringLiteral("Kérem adja meg a jelszót"), this);
    label->setObjectName(QStringLiteral("Label1"));
    Password = new QLineEdit(this);
    Password->setObjectName(QStringLiteral("Password"));
    auto *style = new StarEchoStyle;
    style->setParent(Password);
    Password->setStyle(style);
    Password->setEchoMode(QLineEdit::Password);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(label);
    lay->addWidget(Password);
    lay->addLayout(buttons);
    setFixedSize(300, 130);
    if (QScreen *s = QApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
    Password->setFocus();
}

QString TPasswordDlg::text() const { return Password->text(); }
