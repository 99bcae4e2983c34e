// Opening the compartment list through a query slot (with a locate) against a
// bare fetch of the same statement through the engine's API, on 10,000
// compartments with 3 stand rows and 2 felling rows each. Prints figures.
#include "datastore/DataModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

static long peakKb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? atoi(argv[1]) : 10000;
    QTemporaryDir dir;
    const QString db = dir.path() + "/ZELKOR.FDB";
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(QStringLiteral(ZELKOR_SOURCE_DIR) + "/scripts/make-large-db.sh", {QString::number(n), db});
    p.waitForFinished(-1);
    if (p.exitCode() != 0) { fprintf(stderr, "make-large-db.sh failed\n"); return 1; }
    printf("database of %d compartments built in %.1f s\n", n, t.elapsed() / 1000.0);
    QDir::setCurrent(dir.path());

    TData data;
    data.connectDatabase();
    const QStringList sql{"SELECT * FROM RESZLET", "ORDER BY RHELYSEG, RTAG, RRESZLET"};
    const int rounds = 5;
    double bare = 1e9, slot = 1e9;
    for (int r = 0; r < rounds; ++r) {
        // Bare: the engine's cursor fetched row by row, nothing kept.
        FbSession s;
        t.restart();
        {
            FbSession &fs = s;
            fs.attach(TData::databaseName(), "SYSDBA", "bervalosz");
            fs.startTransaction();
            QElapsedTimer f;
            f.start();
            QVector<DbColumn> cols;
            fs.run(sql.join('\n'), {}, &cols, nullptr, true);
            bare = qMin(bare, f.nsecsElapsed() / 1e6);
            fs.commit();
            fs.detach();
        }
        // Kept rows would make every round after the first no fetch at all.
        data.writes().noteMany(QStringLiteral("RESZLET"));
        t.restart();
        data.ZQ10->load(sql);
        data.ZQ10->open();
        data.ZQ10->locate("RKOD", QString::number(10000 + n / 2));
        slot = qMin(slot, t.nsecsElapsed() / 1e6);
    }
    printf("rows: %d\n", data.ZQ10->rowCount());
    printf("bare fetch (engine API, no slot): %8.1f ms\n", bare);
    printf("ZQ10 open + locate:               %8.1f ms\n", slot);
    printf("ratio slot / bare:                %8.2f  (target at most 1.30)\n", slot / bare);
    printf("peak memory (max RSS):            %8.1f MiB\n", peakKb() / 1024.0);
    return 0;
}
