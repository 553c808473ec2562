#pragma once
// A workbook file read back by another reader, openpyxl (Debian python3-openpyxl, run with
// /usr/bin/python3): what a spreadsheet application will find in it, as JSON (see
// read_workbook.py). A failure to read it fails the calling test.

#include <QJsonObject>
#include <QString>

namespace qv::tests {

QJsonObject readWorkbook(const QString& path);

}  // namespace qv::tests
