#pragma once
// Where the program's own read-only files lie: beside the executable (a build folder, or a
// program copied together with its files), otherwise in the share folder of the prefix it
// was installed to (bin/quorvan finds ../share/quorvan/), so any install prefix works.

#include <QString>

namespace qv::platform {

// The path of fileName beside executableDir, else in the installed share folder; when
// neither holds it, the path beside the executable, for the caller to report as missing.
QString programFilePath(const QString& executableDir, const QString& fileName);

}  // namespace qv::platform
