// Speed of the grand totals and the custom query on a large register:
// 10,000 compartments with 3 stand rows and 2 felling rows each.
// Prints, per totals mode (summary and detail) and for a two-column custom
// query, the time of the statements through the query slots beside the same
// statements run on the bare session, the time of a whole "Nyomtatás" click
// (reset, grand total, list, report), and the peak memory.
//   bench_totals [COMPARTMENTS] [RUNS]
#include "common/Seams.h"
#include "datastore/FbSession.h"
#include "datastore/DataModule.h"
#include "queries/Totals.h"
#include "report/PreparedReport.h"
#include "report/Report.h"
#include <QFileInfo>
#include "queries/CustomQuery.h"
#include "queries/GrandTotals.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <sys/resource.h>

namespace {

int g_runs = 5;

double msPerRun(const std::function<void()> &work)
{
    work();   // warm the page cache and the statement path once
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < g_runs; ++i) work();
    return double(t.nsecsElapsed()) / 1e6 / g_runs;
}

long peakKb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

struct Case {
    QString name;
    QStringList lines;
    QString from, to;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const int compartments = argc > 1 ? QString(argv[1]).toInt() : 10000;
    if (argc > 2) g_runs = qMax(1, QString(argv[2]).toInt());

    QTemporaryDir dir;
    const QString db = dir.path() + "/ZELKOR.FDB";
    std::printf("Nagy adatbázis: %d részlet, 3 állomány- és 2 termelés-sor mindegyikhez...\n", compartments);
    std::fflush(stdout);
    QElapsedTimer build;
    build.start();
    // ZELKOR_BENCH_DB: a copy of a register made earlier (same size) instead of a new one.
    const QString made = qEnvironmentVariable("ZELKOR_BENCH_DB");
    QProcess make;
    make.setProcessChannelMode(QProcess::ForwardedChannels);
    if (!made.isEmpty())
        make.start(QStringLiteral("cp"), {made, db});
    else
        make.start(QStringLiteral(ZELKOR_SOURCE_DIR "/scripts/make-large-db.sh"), {QString::number(compartments), db});
    if (!make.waitForFinished(-1) || make.exitCode() != 0) {
        std::fprintf(stderr, "az adatbázis nem készült el\n");
        return 1;
    }
    std::printf("  elkészült %.1f s alatt\n\n", build.elapsed() / 1000.0);
    QDir::setCurrent(dir.path());
    QFile::copy(QStringLiteral(ZELKOR_SOURCE_DIR "/data/mezo1.txt"), dir.path() + "/mezo1.txt");
    // The templates, and a preview that only takes the prepared report: a
    // whole run is measured up to the preview.
    for (const QFileInfo &f : QDir(QStringLiteral(ZELKOR_SOURCE_DIR "/reports")).entryInfoList({"*.frf"}))
        QFile::copy(f.absoluteFilePath(), dir.path() + "/" + f.fileName());
    report::setPreviewHandler([](const report::PreparedReport &) {});

    QStringList messages;
    seams::setMessageHandler([&messages](seams::MessageKind, const QString &text) {
        messages << text;
        return false;
    });
    seams::setModalHandler([](QDialog *) { return int(QDialog::Rejected); });

    // Whole ranges per mode: every compartment with a grouping value takes part.
    const QString lo = QStringLiteral(""), hi = QStringLiteral("zzzzzz");
    QList<Case> cases;
    for (int mode = 1; mode <= 5; ++mode)
        for (bool detail : {false, true}) {
            const QString name = QStringLiteral("mód %1 %2").arg(mode).arg(detail ? "tételes " : "összesítő");
            cases.append({name + " lista", totals::listStatement(mode, detail), lo, hi});
            if (!detail)
                cases.append({name.left(5) + " végösszeg   ", totals::grandTotalStatement(totals::rangeLine(mode, 0)), lo, hi});
        }
    cases.append({QStringLiteral("egyedi: RHELYSEG, AFAF  "), totals::customStatement({"RHELYSEG", "AFAF"}), {}, {}});
    cases.append({QStringLiteral("egyedi végösszeg        "), totals::grandTotalStatement(QString()), {}, {}});

    // ZELKOR_PRINT_SQL: the statements, to look at their plans in isql.
    if (qEnvironmentVariableIsSet("ZELKOR_PRINT_SQL"))
        for (const Case &c : cases)
            std::printf("-- %s (p1=%s p2=%s)\n%s;\n", qPrintable(c.name), qPrintable(c.from), qPrintable(c.to),
                        qPrintable(c.lines.join('\n')));

