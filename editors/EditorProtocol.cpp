#include "editors/EditorProtocol.h"
#include "common/SafeSlot.h"

#include "codes/CodePick.h"
#include "common/Seams.h"
#include "datastore/CodeReservation.h"
#include "datastore/Convert.h"
#include "datastore/DataModule.h"
#include "datastore/Failure.h"
#include "datastore/RowCodes.h"
#include "widgets/GuardedWrite.h"
#include "widgets/Input.h"
#include "widgets/SaveGuard.h"
#include <QDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace editor {
namespace {

// The page "Kód" shows nothing: it hides whatever it holds whenever it is shown.
class EmptyPage : public QWidget {
public:
    using QWidget::QWidget;
protected:
    void showEvent(QShowEvent *e) override
    {
        for (QWidget *w : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            w->hide();
        QWidget::showEvent(e);
    }
};

QString trimmedRight(const QString &s)
{
    int n = int(s.size());
    while (n > 0 && s.at(n - 1).isSpace())
        --n;
    return s.left(n);
}

QLineEdit *keyDisplay(const QString &name, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setMaximumWidth(80);
    QPalette p = e->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    p.setColor(QPalette::Text, p.color(QPalette::Disabled, QPalette::Text));
    e->setPalette(p);
    return e;
}

} // namespace

QString predictCode(TQuery *work, const QStringList &lines, const QString &codeColumn)
{
    if (const auto reserved = reservation::reserve(*work->database(), codeColumn))
        return reserved->code;
    work->load(lines);
    work->open();
    if (work->rowCount() == 0)
        return QStringLiteral("10001");
    work->last();
    qint64 last = 0;
    if (!convert::parseInt(work->asString(codeColumn), &last))
        return QString();
    return QString::number(last + 1);
}

void bindParams(TQuery &statement, const QList<Param> &params, const fieldform::FieldForm &form,
                const QString &idText, const QString &compartmentText)
{
    for (const Param &p : params) {
        if (p.source == IdDisplay)
            statement.setText(p.name, idText);
        else if (p.source == CompartmentDisplay)
            statement.setText(p.name, compartmentText);
        else if (p.source == ConstantOne)
            statement.setText(p.name, QStringLiteral("1"));
        else
            form.bindField(statement, p.name, p.source);
    }
}

EditorCore::EditorCore(QDialog *window, const EditorDef &def)
    : QObject(window), m_window(window), m_def(def)
{
    window->setWindowTitle(def.caption);
    auto *outer = new QVBoxLayout(window);
    m_pages = new QTabWidget(window);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    outer->addWidget(m_pages);
    m_firstPage = new QWidget;
    m_firstPage->setObjectName(QStringLiteral("TabSheet1"));
    auto *codePage = new EmptyPage;
    codePage->setObjectName(QStringLiteral("TabSheet2"));
    m_pages->addTab(m_firstPage, def.pageCaption);
    m_pages->addTab(codePage, QStringLiteral("Kód"));

    // The names messages give some fields belong to the field table.
    for (fieldform::FieldDef &d : m_def.fields)
        for (const auto &n : def.numberNames)
            if (n.first == d.control)
                d.name = n.second;
    m_form = std::make_unique<fieldform::FieldForm>(m_def.fields, m_firstPage, &pickCode);

    QWidget *keyParent = def.keysOnCodePage ? static_cast<QWidget *>(codePage) : m_firstPage;
    m_keyBox = new QWidget(keyParent);
    auto *keys = new QHBoxLayout(m_keyBox);
    keys->setContentsMargins(0, 0, 0, 0);
    keys->addStretch();
    auto addKey = [&](const KeyDisplay &k) {
        auto *label = new QLabel(k.column, m_keyBox);
        auto *e = keyDisplay(k.control, m_keyBox);
        keys->addWidget(label);
        keys->addWidget(e);
        return e;
    };
    m_idEdit = addKey(def.id);
    m_codeEdit = addKey(def.code);
    m_compEdit = addKey(def.compartment);
    if (def.keysOnCodePage)
        m_keyBox->hide();

    m_buttonBox = new QWidget(m_firstPage);
    auto *buttons = new QHBoxLayout(m_buttonBox);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addStretch();
    m_ok = new QPushButton(QStringLiteral("OK"), m_buttonBox);
    m_ok->setObjectName(QStringLiteral("Button2"));
    m_cancel = new QPushButton(QStringLiteral("Mégsem"), m_buttonBox);
    m_cancel->setObjectName(QStringLiteral("Button3"));
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    connect(m_ok, &QPushButton::clicked, this, safeslot::wrap([this] { save(); }));
    connect(m_cancel, &QPushButton::clicked, window, &QDialog::reject);
    // A closed window shows no code any more: another workstation may have it.
    connect(window, &QDialog::finished, this, [this] { m_reserved.release(); });
}

EditorCore::~EditorCore() = default;

void EditorCore::finish(const QStringList &focusOrder)
{
    QList<QWidget *> chain;
    for (const QString &name : focusOrder)
        if (auto *w = m_window->findChild<QWidget *>(name))
            chain << w;
    for (const fieldform::FieldDef &d : m_def.fields)
        if (auto *b = m_form->pickButton(d.control))
            chain << b;
    chain << m_idEdit << m_codeEdit << m_compEdit;
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
    if (!chain.isEmpty())
        chain.first()->setFocus();
    if (m_def.enterMovesFocus)
        input::enterMovesFocus(m_window);

    m_window->adjustSize();
    m_window->setFixedSize(m_window->sizeHint());
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect r = screen->availableGeometry();
        m_window->move(r.center() - QPoint(m_window->width() / 2, m_window->height() / 2));
    }

