// Sending the database by e-mail (TForm21).
#include "exchange/SendByEmail.h"
#include "common/SafeSlot.h"
#include "common/ChildProcess.h"
#include "common/Seams.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace exchange {

std::function<QString(const QStringList &)> runMailComposer = [](const QStringList &args) -> QString {
    const QString exe = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (exe.isEmpty())
        return QStringLiteral("Az xdg-email program nincs telepítve (xdg-utils csomag).");
    auto *p = new QProcess;
    QObject::connect(p, &QProcess::finished, p, &QObject::deleteLater);
    p->setProcessEnvironment(childprocess::environment());
    p->start(exe, args);
    if (!p->waitForStarted(10000)) {
        p->deleteLater();
        return QStringLiteral("Az xdg-email program nem indult el.");
    }
    // Some mail programs keep xdg-email waiting until the composer closes:
    // then it is left running and cleans up after itself.
    if (!p->waitForFinished(20000)) return {};
    if (p->exitStatus() != QProcess::NormalExit || p->exitCode() != 0) {
        const QString err = QString::fromLocal8Bit(p->readAllStandardError()).trimmed();
        return err.isEmpty() ? QStringLiteral("A levelező program nem fogadta el a levelet (hibakód: %1).").arg(p->exitCode())
                             : err;
    }
    return {};
};

std::function<bool(const QUrl &)> openUrl = [](const QUrl &url) { return QDesktopServices::openUrl(url); };

} // namespace exchange

namespace {
const char *const kSubject = "Zelkor 2011 adatok";
const char *const kBody = "Zelkor 2011 adatok elküldése ellenőrzésre";
} // namespace

