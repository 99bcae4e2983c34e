#pragma once
// The program's file and product version, compiled in by the build; the
// caption's version text is made from them.
#include <QString>
#include <optional>

struct FixedFileInfo {
    quint32 fileVersionMS = 0;      // major << 16 | minor
    quint32 fileVersionLS = 0;
    quint32 productVersionMS = 0;
    quint32 productVersionLS = 0;
};

// The version numbers of this executable (none when the build gave none).
std::optional<FixedFileInfo> programVersionInfo();

// Major file version, ".0", minor product version: 1.3 gives "1.03", minor 12 gives "1.012".
QString versionText(const std::optional<FixedFileInfo> &info);

// "Zelkor -  Verzió: " + version text + " 2011"
QString versionCaption(const QString &versionText);