    QVector<double> slotMs;
    QVector<int> rowCounts;
    {
        TData data;
        data.connectDatabase();
        data.commit();
        // ZELKOR_BENCH_ONLY=clicks: the whole clicks alone (their memory, their times).
        const QString only = qEnvironmentVariable("ZELKOR_BENCH_ONLY");
        for (const Case &c : cases) {
            if (only == QLatin1String("clicks")) break;
            TQuery *q = data.ZQ11;
            slotMs << msPerRun([&] {
                q->load(c.lines);
                if (c.lines.join(' ').contains(":p1")) {
                    q->setText("p1", c.from);
                    q->setText("p2", c.to);
                }
                q->open();
            });
            rowCounts << q->rowCount();
            q->close();
        }
        const double reset = msPerRun([&] {
            totals::resetGroupMark("Hiba251", "Hiba252");
        });

        std::printf("%-32s %8s %10s %10s\n", "utasítás", "sorok", "slot ms", "motor ms");
        // The bare session runs after the data module is gone (below); keep the slot figures.
        std::printf("(a motor-oszlop lent)\n");
        std::printf("%-32s %8s %10.1f\n", "csoportjel törlése (UPDATE)", "", reset);

        // Whole clicks: reset, grand total, list, report.
        std::printf("\nTeljes futás (Nyomtatás gomb; a jelentés: dm().printReport):\n");
        for (int mode = 1; mode <= 5; ++mode)
            for (bool detail : {false, true}) {
                // ZELKOR_BENCH_CLICK=2t: that click alone ("2t" species detail, "2o" its summary, "e" the free query).
                const QString click = qEnvironmentVariable("ZELKOR_BENCH_CLICK");
                if (!click.isEmpty() && click != QStringLiteral("%1%2").arg(mode).arg(detail ? 't' : 'o')) continue;
                TForm25 f;
                f.findChild<QRadioButton *>(QStringLiteral("RadioButton%1").arg(mode))->setChecked(true);
                f.findChild<QCheckBox *>("CheckBox1")->setChecked(detail);
                f.findChild<QLineEdit *>("Edit1")->setText(lo);
                f.findChild<QLineEdit *>("Edit2")->setText(hi);
                auto *button = f.findChild<QPushButton *>("Button3");
                const double ms = msPerRun([&] { button->click(); });
                std::printf("  mindösszesen mód %d %-10s %8.1f ms\n", mode, detail ? "tételes" : "összesítő", ms);
            }
        if (const QString click = qEnvironmentVariable("ZELKOR_BENCH_CLICK"); click.isEmpty() || click == u'e') {
            TForm23 f;
            f.show();
            auto *fields = f.findChild<QListWidget *>("ListBox1");
            auto *order = f.findChild<QListWidget *>("CheckListBox1");
            for (const char *col : {"RHELYSEG", "AFAF"}) {
                const auto found = fields->findItems(col, Qt::MatchExactly);
                if (found.isEmpty()) continue;
                fields->setCurrentItem(found.first());
                f.CheckListBox1DragDrop(fields);
                order->item(order->count() - 1)->setCheckState(Qt::Checked);
            }
            const double ms = msPerRun([&] { f.Button1Click(); });
            std::printf("  egyedi lekérdezés (RHELYSEG, AFAF)  %8.1f ms\n", ms);
        }
        if (!messages.isEmpty()) std::printf("  (üzenet a futásból: %s)\n", qPrintable(messages.last()));
        // The program's own peak: the bare-session figures below hold rows of their own.
        std::printf("  csúcs memória a kattintásokig: %.1f MB\n", peakKb() / 1024.0);
    }

    if (qEnvironmentVariable("ZELKOR_BENCH_ONLY") == QLatin1String("clicks")) return 0;
    // The same statements on a bare session, without the slots around them.
    FbSession session;
    session.attach(db, QStringLiteral("SYSDBA"), QStringLiteral("bervalosz"));
    std::printf("\n%-32s %8s %10s %10s\n", "utasítás", "sorok", "slot ms", "motor ms");
    for (int i = 0; i < cases.size(); ++i) {
        const Case &c = cases[i];
        QHash<QString, DbParam> params;
        if (c.lines.join(' ').contains(":p1")) {
            params["p1"] = DbParam{DbParam::Text, c.from};
            params["p2"] = DbParam{DbParam::Text, c.to};
        }
        const double ms = msPerRun([&] {
            QVector<DbColumn> cols;
            QVector<DbRow> rows;
            session.startTransaction();
            session.run(c.lines.join('\n'), params, &cols, &rows, true);
            session.commit();
        });
        std::printf("%-32s %8d %10.1f %10.1f\n", qPrintable(c.name), rowCounts[i], slotMs[i], ms);
    }
    session.detach();
    std::printf("\nCsúcs memória: %.1f MB\n", peakKb() / 1024.0);
    return 0;
}
