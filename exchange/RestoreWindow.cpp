// The restore window "Visszaállítás mentésből" (TFormRestore).
#include "exchange/RestoreWindow.h"
#include "common/SafeSlot.h"
#include "common/Seams.h"
#include "datastore/DataModule.h"
#include "exchange/DbRestore.h"
#include "exchange/RegisterUpgrade.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton *button(QWidget *parent, const char *name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

// A line edit with its chooser button beside it.
QWidget *withChooser(QLineEdit *edit, QPushButton *chooser)
{
    auto *row = new QWidget;
    auto *lay = new QHBoxLayout(row);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(edit, 1);
    lay->addWidget(chooser);
    return row;
}

bool isServerPath(const QString &path)
{
    const qsizetype colon = path.indexOf(u':');
    return colon > 1 && !path.startsWith(u'/');
}

} // namespace

TFormRestore::TFormRestore(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormRestore"));
    setWindowTitle(QStringLiteral("Visszaállítás mentésből"));

    EditSource = new QLineEdit(this);
    EditSource->setObjectName(QStringLiteral("EditSource"));
    EditTarget = new QLineEdit(this);
    EditTarget->setObjectName(QStringLiteral("EditTarget"));
    ButtonSource = button(this, "ButtonSource", QStringLiteral("Tallózás..."));
    ButtonTarget = button(this, "ButtonTarget", QStringLiteral("Tallózás..."));
    ButtonRestore = button(this, "ButtonRestore", QStringLiteral("Visszaállítás"));
    ButtonClose = button(this, "ButtonClose", QStringLiteral("Bezárás"));
    ButtonRestore->setDefault(true);
    LabelStatus = new QLabel(QStringLiteral("A mentés lehet gbak-kal készült .fbk fájl vagy az „Adatok mentése” "
                                            "által készített másolat."), this);
    LabelStatus->setObjectName(QStringLiteral("LabelStatus"));
    LabelStatus->setWordWrap(true);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Mentés:"), withChooser(EditSource, ButtonSource));
    form->addRow(QStringLiteral("Nyilvántartás helye:"), withChooser(EditTarget, ButtonTarget));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ButtonRestore);
    buttons->addWidget(ButtonClose);
    auto *lay = new QVBoxLayout(this);
    lay->addLayout(form);
    lay->addWidget(ProgressBar1);
    lay->addWidget(LabelStatus);
    lay->addStretch();
    lay->addLayout(buttons);

    connect(ButtonSource, &QPushButton::clicked, this, safeslot::wrap(this, &TFormRestore::ButtonSourceClick));
    connect(ButtonTarget, &QPushButton::clicked, this, safeslot::wrap(this, &TFormRestore::ButtonTargetClick));
    connect(ButtonRestore, &QPushButton::clicked, this, safeslot::wrap(this, &TFormRestore::ButtonRestoreClick));
    connect(ButtonClose, &QPushButton::clicked, this, &TFormRestore::reject);

    setTarget(TData::databaseName());
    resize(640, 220);
}

void TFormRestore::setTarget(const QString &path) { EditTarget->setText(QDir::toNativeSeparators(path)); }

// A file chosen in the program's own dialog into edit; save: a place for a new file.
static void pickFile(QWidget *parent, QLineEdit *edit, const QString &title, const QString &name, bool save,
              const QStringList &filters)
{
    QFileDialog dlg(parent, title);
    dlg.setObjectName(name);
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    if (save) {
        // Replacing is asked by "Visszaállítás", once the backup has been checked.
        dlg.setOption(QFileDialog::DontConfirmOverwrite);
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setDefaultSuffix(QStringLiteral("fdb"));
    } else {
        dlg.setFileMode(QFileDialog::ExistingFile);
    }
    dlg.setNameFilters(filters);
    if (!edit->text().trimmed().isEmpty()) dlg.selectFile(QDir::fromNativeSeparators(edit->text().trimmed()));
    if (seams::runModal(&dlg) == QDialog::Accepted && !dlg.selectedFiles().isEmpty())
        edit->setText(QDir::toNativeSeparators(dlg.selectedFiles().first()));
}

void TFormRestore::ButtonSourceClick()
{
    pickFile(this, EditSource, QStringLiteral("A mentés kiválasztása"), QStringLiteral("OpenDialogSource"), false,
             {QStringLiteral("Mentés (*.fbk *.FBK *.fdb *.FDB)"), QStringLiteral("Minden fájl (*)")});
}

void TFormRestore::ButtonTargetClick()
{
    pickFile(this, EditTarget, QStringLiteral("A visszaállított nyilvántartás helye"),
             QStringLiteral("SaveDialogTarget"), true, {QStringLiteral("Adatbázis (*.fdb *.FDB)")});
}

