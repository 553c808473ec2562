#include "app/program_icon.h"

#include <QDir>

namespace qv::app {

QIcon programIcon() {
    QIcon icon;
    // One rendering per size; the icon picks the nearest one for each use.
    const QDir renderings(QStringLiteral(":/quorvan/icons"));
    for (const QString& name : renderings.entryList(QDir::Files))
        icon.addFile(renderings.filePath(name));
    return icon;
}

}  // namespace qv::app
