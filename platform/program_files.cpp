#include "platform/program_files.h"

#include <QDir>
#include <QFileInfo>

namespace qv::platform {

QString programFilePath(const QString& executableDir, const QString& fileName) {
    const QDir bin(executableDir);
    const QString beside = bin.filePath(fileName);
    if (QFileInfo(beside).isFile())
        return beside;
    // The build sets the share folder relative to bin/, as its install rules lay them out.
    const QString installed =
        QDir::cleanPath(bin.filePath(QStringLiteral(QV_SHARE_FROM_BIN "/") + fileName));
    return QFileInfo(installed).isFile() ? installed : beside;
}

}  // namespace qv::platform
