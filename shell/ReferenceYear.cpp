// The reference-year window (TForm24).
#include "shell/ReferenceYear.h"
#include "common/SafeSlot.h"
#include "common/Seams.h"
#include "datastore/DataModule.h"
#include "widgets/GuardedWrite.h"
#include "widgets/Input.h"

#include <QDate>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

namespace {
const QString kLengthMessage = QStringLiteral("Tágyév hossza nem négy karakter!");

// Rewriting every compartment leaves an old version of each behind; the
// engine clears them away when it next reads them. Read them all now, with
// progress shown, so that the next totals click does not pay for it.
void clearOldVersions(QWidget *parent, TQuery *q)
{
    q->load({QStringLiteral("SELECT MIN(IDR) AS lo, MAX(IDR) AS hi FROM RESZLET")});
    q->open();
    const qint64 lo = q->asInt(QStringLiteral("lo")), hi = q->asInt(QStringLiteral("hi"));
    q->close();
    constexpr qint64 Step = 5000;
    QProgressDialog progress(QStringLiteral("A részletek régi változatainak törlése…"), QString(), 0,
                             int((hi - lo) / Step) + 1, parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    for (qint64 from = lo, n = 0; from <= hi; from += Step, ++n) {
        progress.setValue(int(n));
        q->load({QStringLiteral("SELECT COUNT(*) AS db FROM RESZLET"), QStringLiteral("WHERE IDR BETWEEN :p1 AND :p2")});
        q->setInt(QStringLiteral("p1"), from);
        q->setInt(QStringLiteral("p2"), from + Step - 1);
        q->open();
        q->close();
    }
}
}

TForm24::TForm24(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form24"));
    setWindowTitle(QStringLiteral("Tárgyév beállítása"));
    m_statement = new TQuery(&dm(), QStringLiteral("Form24Statement"), this);
    auto *label1 = new QLabel(QStringLiteral("Tárgyév:"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFixedWidth(80);
    input::setRule(Edit1, input::Rule::Digits);
    Edit1->installEventFilter(this);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setReadOnly(true);
    Edit2->setFixedWidth(80);
    auto *label2 = new QLabel(QStringLiteral("Tárgyévi fakészlet számításához"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    Button3 = new QPushButton(QStringLiteral("OK"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button4 = new QPushButton(QStringLiteral("Mégsem"), this);
    Button4->setObjectName(QStringLiteral("Button4"));
    connect(Button3, &QPushButton::clicked, this, safeslot::wrap([this] { Button3Click(); }));
    connect(Button4, &QPushButton::clicked, this, &QDialog::reject);

    auto *grid = new QGridLayout(this);
    grid->addWidget(label1, 0, 0);
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(Edit2, 0, 2);
    grid->addWidget(label2, 1, 0, 1, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button3);
    buttons->addWidget(Button4);
    grid->addLayout(buttons, 2, 0, 1, 3);
    setFixedSize(sizeHint());
}

void TForm24::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The Hungarian short date begins with the four-digit year.
    Edit1->setText(QLocale(QLocale::Hungarian, QLocale::Hungary)
                       .toString(QDate::currentDate(), QLocale::ShortFormat).left(4));
    TQuery *q = m_statement;
    // The first compartment's year: one row, not the whole table.
    q->load({QStringLiteral("SELECT FIRST 1 RTEV"), QStringLiteral("  FROM RESZLET ")});
    q->open();
    Edit2->setText(QString::number(q->isEmpty() ? 0 : q->asInt(QStringLiteral("RTEV"))));
    q->close();
    Edit1->setFocus();
}

bool TForm24::eventFilter(QObject *obj, QEvent *event)
{
    if (obj == Edit1 && event->type() == QEvent::FocusOut && isVisible()) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        // Leaving for another control of this window, not for a message box.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
            && Edit1->text().size() != 4 && !Button4->underMouse()) {
            QTimer::singleShot(0, this, [this] {
                seams::message(kLengthMessage);
                Edit1->setFocus();
            });
        }
    }
    return QDialog::eventFilter(obj, event);
}

void TForm24::Button3Click()
{
    if (Edit1->text().size() != 4) {
        seams::message(kLengthMessage);
        Edit1->setFocus();
        return;
    }
    guarded::Write w(QStringLiteral("Hiba241: Tárgyév, UPDATE a részletben "),
                     QStringLiteral("Hiba242: az Update közben a részletben!"));
    if (!w.run([this] {
            TQuery *q = m_statement;
            q->load({QStringLiteral("UPDATE reszlet   "), QStringLiteral("  SET RTEV = :p1 ")});
            q->setText(QStringLiteral("p1"), Edit1->text());
            q->execute();
        }))
        return;   // the window stays open with the year typed
    try {
        clearOldVersions(this, m_statement);
    } catch (const std::exception &) {
        // The year is saved; the old versions go at the next read instead.
    }
    accept();
}
