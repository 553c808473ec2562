#include "tests/support/odbc_data_source.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <stdexcept>
#include <utility>

namespace qv::tests {
namespace {

// The output of odbcinst (the unixODBC driver manager's tool) with the given arguments; throws
// std::runtime_error saying why when it cannot be run.
QString odbcinst(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("odbcinst"), arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit)
        throw std::runtime_error("odbcinst cannot be run (" + process.errorString().toStdString() +
                                 "): the unixODBC driver manager is not installed");
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The driver's name, or empty and why.
std::pair<QString, std::string> findDriver(const QString& library, const QString& install) {
    try {
        QStringList names;
        static const QRegularExpression kSection(QStringLiteral(R"(^\[(.+)\]$)"),
                                                 QRegularExpression::MultilineOption);
        for (auto match = kSection.globalMatch(odbcinst({"-q", "-d"})); match.hasNext();)
            names << match.next().captured(1);
        for (const QString& name : names) {
            static const QRegularExpression kDriver(QStringLiteral(R"(^Driver\s*=\s*(.*)$)"),
                                                    QRegularExpression::MultilineOption);
            const QString path = kDriver.match(odbcinst({"-q", "-d", "-n", name})).captured(1);
            if (path.section(u'/', -1).contains(library))
                return {name, {}};
        }
        return {{},
                "no ODBC driver " + library.toStdString() +
                    " is registered with the driver manager (odbcinst -q -d lists: " +
                    (names.isEmpty() ? std::string("none") : names.join(", ").toStdString()) +
                    "); install " + install.toStdString() + " to run this test"};
    } catch (const std::runtime_error& e) {
        return {{}, e.what()};
    }
}

}  // namespace

QString registeredDriver(const QString& library, const QString& install, std::string& why) {
    const auto found = findDriver(library, install);
    why = found.second;
    return found.first;
}

QString registeredSqlite3Driver(std::string& why) {
    // odbcinst is asked once per process.
    static const std::pair<QString, std::string> found =
        findDriver(QStringLiteral("sqlite3odbc"), QStringLiteral("libsqliteodbc"));
    why = found.second;
    return found.first;
}

void addDataSource(const QString& folder, const QString& name, const QStringList& lines) {
    QFile dataSources(QDir(folder).filePath("odbc.ini"));
    if (!dataSources.open(QIODevice::Append) ||
        dataSources.write(('[' + name + "]\n" + lines.join(u'\n') + '\n').toUtf8()) < 0)
        throw std::runtime_error("Cannot write " + dataSources.fileName().toStdString());
    // The user's data sources; the driver manager reads the file again at each connection.
    qputenv("ODBCINI", dataSources.fileName().toUtf8());
}

void addOdbcDataSource(const QString& folder, const QString& name, const QString& databaseFile,
                       const QStringList& more) {
    std::string why;
    const QString driver = registeredSqlite3Driver(why);
    if (driver.isEmpty())
        throw std::runtime_error(why);
    addDataSource(
        folder, name,
        QStringList{"Driver=" + driver, "Database=" + databaseFile, "NoCreat=1", "Timeout=1000"} +
            more);
}

}  // namespace qv::tests
