#include "exchange/OldLitter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <unistd.h>

namespace oldlitter {

bool heldOpen(const QString &path)
{
    const QString wanted = QFileInfo(path).canonicalFilePath();
    const QDir proc(QStringLiteral("/proc"));
    for (const QString &pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (pid.isEmpty() || !pid.front().isDigit()) continue;
        const QDir fds(proc.filePath(pid + QStringLiteral("/fd")));
        for (const QFileInfo &fd : fds.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot))
            if (fd.symLinkTarget() == wanted) return true;
    }
    return false;
}

void removeIn(const QString &folder)
{
    // The earlier code wrote these without a process number: a writer still at
    // work keeps its file open and its time fresh.
    static const QRegularExpression name(QStringLiteral("^\\..+\\.fdb\\.[A-Za-z0-9]{6,}\\.tmp$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QDateTime stale = QDateTime::currentDateTime().addSecs(-600);
    const QDir dir(folder);
    for (const QFileInfo &f : dir.entryInfoList({QStringLiteral(".*.tmp")}, QDir::Files | QDir::Hidden)) {
        if (!name.match(f.fileName()).hasMatch() || f.fileName().contains(QStringLiteral(".zelkor"))) continue;
        if (f.ownerId() != getuid() || f.lastModified() > stale || heldOpen(f.absoluteFilePath())) continue;
        QFile::remove(f.absoluteFilePath());
    }
}

} // namespace oldlitter
