// The splash window (TAboutBox).
#include "shell/Splash.h"
#include "common/SafeSlot.h"
#include "shell/AboutText.h"

#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

int TAboutBox::displayMs = 3000;

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Betöltés..."));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    auto *lay = new QVBoxLayout(this);
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setStyleSheet(QStringLiteral("QFrame#Panel1 { background: #2e7d32; border-radius: 4px; }"
                                        "QLabel { color: white; }"));
    auto *pl = new QVBoxLayout(panel);
    pl->setContentsMargins(28, 22, 28, 22);
    auto *title = new QLabel(about::title(), panel);
    title->setObjectName(QStringLiteral("ProductName"));
    QFont f = title->font();
    f.setPointSize(f.pointSize() + 10);
    f.setBold(true);
    title->setFont(f);
    auto *sub = new QLabel(about::subtitle(), panel);
    auto *year = new QLabel(QStringLiteral("2011."), panel);
    year->setObjectName(QStringLiteral("Version"));
    auto *contact = new QLabel(about::contactLines().join(u'\n'), panel);
    contact->setObjectName(QStringLiteral("Comments"));
    pl->addWidget(title);
    pl->addWidget(sub);
    pl->addSpacing(8);
    pl->addWidget(year);
    pl->addSpacing(8);
    pl->addWidget(contact);
    lay->addWidget(panel);
    setFixedSize(sizeHint());
    if (QScreen *s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    // Closes itself; the timer runs from the moment the window exists.
    auto *timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, safeslot::wrap([this] { done(QDialog::Accepted); }));
    timer->start(displayMs);
}
