#include "tests/support/workbook_reader.h"

#include <QJsonDocument>
#include <QProcess>

#include <gtest/gtest.h>

namespace qv::tests {

QJsonObject readWorkbook(const QString& path) {
    QProcess reader;
    reader.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(QV_READ_WORKBOOK_SCRIPT), path});
    EXPECT_TRUE(reader.waitForFinished(60000));
    EXPECT_EQ(reader.exitCode(), 0) << "openpyxl could not read " << path.toStdString() << ": "
                                    << reader.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
}

}  // namespace qv::tests
