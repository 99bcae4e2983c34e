// The backup window "Adatok mentése" (TFormBackup).
#include "exchange/BackupWindow.h"
#include "common/SafeSlot.h"
#include "common/Seams.h"
#include "datastore/FbSession.h"
#include "datastore/DataModule.h"
#include "datastore/Failure.h"
#include "exchange/DbBackup.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TFormBackup::TFormBackup(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormBackup"));
    setWindowTitle(QStringLiteral("Adatok mentése"));

    Button1 = new QPushButton(QStringLiteral("Honnan"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setToolTip(QStringLiteral("Az adatbázis elérésiútvonala"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setText(QDir::toNativeSeparators(TData::databaseName()));

    Button2 = new QPushButton(QStringLiteral("Hová"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setToolTip(QStringLiteral("Kérem adja meg a mentés helyét"));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));

    Button3 = new QPushButton(QStringLiteral("Mentés"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setToolTip(QStringLiteral("Mentés végrehajtása."));
    Button4 = new QPushButton(QStringLiteral("Bezárás"), this);
    Button4->setObjectName(QStringLiteral("Button4"));

    Label1 = new QLabel(QStringLiteral("A kiválasztott útvonalaknak létezni kell."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    LabelStatus = new QLabel(this);
    LabelStatus->setObjectName(QStringLiteral("LabelStatus"));
    LabelStatus->setWordWrap(true);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    auto *grid = new QGridLayout;
    grid->addWidget(Button1, 0, 0);
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(Button2, 1, 0);
    grid->addWidget(Edit2, 1, 1);
    grid->setColumnStretch(1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button3);
    buttons->addWidget(Button4);
    auto *lay = new QVBoxLayout(this);
    lay->addLayout(grid);
    lay->addWidget(Label1);
    lay->addWidget(ProgressBar1);
    lay->addWidget(LabelStatus);
    lay->addStretch();
    lay->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, safeslot::wrap(this, &TFormBackup::Button1Click));
    connect(Button2, &QPushButton::clicked, this, safeslot::wrap(this, &TFormBackup::Button2Click));
    connect(Button3, &QPushButton::clicked, this, safeslot::wrap(this, &TFormBackup::Button3Click));
    connect(Button4, &QPushButton::clicked, this, &TFormBackup::reject);

    setFixedSize(620, 200);
    if (QScreen *s = QApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void TFormBackup::Button1Click()
{
    QFileDialog dlg(this, QStringLiteral("Az adatbázis kiválasztása"));
    dlg.setObjectName(QStringLiteral("OpenDialog1"));
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setNameFilters({QStringLiteral("Adatbázis (*.fdb *.FDB)"), QStringLiteral("Minden fájl (*)")});
    const QFileInfo cur(Edit1->text().trimmed());
    if (cur.exists()) dlg.selectFile(cur.absoluteFilePath());
    if (seams::runModal(&dlg) == QDialog::Accepted && !dlg.selectedFiles().isEmpty())
        Edit1->setText(QDir::toNativeSeparators(dlg.selectedFiles().first()));
}

void TFormBackup::Button2Click()
{
    QFileDialog dlg(this, QStringLiteral("A mentés helye"));
    dlg.setObjectName(QStringLiteral("SaveDialog1"));
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    // The overwrite question comes from "Mentés", where it can still be refused.
    dlg.setOption(QFileDialog::DontConfirmOverwrite);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setDefaultSuffix(QStringLiteral("fdb"));
    dlg.setNameFilters({QStringLiteral("Adatbázis (*.fdb)")});
    if (!Edit2->text().trimmed().isEmpty()) dlg.selectFile(Edit2->text().trimmed());
    if (seams::runModal(&dlg) == QDialog::Accepted && !dlg.selectedFiles().isEmpty())
        Edit2->setText(QDir::toNativeSeparators(dlg.selectedFiles().first()));
}

void TFormBackup::setRunning(bool on)
{
    m_running = on;
    Button1->setEnabled(!on);
    Button2->setEnabled(!on);
    Button3->setEnabled(!on);
    Button4->setEnabled(!on);
    Edit1->setReadOnly(on);
    Edit2->setReadOnly(on);
    ProgressBar1->setRange(0, on ? 0 : 1);   // 0..0: the busy indicator
    ProgressBar1->setValue(0);
}

void TFormBackup::reject()
{
    if (m_running) return;   // the engine is still writing the copy
    QDialog::reject();
}

void TFormBackup::Button3Click()
{
    if (m_running) return;
    const QString source = QDir::fromNativeSeparators(Edit1->text().trimmed());
    QString target = QDir::fromNativeSeparators(Edit2->text().trimmed());
    if (source.isEmpty()) {
        seams::message(QStringLiteral("Nincs megadva az adatbázis elérési útvonala!"));
        Edit1->setFocus();
        return;
    }
    if (target.isEmpty()) {
        seams::message(QStringLiteral("Nincs megadva a mentés helye!"));
        Edit2->setFocus();
        return;
    }
    if (QFileInfo(target).suffix().isEmpty()) target += QStringLiteral(".fdb");
    const bool localSource = source.startsWith(u'/') || !source.contains(u':');
    if (localSource && !QFileInfo(source).isFile()) {
        seams::message(QStringLiteral("Az adatbázis nem található: %1").arg(QDir::toNativeSeparators(source)));
        Edit1->setFocus();
        return;
    }
    const QFileInfo t(target);
    if (!t.absoluteDir().exists()) {
        seams::message(QStringLiteral("A mentés helyéül megadott mappa nem létezik: %1")
                           .arg(QDir::toNativeSeparators(t.absolutePath())));
        Edit2->setFocus();
        return;
    }
    if (t.isDir()) {
        seams::message(QStringLiteral("A mentés helye egy mappa, kérem adjon meg fájlnevet is!"));
        Edit2->setFocus();
        return;
    }
    if (localSource && t.exists() && QFileInfo(source).canonicalFilePath() == t.canonicalFilePath()) {
        seams::message(QStringLiteral("A mentés helye nem lehet maga az adatbázis!"));
        Edit2->setFocus();
        return;
    }
    if (t.exists()
        && !seams::question(QStringLiteral("A(z) %1 fájl már létezik. Felülírja?").arg(QDir::toNativeSeparators(target))))
        return;

    setRunning(true);
    LabelStatus->setText(QStringLiteral("Mentés folyamatban..."));
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QString failure;
    try {
        dbbackup::copyDatabase(source, t.absoluteFilePath(), [this](const QString &line) {
            LabelStatus->setText(line.trimmed());
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    } catch (const DbError &e) {
        failure = ::failure::reason(e);
    } catch (const std::exception &e) {
        failure = QString::fromLocal8Bit(e.what());
    }
    setRunning(false);
    if (failure.isEmpty()) {
        LabelStatus->setText(QStringLiteral("A mentés elkészült."));
        ProgressBar1->setValue(1);
        seams::message(QStringLiteral("Az adatok mentése sikeresen befejeződött.\nA mentés helye: %1")
                           .arg(QDir::toNativeSeparators(t.absoluteFilePath())));
    } else {
        LabelStatus->setText(QStringLiteral("A mentés nem sikerült."));
        seams::message(QStringLiteral("Hiba: az adatok mentése nem sikerült.\n%1").arg(failure));
    }
}
