#pragma once
// One column of a list as the window shows it: its header text, its width in twips and the
// alignment of its cells.

#include <QString>

namespace qv::platform {

struct ListColumn {
    QString header;
    int widthTwips = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
};

}  // namespace qv::platform