TForm21::TForm21(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form21"));
    setWindowTitle(QStringLiteral("Adatok elküldése  emailben"));

    auto *label = new QLabel(QStringLiteral("A küldendő fálj neve (\"Zelkor.fdb\") :"), this);
    label->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));

    DriveComboBox1 = new QComboBox(this);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DriveComboBox1->setToolTip(QStringLiteral("Csatolt meghajtók"));
    for (const QStorageInfo &s : QStorageInfo::mountedVolumes()) {
        if (!s.isValid() || !s.isReady()) continue;
        const QString root = s.rootPath();
        const QString name = s.displayName();
        DriveComboBox1->addItem(name == root ? root : QStringLiteral("%1  (%2)").arg(root, name), root);
    }
    if (DriveComboBox1->findData(QStringLiteral("/")) < 0) DriveComboBox1->insertItem(0, QStringLiteral("/"), QStringLiteral("/"));

    m_dirs = new QFileSystemModel(this);
    m_dirs->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
    m_dirs->setRootPath(QStringLiteral("/"));
    DirectoryListBox1 = new QTreeView(this);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setModel(m_dirs);
    for (int c = 1; c < m_dirs->columnCount(); ++c) DirectoryListBox1->hideColumn(c);
    DirectoryListBox1->header()->hide();
    DirectoryListBox1->setMinimumHeight(220);

    auto *lay = new QVBoxLayout(this);
    lay->addWidget(label);
    lay->addWidget(Edit1);
    lay->addWidget(DriveComboBox1);
    lay->addWidget(DirectoryListBox1, 1);
    const QStringList lines = {
        QStringLiteral("A \"Küldés1\" program gomb feltételezi, hogy a számítógépre telepítve van az Outlook program."),
        QStringLiteral("A program megkisérli a  levelező programmal elküldeni  vagy a postázandókhoz berakni. "),
        QStringLiteral("A levélhez csatolt fáljként  mellékeli a felső sorban megjelenitett fáljt."),
        QStringLiteral("Ha sikeres volt akkor a levelezései között megtalálható."),
        QStringLiteral("Vagy: a küldendő fálj  nevét másolja vágólapra és  a \"Küldés2\" levelező programjában "),
        QStringLiteral("CTRL +  V  billentyüvel  tegye be a  csatolt fájl nevéhez"),
    };
    int n = 2;
    for (const QString &t : lines) {
        auto *l = new QLabel(t, this);
        l->setObjectName(QStringLiteral("Label%1").arg(n++));
        lay->addWidget(l);
    }
    Button3 = new QPushButton(QStringLiteral("Küldés1"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button4 = new QPushButton(QStringLiteral("Vágólapra másolás"), this);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button6 = new QPushButton(QStringLiteral("Küldés2"), this);
    Button6->setObjectName(QStringLiteral("Button6"));
    Button5 = new QPushButton(QStringLiteral("Mégsem"), this);
    Button5->setObjectName(QStringLiteral("Button5"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Button3);
    buttons->addWidget(Button4);
    buttons->addWidget(Button6);
    buttons->addStretch();
    buttons->addWidget(Button5);
    lay->addLayout(buttons);

    connect(Button3, &QPushButton::clicked, this, safeslot::wrap(this, &TForm21::Button3Click));
    connect(Button4, &QPushButton::clicked, this, safeslot::wrap(this, &TForm21::Button4Click));
    connect(Button6, &QPushButton::clicked, this, safeslot::wrap(this, &TForm21::Button6Click));
    connect(Button5, &QPushButton::clicked, this, &TForm21::reject);
    connect(DriveComboBox1, &QComboBox::activated, this, safeslot::wrap(this, &TForm21::driveChanged));
    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            safeslot::wrap([this](const QModelIndex &cur) {
                if (!m_moving && cur.isValid()) folderChanged(m_dirs->filePath(cur));
            }));

    setFixedSize(640, 600);
    if (QScreen *s = QApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());

    // The window opens on the default folder; where it is missing (always so
    // on Linux), on the program's working folder, without an error.
    const QString def = defaultFolder();
    setFolder(QDir(def).exists() ? def : QDir::currentPath());
}

QString TForm21::defaultFolder()
{
    return QStringLiteral("c:\\User\\Public\\Halvord Varozovavozarozo\\Zelkor\\");
}

QString TForm21::mailtoText()
{
    const QByteArray subject = QUrl::toPercentEncoding(QStringLiteral("Zelkor adatok"));
    const QByteArray body = QUrl::toPercentEncoding(
        QStringLiteral("Zelkor 2011 adatok elküldése ellenőrzésre. Figyelmeztetés: csatolt fálj mellékelni kell! "));
    return QStringLiteral("mailto:") + exchange::supportAddress() + QStringLiteral("?subject=")
           + QString::fromLatin1(subject) + QStringLiteral("&body=") + QString::fromLatin1(body);
}

QStringList TForm21::composerArguments(const QString &file)
{
    return {QStringLiteral("--utf8"), QStringLiteral("--subject"), QString::fromUtf8(kSubject),
            QStringLiteral("--body"), QString::fromUtf8(kBody), QStringLiteral("--attach"), file,
            exchange::supportAddress()};
}

void TForm21::setFolder(const QString &folder)
{
    const QString abs = QDir(folder).absolutePath();
    // Select the mount the folder lies on, then the folder in the tree.
    const QString root = QStorageInfo(abs).rootPath();
    const int d = DriveComboBox1->findData(root);
    if (d >= 0) DriveComboBox1->setCurrentIndex(d);
    m_moving = true;
    const QModelIndex idx = m_dirs->index(abs);
    if (idx.isValid()) {
        DirectoryListBox1->setCurrentIndex(idx);
        DirectoryListBox1->scrollTo(idx);
        DirectoryListBox1->expand(idx);
    }
    m_moving = false;
    folderChanged(abs);
}

void TForm21::driveChanged(int index)
{
    const QString root = DriveComboBox1->itemData(index).toString();
    if (!root.isEmpty()) setFolder(root);
}

void TForm21::folderChanged(const QString &folder)
{
    m_folder = folder;
    // The name as the file system spells it: "ZELKOR.FDB" is found as well.
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString &f : files) {
        if (f.compare(QLatin1String("Zelkor.fdb"), Qt::CaseInsensitive) == 0) {
            Edit1->setText(QDir::toNativeSeparators(QDir(folder).filePath(f)));
            return;
        }
    }
    Edit1->clear();
}

void TForm21::Button3Click()
{
    const QString file = Edit1->text();
    if (file.isEmpty()) {
        seams::message(QStringLiteral("Nincs kiválasztva! "));
        return;
    }
    const QFileInfo fi(QDir::fromNativeSeparators(file));
    if (!fi.isFile()) {
        seams::message(QStringLiteral("A küldendő fájl nem található: %1").arg(file));
        return;
    }
    const QString err = exchange::runMailComposer(composerArguments(fi.absoluteFilePath()));
    if (!err.isEmpty())
        seams::message(QStringLiteral("A levelező program nem indítható el.\n%1\n"
                                      "Másolja vágólapra a fájl nevét, és használja a \"Küldés2\" gombot.")
                           .arg(err));
}

void TForm21::Button4Click()
{
    Edit1->selectAll();
    QApplication::clipboard()->setText(Edit1->text());
}

void TForm21::Button6Click()
{
    // A failure of the desktop to open the link is ignored, as with no mail program at all.
    exchange::openUrl(QUrl(mailtoText(), QUrl::StrictMode));
}
