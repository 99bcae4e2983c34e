// The help window "Súgó" (TForm22).
#include "shell/HelpWindow.h"
#include "common/SafeSlot.h"
#include "common/ProgramFiles.h"
#include "common/Seams.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

TForm22::TForm22(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form22"));
    setWindowTitle(QStringLiteral("Súgó"));
    auto *help = new QPushButton(QStringLiteral("Segitség"), this);
    help->setObjectName(QStringLiteral("Button1"));
    auto *cancel = new QPushButton(QStringLiteral("Mégsem"), this);
    cancel->setObjectName(QStringLiteral("Button3"));
    connect(help, &QPushButton::clicked, this, safeslot::wrap(this, &TForm22::Button1Click));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *lay = new QHBoxLayout(this);
    lay->addWidget(help);
    lay->addWidget(cancel);
    setFixedSize(260, 70);
    if (QScreen *s = QApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

QString TForm22::helpFile()
{
    for (const QString name : {QStringLiteral("zelkor-sugo.html"), QStringLiteral("help/zelkor-sugo.html")}) {
        const QFileInfo f(programfiles::find(name));
        if (f.isFile()) return f.absoluteFilePath();
    }
    return {};
}

void TForm22::Button1Click()
{
    auto *w = new THelpWindow(helpFile(), this);
    seams::runModal(w);
    delete w;
}

THelpWindow::THelpWindow(const QString &file, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Zelkor - Felhasználói kézikönyv"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    m_contents = new QListWidget(this);
    m_contents->setObjectName(QStringLiteral("HelpContents"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenExternalLinks(true);

    QString html;
    QFile f(file);
    if (!file.isEmpty() && f.open(QIODevice::ReadOnly)) {
        html = QString::fromUtf8(f.readAll());
        m_browser->setSearchPaths({QFileInfo(file).absolutePath()});
        m_browser->setHtml(html);
    } else {
        m_browser->setHtml(QStringLiteral(
            "<h2>A súgó nem található</h2><p>A felhasználói kézikönyv (<b>zelkor-sugo.html</b>) "
            "nincs a program adatmappájában. Kérje a program telepítőjétől.</p>"));
    }
    // The contents list: every chapter heading that carries an anchor.
    static const QRegularExpression heading(QStringLiteral("<h([23])\\s+id=\"([^\"]+)\"[^>]*>(.*?)</h\\1>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    for (auto it = heading.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        QString title = m.captured(3);
        title.remove(tags);
        auto *item = new QListWidgetItem((m.captured(1) == QLatin1String("3") ? QStringLiteral("    ") : QString())
                                             + title.simplified(),
                                         m_contents);
        item->setData(Qt::UserRole, m.captured(2));
    }
    connect(m_contents, &QListWidget::currentItemChanged, this, safeslot::wrap([this](QListWidgetItem *cur) {
        if (cur) m_browser->scrollToAnchor(cur->data(Qt::UserRole).toString());
    }));

    auto *split = new QSplitter(this);
    split->addWidget(m_contents);
    split->addWidget(m_browser);
    split->setStretchFactor(1, 1);
    split->setSizes({260, 740});
    auto *close = new QPushButton(QStringLiteral("Bezárás"), this);
    close->setObjectName(QStringLiteral("HelpClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(split, 1);
    lay->addLayout(buttons);
    resize(1040, 680);
    if (QScreen *s = QApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}
