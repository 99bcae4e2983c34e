#include "shell/VersionInfo.h"

std::optional<FixedFileInfo> programVersionInfo()
{
#if defined(ZELKOR_FILE_VERSION_MAJOR) && defined(ZELKOR_PRODUCT_VERSION_MAJOR)
    FixedFileInfo info;
    info.fileVersionMS = (quint32(ZELKOR_FILE_VERSION_MAJOR) << 16) | quint32(ZELKOR_FILE_VERSION_MINOR);
    info.productVersionMS = (quint32(ZELKOR_PRODUCT_VERSION_MAJOR) << 16) | quint32(ZELKOR_PRODUCT_VERSION_MINOR);
    return info;
#else
    return std::nullopt;
#endif
}

QString versionText(const std::optional<FixedFileInfo> &info)
{
    if (!info) return {};
    const quint32 major = info->fileVersionMS >> 16;
    const quint32 minor = info->productVersionMS & 0xFFFFu;
    return QString::number(major) + QStringLiteral(".0") + QString::number(minor);
}

QString versionCaption(const QString &text)
{
    return QStringLiteral("Zelkor -  Verzió: ") + text + QStringLiteral(" 2011");
}
