// What the history triggers cost: a compartment save (every column of the
// data-entry window written back, one changed, committed) and the
// reference-year update of every compartment, with the history triggers
// active and inactive, side by side. Prints figures.
#include "datastore/DataModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

// CPU time of the process (the embedded engine runs in it): what the machine's other load does not move.
double cpuMs()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

void exec(TData &data, const QString &sql, const QHash<QString, DbParam> &params = {})
{
    data.runInOpenTransaction(sql, params, nullptr, nullptr);
    data.commit();
}

// Median of the saves: every column written, one of them changed.
double saveMs(TData &data, const QStringList &columns, int rounds)
{
    QStringList set;
    for (const QString &c : columns) set << c + " = " + c;
    set[1] = "RHELYSEG = :p1";
    const QString sql = "UPDATE RESZLET SET " + set.join(", ") + " WHERE IDR = :p0";
    QVector<double> ms;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer t;
        t.start();
        exec(data, sql, {{"p0", DbParam{DbParam::Int, {}, 0, 1 + r % 100}},
                         {"p1", DbParam{DbParam::Text, QString("Helység %1").arg(r)}}});
        ms << t.nsecsElapsed() / 1e6;
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

double yearMs(TData &data, int year, double *cpu = nullptr)
{
    QElapsedTimer t;
    t.start();
    const double c = cpuMs();
    exec(data, "UPDATE reszlet SET RTEV = :p1", {{"p1", DbParam{DbParam::Int, {}, 0, year}}});
    if (cpu) *cpu += cpuMs() - c;
    return t.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? atoi(argv[1]) : 10000;
    QTemporaryDir dir;
    const QString db = dir.path() + "/ZELKOR.FDB";
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(QStringLiteral(ZELKOR_SOURCE_DIR) + "/scripts/make-large-db.sh", {QString::number(n), db});
    p.waitForFinished(-1);
    if (p.exitCode() != 0) { fprintf(stderr, "make-large-db.sh failed\n"); return 1; }
    QDir::setCurrent(dir.path());

    TData data;
    data.connectDatabase();
    QVector<DbColumn> cols;
    QVector<DbRow> rows;
    data.runInOpenTransaction("SELECT FIRST 1 * FROM RESZLET", {}, &cols, &rows, true);
    data.commit();
    QStringList columns;
    for (const DbColumn &c : cols)
        if (c.name != "IDR") columns << c.name;

    printf("%d compartments, %lld columns written per save\n", n, qlonglong(columns.size()));
    printf("%-12s %12s %18s %22s\n", "history", "save (ms)", "year update (s)", "year update CPU (s)");
    for (bool history : {true, false, true}) {
        exec(data, QString("ALTER TRIGGER NAPLO_RESZLET %1").arg(history ? "ACTIVE" : "INACTIVE"));
        yearMs(data, 2000);   // warm-up: every row read once
        const double save = saveMs(data, columns, 41);
        double cpu = 0;
        const double year = (yearMs(data, 2011, &cpu) + yearMs(data, 2012, &cpu) + yearMs(data, 2013, &cpu)) / 3;
        printf("%-12s %12.2f %18.2f %22.2f\n", history ? "with" : "without", save, year / 1000.0, cpu / 3000.0);
    }
    return 0;
}
