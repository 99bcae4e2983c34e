#include "common/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef ZELKOR_SHARE_FROM_BIN
#define ZELKOR_SHARE_FROM_BIN "../share/zelkor"
#endif

namespace programfiles {
namespace {
QString g_override;
}

QString shareDir()
{
    if (!g_override.isEmpty()) return g_override;
    // Relative to the program, so that an installed tree works wherever it was put.
    static const QString installed = [] {
        const QFileInfo dir(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(ZELKOR_SHARE_FROM_BIN)));
        return dir.isDir() ? dir.canonicalFilePath() : QString();
    }();
    return installed;
}

void setShareDir(const QString &dir) { g_override = dir; }

QString find(const QString &name)
{
    const QString local = QDir::current().absoluteFilePath(name);
    if (QFileInfo::exists(local)) return local;
    const QString share = shareDir();
    if (!share.isEmpty()) {
        const QString installed = QDir(share).filePath(name);
        if (QFileInfo::exists(installed)) return installed;
    }
    return local;
}

} // namespace programfiles
