#pragma once
// The program's icon for its windows: quorvan.svg rendered at build time in the sizes
// desktops use, embedded in the program, so no SVG support is needed at run time.

#include <QIcon>

namespace qv::app {

QIcon programIcon();

}  // namespace qv::app
