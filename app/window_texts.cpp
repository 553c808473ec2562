#include "app/window_texts.h"

#include "app/version_info.h"

#include <QFileInfo>

namespace qv::app {

QString windowCaption(const QString& companyId) {
    return QString(4, u' ') + companyId + QString(10, u' ') + QStringLiteral("BRISVALE") +
           QString(45, u' ') + QStringLiteral(" Location Item Lot Qty") + QString(55, u' ') +
           QStringLiteral(" Quorvan ") + VersionInfo::number();
}

QString applicationTitle(const QString& companyId, const QString& executablePath) {
    return companyId + QStringLiteral("  ") + QFileInfo(executablePath).completeBaseName();
}

QStringList gradeList() {
    return {"A", "A+", "B", "C", "NA", "NC", "SS"};
}

std::vector<int> lotListWidthsTwips() {
    return {255,  800, 1600, 1600, 900, 1200, 1200, 700,  1100,
            1200, 900, 1200, 700,  600, 2000, 500,  1000, 1200};
}

std::vector<platform::ListColumn> initialOrderLineColumns() {
    return {{"Item Number", 1600, Qt::AlignLeft},
            {"Qty", 900, Qt::AlignRight},
            {"UOM", 600, Qt::AlignHCenter},
            {"Weight", 1100, Qt::AlignRight},
            {"ExtWeight", 1100, Qt::AlignRight}};
}

}  // namespace qv::app
