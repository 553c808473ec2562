#include "tests/support/odbc_data_source.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <stdexcept>

namespace qv::tests {
namespace {

// The "[name]" or "Key = value" lines odbcinst, the unixODBC driver manager's tool, lists for
// arguments; throws std::runtime_error saying why when it cannot be run.
QStringList odbcinst(const QStringList& arguments, const char* pattern) {
    QProcess process;
    process.start("odbcinst", arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit)
        throw std::runtime_error("odbcinst cannot be run (" + process.errorString().toStdString() +
                                 "): the unixODBC driver manager is not installed");
    const QRegularExpression line(pattern, QRegularExpression::MultilineOption);
    QStringList found;
    for (auto match = line.globalMatch(process.readAllStandardOutput()); match.hasNext();)
        found << match.next().captured(1);
    return found;
}

}  // namespace

QString registeredDriver(const QString& library, const QString& install, std::string& why) {
    try {
        const QStringList names = odbcinst({"-q", "-d"}, R"(^\[(.+)\]$)");
        for (const QString& name : names) {
            const QStringList path = odbcinst({"-q", "-d", "-n", name}, R"(^Driver\s*=\s*(.*)$)");
            if (!path.isEmpty() && path[0].section(u'/', -1).contains(library))
                return name;
        }
        why = "no ODBC driver " + library.toStdString() +
              " is registered with the driver manager (odbcinst -q -d lists: " +
              (names.isEmpty() ? std::string("none") : names.join(", ").toStdString()) +
              "); install " + install.toStdString() + " to run this test";
    } catch (const std::runtime_error& e) {
        why = e.what();
    }
    return {};
}

void addDataSource(const QString& folder, const QString& name, const QStringList& lines) {
    QFile dataSources(QDir(folder).filePath("odbc.ini"));
    if (!dataSources.open(QIODevice::Append) ||
        dataSources.write(('[' + name + "]\n" + lines.join(u'\n') + '\n').toUtf8()) < 0)
        throw std::runtime_error("Cannot write " + dataSources.fileName().toStdString());
    // The user's data sources; the driver manager reads the file again at each connection.
    qputenv("ODBCINI", dataSources.fileName().toUtf8());
}

void addOdbcDataSource(const QString& folder, const QString& name, const QString& databaseFile) {
    std::string why;
    const QString driver = registeredSqlite3Driver(why);
    if (driver.isEmpty())
        throw std::runtime_error(why);
    addDataSource(folder, name,
                  {"Driver=" + driver, "Database=" + databaseFile, "NoCreat=1", "Timeout=1000"});
}

}  // namespace qv::tests
