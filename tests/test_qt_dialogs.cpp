// Qt's print and file dialogs as the program shows them: Hungarian throughout,
// also where Debian's qtbase_hu has no text. With ZELKOR_SCREENSHOTS set to a
// folder, both are saved there as pictures (docs/screenshots/).
#include "shell/Startup.h"
#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

namespace {

// Every caption, item and tip of a window, also of the parts a printer
// without duplex (the PDF file here) hides.
QStringList shownTexts(QWidget *w)
{
    QStringList texts;
    for (QWidget *c : w->findChildren<QWidget *>()) {
        if (auto *l = qobject_cast<QLabel *>(c)) texts << l->text();
        if (auto *b = qobject_cast<QAbstractButton *>(c)) texts << b->text();
        if (auto *g = qobject_cast<QGroupBox *>(c)) texts << g->title();
        if (auto *box = qobject_cast<QComboBox *>(c))
            for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
        if (auto *tabs = qobject_cast<QTabWidget *>(c))
            for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
        texts << c->toolTip();
    }
    for (QString &t : texts) t.remove(QLatin1Char('&'));
    texts.removeAll(QString());
    return texts;
}

void saveScreenshot(QWidget *w, const QString &name)
{
    const QString dir = qEnvironmentVariable("ZELKOR_SCREENSHOTS");
    if (!dir.isEmpty()) QVERIFY(w->grab().save(dir + "/" + name));
}

} // namespace

class TestQtDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installHungarianTranslations(*qApp); }
    void printDialogInHungarian();
    void fileDialogInHungarian();
};

void TestQtDialogs::printDialogInHungarian()
{
    QPrinter printer;
    QPrintDialog dialog(&printer);
    dialog.show();
    QPushButton *options = nullptr;
    for (QPushButton *b : dialog.findChildren<QPushButton *>())
        if (b->text().remove('&').startsWith("Beállítások")) options = b;
    QVERIFY(options);
    options->click();   // the page range and double-sided printing
    QTest::qWait(50);
    const QStringList texts = shownTexts(&dialog);
    for (const char *t : {"Oldalak", "Kétoldalas nyomtatás", "Ki", "Kötés a hosszabbik oldalon"})
        QVERIFY2(texts.contains(QString::fromUtf8(t)), t);
    QStringList english;
    for (const char *t : {"Pages", "Double Sided Printing", "Off", "Long side binding", "Short side binding",
                          "Options", "Print", "Cancel", "Copies"})
        if (texts.contains(QLatin1String(t))) english << QLatin1String(t);
    QCOMPARE(english, QStringList());
    saveScreenshot(&dialog, "nyomtatas-parbeszed.png");
}

void TestQtDialogs::fileDialogInHungarian()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("Mentések"));
    QFile f(dir.filePath("Kimutatás 2026-12-11.xlsx"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QFileDialog dialog(nullptr, "Mentés Excel-fájlba", dir.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.setNameFilters({"Excel-munkafüzet (*.xlsx)"});
    dialog.selectFile("Kimutatás 2026-12-11.xlsx");
    dialog.resize(760, 420);
    dialog.show();
    auto *model = dialog.findChild<QFileSystemModel *>();
    QVERIFY(model);
    const QModelIndex folder = model->index(dir.filePath("Mentések"), 2);
    QTRY_COMPARE(model->data(folder).toString(), QString("Mappa"));
    for (int c = 0; c < 4; ++c)
        QVERIFY(!QStringList({"Name", "Size", "Type", "Date Modified"}).contains(model->headerData(c, Qt::Horizontal).toString()));
    const QStringList texts = shownTexts(&dialog);
    for (const char *t : {"Folder", "File name:", "Save", "Cancel", "Files of type:"})
        QVERIFY2(!texts.contains(QLatin1String(t)), t);
    QTest::qWait(200);
    saveScreenshot(&dialog, "fajl-parbeszed.png");
}

QTEST_MAIN(TestQtDialogs)
#include "test_qt_dialogs.moc"
