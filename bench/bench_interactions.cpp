// The interactions a clerk repeats all day, through the real windows,
// offscreen, on a register made by scripts/make-large-db.sh, each beside its
// floor measured in the same run:
//   start-up to a usable main window        / the attach alone
//   opening the compartment list            / a bare fetch of its rows
//   one key typed into the list's search    / (none: the key itself)
//   "OK" in the data-entry window           / the update and commit alone
//   "OK" in the stand editor                / the insert and commit alone
// Usage: bench_interactions REGISTER.FDB [runs]. The register is copied first.
#include "common/Seams.h"
#include "common/Shared.h"
#include "datastore/DataModule.h"
#include "register/CompartmentEntry.h"
#include "register/CompartmentList.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

double ms(const QElapsedTimer &t) { return t.nsecsElapsed() / 1e6; }

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v.at(v.size() / 2);
}

long peakKb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// Every modal window is handed to the next step; none waits for a hand.
QList<std::function<int(QDialog *)>> g_steps;

void print(const char *what, double value, double floor, const char *target)
{
    printf("%-44s %9.1f ms   floor %9.1f ms   target %s\n", what, value, floor, target);
}

double bareFetch(const QString &sql)
{
    FbSession s;
    s.attach(TData::databaseName(), QStringLiteral("SYSDBA"), QStringLiteral("bervalosz"));
    s.startTransaction();
    QElapsedTimer t;
    t.start();
    QVector<DbColumn> cols;
    QVector<DbRow> rows;
    s.run(sql, {}, &cols, &rows, true);
    const double v = ms(t);
    s.commit();
    s.detach();
    return v;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) { fprintf(stderr, "usage: bench_interactions REGISTER.FDB [runs]\n"); return 2; }
    const int runs = argc > 2 ? atoi(argv[2]) : 5;
    QTemporaryDir dir;
    if (!QFile::copy(QString::fromLocal8Bit(argv[1]), dir.path() + "/ZELKOR.FDB")) { fprintf(stderr, "copy failed\n"); return 1; }
    QFile::setPermissions(dir.path() + "/ZELKOR.FDB", QFile::ReadOwner | QFile::WriteOwner);
    QDir::setCurrent(dir.path());
    seams::setMessageHandler([](seams::MessageKind, const QString &text) {
        fprintf(stderr, "message: %s\n", qPrintable(text));
        return false;
    });
    seams::setModalHandler([](QDialog *d) {
        if (g_steps.isEmpty()) return int(QDialog::Rejected);
        return g_steps.takeFirst()(d);
    });

    // Start-up: the main window constructed (splash closed at once) until it is usable.
    QVector<double> start, attach;
    for (int r = 0; r < runs; ++r) {
        {
            QElapsedTimer t;
            t.start();
            TData probe;
            probe.connectDatabase();
            attach << ms(t);
        }
        QElapsedTimer t;
        t.start();
        auto *main = new TForm1;
        main->show();
        QCoreApplication::processEvents();
        start << ms(t);
        delete main;
        delete TData::instance();
    }
    TData data;
    data.connectDatabase();
    shared::resetAll();

    const QString listSql = QStringLiteral("SELECT * FROM RESZLET\nORDER BY RHELYSEG, RTAG, RRESZLET");
    // The first opening reads the list; later ones find it kept (where rows are kept).
    QVector<double> open, bare;
    double firstOpen = 0;
    for (int r = 0; r < runs; ++r) {
        bare << bareFetch(listSql);
        QElapsedTimer t;
        t.start();
        auto *w = new TForm7;
        w->show();
        QCoreApplication::processEvents();
        open << ms(t);
        if (r == 0) firstOpen = ms(t);
        delete w;
    }

    TForm7 list;
    list.show();
    QCoreApplication::processEvents();
    const int n = data.ZQ10->rowCount();

    // Keys: a settlement name typed letter by letter, then cleared again.
    QVector<double> keys;
    auto *search = list.findChild<QLineEdit *>(QStringLiteral("Edit1"));
    for (int r = 0; r < runs; ++r) {
        search->clear();
        for (const char c : QByteArrayLiteral("Zalaeger")) {
            if (!c) break;
            QElapsedTimer t;
            t.start();
            QTest::keyClick(search, c);
            QCoreApplication::processEvents();
            keys << ms(t);
        }
    }

    // The data-entry window's "OK" on the current compartment, unchanged values.
    QVector<double> entry, update;
    for (int r = 0; r < runs; ++r) {
        data.ZQ10->setCurrentRow(n / 2 + r);
        const QString idr = data.ZQ10->asString(QStringLiteral("IDR"));
        {
            QElapsedTimer t;
            t.start();
            TQuery *q = data.ZQ12;
            q->load({QStringLiteral("UPDATE reszlet SET RTAG = RTAG WHERE IDR = :p0")});
            q->setText(QStringLiteral("p0"), idr);
            q->execute();
            data.commit();
            update << ms(t);
        }
        QCoreApplication::processEvents();
        // From the "OK" click until the list window is back.
        static QElapsedTimer t;
        g_steps << [](QDialog *d) {
            t.start();
            d->findChild<QPushButton *>(QStringLiteral("Button59"))->click();
            return d->result();
        };
        list.Button3Click();
        QCoreApplication::processEvents();
        entry << ms(t);
    }

    // The stand editor's "OK" adding a row, from the data-entry window's stand page.
    // A full table has no code left: the highest codes are freed first.
    {
        TQuery *q = data.ZQ12;
        q->load({QStringLiteral("DELETE FROM allomany WHERE AKOD > :p1")});
        q->setText(QStringLiteral("p1"), QString::number(99999 - 2 * runs));
        q->execute();
        data.commit();
    }
    QVector<double> stand, insert;
    for (int r = 0; r < runs; ++r) {
        data.ZQ10->setCurrentRow(n / 3 + r);
        const QString code = data.ZQ10->asString(QStringLiteral("RKOD"));
        {
            QElapsedTimer t;
            t.start();
            TQuery *q = data.ZQ12;
            q->load({QStringLiteral("INSERT INTO allomany (ARKOD, ASSZAM, AFAF, AXKOD) VALUES (:p1, '9', 'KST', '1')")});
            q->setText(QStringLiteral("p1"), code);
            q->execute();
            data.commit();
            insert << ms(t);
        }
        QCoreApplication::processEvents();
        double took = 0;
        g_steps << [&took](QDialog *entryWindow) {
            auto *tabs = entryWindow->findChild<QTabWidget *>();
            tabs->setCurrentIndex(1);
            QWidget *page = tabs->currentWidget();
            // From the editor's "OK" until the page shows its list again.
            static QElapsedTimer t;
            g_steps << [](QDialog *editor) {
                editor->findChild<QLineEdit *>(QStringLiteral("Edit3"))->setText(QStringLiteral("KST"));
                t.start();
                editor->findChild<QPushButton *>(QStringLiteral("Button2"))->click();
                return editor->result();
            };
            page->findChild<QPushButton *>(QStringLiteral("ButtonUj"))->click();
            QCoreApplication::processEvents();
            took = ms(t);
            return int(QDialog::Rejected);
        };
        list.Button3Click();
        QCoreApplication::processEvents();
        stand << took;
    }

    printf("compartments: %d, runs: %d (medians)\n", n, runs);
    print("start-up to a usable main window", median(start), median(attach), "< 500 ms");
    print("opening the compartment list, first time", firstOpen, median(bare), "<= 1.3 x floor");
    printf("%-44s %9.2f\n", "  ratio first opening / bare fetch", firstOpen / median(bare));
    print("opening the compartment list, again", median(open), median(bare), "<= 1.3 x floor");
    print("one key typed in the search", median(keys), 0, "< 30 ms");
    print("\"OK\" in the data-entry window", median(entry), median(update), "< 50 ms");
    print("\"OK\" in the stand editor", median(stand), median(insert), "< 50 ms");
    printf("%-44s %9.1f MiB\n", "peak memory (max RSS)", peakKb() / 1024.0);
    return 0;
}
