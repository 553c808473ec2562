#pragma once
// Texts and column sets the main window is prepared with at start-up, kept apart from the
// window so they can be checked directly.

#include "platform/list_column.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace qv::app {

// Four spaces, the company, then the fixed texts the title bar spreads out, and the version.
QString windowCaption(const QString& companyId);
// The company, two spaces and the executable's base name: the title of every message box.
QString applicationTitle(const QString& companyId, const QString& executablePath);

QStringList gradeList();
// The lot list's column widths, in twips.
std::vector<int> lotListWidthsTwips();
// The order-lines columns the window opens with.
std::vector<platform::ListColumn> initialOrderLineColumns();

}  // namespace qv::app