    if (isNew()) {
        try {
            const QString code = predictCode(dm().*m_def.workSlot, m_def.predictLines, m_def.code.column);
            m_reserved.set(dm(), m_def.code.column, code, [this](const QString &now) {
                const QString shown = m_codeEdit->text();
                m_codeEdit->setText(now);
                seams::message(reservation::takenMessage(shown, now));
            });
            // A full table is told now, before anything is typed; OK then refuses.
            m_codesExhausted = !code.isEmpty() && !rowcodes::available(code.toLongLong(), m_def.caption);
            m_codeEdit->setText(m_codesExhausted ? QString() : code);
        } catch (const std::exception &e) {
            // Unguarded read: the general error handler's text; the window still opens.
            seams::message(QString::fromStdString(e.what()));
        }
    }
    m_compEdit->setText(shared::currentCompartmentCode);
}

bool EditorCore::loadCurrentRow()
{
    m_window->setWindowTitle(m_def.state->mode);
    try {
        TQuery *list = dm().*m_def.listSlot;
        if (!list->isOpen() || list->currentRow() < 0)
            throw DbError(QStringLiteral("no current row"));
        showRow(*list);
    } catch (const std::exception &) {
        seams::message(m_def.loadMessage);
        return false;
    }
    return true;
}

void EditorCore::showRow(const TQuery &row)
{
    m_idEdit->setText(row.asString(m_def.id.column));
    m_codeEdit->setText(row.asString(m_def.code.column));
    // The row's own compartment: a row listed by a title click may belong to another.
    m_compEdit->setText(row.asString(m_def.compartment.column));
    m_form->load(row);
    if (!m_def.lookupControl.isEmpty()) {
        const QString stored = row.asString(m_form->def(m_def.lookupControl)->column);
        // A stored code shows its short name; anything else shows as stored.
        // Codes are at most five characters: a longer text is no code.
        const QString trimmed = stored.trimmed();
        if (!trimmed.isEmpty() && trimmed.size() <= 5) {
            const QString shortName = dm().codeLookup(stored);
            // The short name shown is what OK stores: the species is kept by name.
            if (dm().ZQ102->rowCount() > 0)
                m_form->setText(m_def.lookupControl, shortName);
        }
    }
    // What the update writes, as loaded: the save checks the stored row against it.
    QStringList columns;
    for (const Param &p : m_def.updateParams)
        if (const fieldform::FieldDef *d = m_form->def(p.source))
            columns << d->column;
    m_loaded = rowcheck::capture(row, reservation::tableOfCode(m_def.code.column), m_def.id.column, columns);
    m_loadedTexts = saveguard::texts(*m_form);
}

// The row as another workstation saved it; what the user changed stays.
void EditorCore::takeOverStoredRow()
{
    TQuery *work = dm().*m_def.workSlot;
    work->load({QStringLiteral("SELECT * FROM %1").arg(m_loaded.table),
                QStringLiteral("WHERE %1 = :p0").arg(m_loaded.keyColumn)});
    work->setText(QStringLiteral("p0"), m_loaded.key);
    work->open();
    if (work->isEmpty())
        return;
    const QHash<QString, QString> typed = saveguard::texts(*m_form);
    const QHash<QString, QString> loaded = m_loadedTexts;
    showRow(*work);
    saveguard::keepTyped(*m_form, typed, loaded);
}