void TFormRestore::setRunning(bool on)
{
    m_running = on;
    for (QWidget *w : {static_cast<QWidget *>(ButtonSource), static_cast<QWidget *>(ButtonTarget),
                       static_cast<QWidget *>(ButtonRestore), static_cast<QWidget *>(ButtonClose)})
        w->setEnabled(!on);
    EditSource->setReadOnly(on);
    EditTarget->setReadOnly(on);
    ProgressBar1->setRange(0, on ? 0 : 1);
    ProgressBar1->setValue(0);
}

void TFormRestore::reject()
{
    if (m_running) return;   // the engine is still writing the register
    QDialog::reject();
}

bool TFormRestore::acceptable(const QString &source, QString *target)
{
    auto refuse = [](QLineEdit *field, const QString &text) {
        seams::message(text);
        field->setFocus();
        return false;
    };
    if (source.isEmpty()) return refuse(EditSource, QStringLiteral("Nincs megadva a mentés fájlja!"));
    if (target->isEmpty()) return refuse(EditTarget, QStringLiteral("Nincs megadva a nyilvántartás helye!"));
    if (!QFileInfo(source).isFile())
        return refuse(EditSource, QStringLiteral("A mentés nem található: %1").arg(QDir::toNativeSeparators(source)));
    if (isServerPath(*target))
        return refuse(EditTarget, QStringLiteral("Szerveren lévő nyilvántartást a szerveren lehet visszaállítani "
                                                 "(gbak -r), a szerver gazdája végzi el."));
    if (QFileInfo(*target).suffix().isEmpty()) *target += QStringLiteral(".fdb");
    const QFileInfo t(*target);
    if (!t.absoluteDir().exists())
        return refuse(EditTarget, QStringLiteral("A megadott mappa nem létezik: %1")
                                      .arg(QDir::toNativeSeparators(t.absolutePath())));
    if (t.isDir()) return refuse(EditTarget, QStringLiteral("A nyilvántartás helye egy mappa, kérem adjon meg fájlnevet is!"));
    if (t.exists() && QFileInfo(source).canonicalFilePath() == t.canonicalFilePath())
        return refuse(EditTarget, QStringLiteral("A mentés nem állítható vissza önmagára!"));
    return true;
}

void TFormRestore::ButtonRestoreClick()
{
    if (m_running) return;
    const QString source = QDir::fromNativeSeparators(EditSource->text().trimmed());
    QString target = QDir::fromNativeSeparators(EditTarget->text().trimmed());
    if (!acceptable(source, &target)) return;
    target = QFileInfo(target).absoluteFilePath();

    QStringList tables;
    if (TData *data = TData::instance())
        for (TTable *t : data->allTables()) tables << t->tableName();

    setRunning(true);
    LabelStatus->setText(QStringLiteral("Visszaállítás folyamatban..."));
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QString restored, contents, failure;
    try {
        restored = dbrestore::restoreBeside(source, target, tables, [this](const QString &line) {
            LabelStatus->setText(line.trimmed());
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
        contents = dbrestore::describe(restored);
    } catch (const std::exception &e) {
        failure = e.what();
        if (const auto *db = dynamic_cast<const DbError *>(&e)) failure = db->text();
    }
    setRunning(false);
    if (!failure.isEmpty()) {
        if (!restored.isEmpty()) QFile::remove(restored);
        LabelStatus->setText(QStringLiteral("A visszaállítás nem sikerült."));
        seams::message(QStringLiteral("Hiba: a visszaállítás nem sikerült; a nyilvántartás nem változott.\n%1").arg(failure));
        return;
    }
    LabelStatus->setText(QStringLiteral("A mentés rendben van: %1.").arg(contents));
    if (QFileInfo::exists(target)
        && !seams::question(QStringLiteral("A(z) %1 helyére a mentésből visszaállított nyilvántartás kerül (%2).\n"
                                           "A mostani fájl %3 néven megmarad.\nFolytatja?")
                                .arg(QDir::toNativeSeparators(target), contents,
                                     QFileInfo(dbrestore::keptName(target)).fileName()))) {
        QFile::remove(restored);
        LabelStatus->setText(QStringLiteral("A visszaállítás elmaradt, a nyilvántartás nem változott."));
        return;
    }

    // The program's own register is let go while its file is replaced.
    TData *data = TData::instance();
    const bool own = data && data->connected() && QFileInfo(TData::databaseName()).exists()
                     && QFileInfo(TData::databaseName()).canonicalFilePath() == QFileInfo(target).canonicalFilePath();
    try {
        if (own) data->disconnectDatabase();
        dbrestore::putInPlace(restored, target);
    } catch (const DbError &e) {
        QFile::remove(restored);
        failure = e.text();
    }
    if (own) data->connectDatabase();
    if (!failure.isEmpty()) {
        seams::message(QStringLiteral("Hiba: a visszaállítás nem sikerült; a nyilvántartás nem változott.\n%1").arg(failure));
        return;
    }
    ProgressBar1->setValue(1);
    seams::message(QStringLiteral("A visszaállítás elkészült: %1\n(%2)").arg(QDir::toNativeSeparators(target), contents));
    if (own) registerupgrade::check(*data, parentWidget());
    accept();
}