bool EditorCore::checkInput()
{
    if (isNew() && m_codesExhausted) {
        seams::message(rowcodes::exhaustedMessage(m_def.caption));
        return false;
    }
    auto refuse = [this](const QString &control, const QString &text) {
        m_form->refuse(control, text);
        return false;
    };
    if (!m_def.requiredControl.isEmpty() && trimmedRight(m_form->text(m_def.requiredControl)).isEmpty())
        return refuse(m_def.requiredControl, m_def.requiredMessage);
    if (!m_def.dateControl.isEmpty() && m_form->text(m_def.dateControl).isEmpty())
        return refuse(m_def.dateControl, DateMessage);
    if (!m_form->validate(DateMessage))
        return false;
    // A new row is never stored under an empty compartment code.
    if (isNew() && m_compEdit->text().trimmed().isEmpty()) {
        seams::message(NoCompartmentMessage);
        return false;
    }
    return true;
}

bool EditorCore::refuseValue(const DbValueError &e, const QList<Param> &params)
{
    for (const Param &p : params) {
        const fieldform::FieldDef *d = m_form->def(p.source);
        if (d && p.name.compare(e.param(), Qt::CaseInsensitive) == 0) {
            m_form->refuse(d->control, e.message(fieldform::messageName(*d)));
            return true;
        }
    }
    return false;
}

bool EditorCore::write()
{
    const bool insert = isNew();
    const QString lastCode = m_def.state->lastCode;
    guarded::Write w(insert ? m_def.insertMessage : m_def.updateMessage, m_def.outerMessage);
    if (!insert)
        w.checkRow(m_loaded, [this] { takeOverStoredRow(); });
    w.refuseBy([this, insert](const DbValueError &e) { return refuseValue(e, insert ? m_def.insertParams : m_def.updateParams); });
    const bool written = w.run([&] {
        TQuery *work = dm().*m_def.workSlot;
        work->load(insert ? m_def.insertLines : m_def.updateLines);
        bindParams(*work, insert ? m_def.insertParams : m_def.updateParams, *m_form, m_idEdit->text(),
                   m_compEdit->text());
        work->execute();
        m_def.state->lastCode = m_codeEdit->text();
    });
    // Nothing typed is lost: the window stays open, and the lists on screen
    // reopen themselves after a rollback.
    if (!written)
        m_def.state->lastCode = lastCode;
    return written;
}

void EditorCore::refreshLists()
{
    try {
        for (const Refresh &r : m_def.refresh) {
            TQuery *slot = dm().*r.slot;
            slot->load(r.lines);
            // A whole table is never what a page shows: the page that opened
            // the editor reads its list for the compartment when it shows it.
            if (!r.byCompartment)
                continue;
            slot->setText(QStringLiteral("p1"), shared::currentCompartmentCode);
            slot->open();
            slot->locate(r.locateColumn, r.state->lastCode);
        }
    } catch (const std::exception &e) {
        seams::message(QString::fromStdString(e.what()));
    }
}

void EditorCore::save()
{
    if (!checkInput())
        return;
    if (!write())
        return;
    m_reserved.release();
    refreshLists();
    m_window->accept();
}

void remarkLayout(EditorCore &core, const QStringList &fieldControls, const QString &memo)
{
    auto *page = new QVBoxLayout(core.firstPage());
    if (!core.def().keysOnCodePage)
        page->addWidget(core.keyBox());
    if (!fieldControls.isEmpty()) {
        auto *grid = new QGridLayout;
        for (int i = 0; i < fieldControls.size(); ++i) {
            core.form().addToGrid(grid, i, 0, fieldControls[i]);
            core.form().control(fieldControls[i])->setMinimumWidth(260);
        }
        grid->setColumnStretch(3, 1);
        page->addLayout(grid);
    }
    auto *remark = core.form().memo(memo);
    remark->setMinimumSize(420, fieldControls.isEmpty() ? 220 : 110);
    page->addWidget(remark);
    page->addWidget(core.buttonBox());
}

} // namespace editor
