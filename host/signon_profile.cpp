#include "host/signon_profile.h"

#include "host/host_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringConverter>
#include <QTextStream>

namespace qv::host {

using platform::DatabaseSetting;
using platform::DbError;

QString signonProfilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/quorvan/host.ini");
}

namespace {

// A value as written after '=' (trimmed): up to a comment, which starts at a ';' after a
// blank; in double quotes, the text up to the first quote that only blanks or a comment
// follow, which may hold quotes, blanks and " ;".
QString profileValue(const QString& text) {
    for (qsizetype close = text.startsWith(u'"') ? text.indexOf(u'"', 1) : -1; close > 0;
         close = text.indexOf(u'"', close + 1)) {
        const QString rest = text.mid(close + 1).trimmed();
        if (rest.isEmpty() || rest.startsWith(u';'))
            return text.mid(1, close - 1);
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u';' && (i == 0 || text[i - 1].isSpace()))
            return text.left(i).trimmed();
    }
    return text;
}

}  // namespace

std::optional<SignonProfile> readSignonProfile(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw HostError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));

    const auto malformed = [&path](int line, const QString& what) {
        return HostError(QStringLiteral("%1 line %2: %3").arg(path).arg(line).arg(what));
    };
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    bool inSignon = false, sawSignon = false;
    std::optional<QString> company, database, folder;
    for (int number = 1; !in.atEnd(); ++number) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']'))
                throw malformed(number, QStringLiteral("a section name must end with ]"));
            inSignon =
                line.mid(1, line.size() - 2).trimmed().compare(u"signon", Qt::CaseInsensitive) == 0;
            sawSignon = sawSignon || inSignon;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            throw malformed(number, QStringLiteral("expected key = value"));
        if (!inSignon)
            continue;
        const QString key = line.left(equals).trimmed().toLower();
        const QString value = profileValue(line.mid(equals + 1).trimmed());
        if (key == u"company")
            company = value;
        else if (key == u"database")
            database = value;
        else if (key == u"folder")
            folder = value;
        else
            throw malformed(number, QStringLiteral("unknown key %1").arg(key));
    }
    if (in.status() != QTextStream::Ok)
        throw HostError(QStringLiteral("cannot read %1").arg(path));
    if (!sawSignon)
        throw HostError(QStringLiteral("%1: no [signon] section").arg(path));
    if (!company || company->isEmpty())
        throw HostError(QStringLiteral("%1: [signon] names no company").arg(path));

    SignonProfile profile;
    profile.company = *company;
    profile.folder = folder.value_or(QString());
    try {
        profile.database = DatabaseSetting::parse(database.value_or(QStringLiteral("odbc")));
    } catch (const DbError& e) {
        throw HostError(QStringLiteral("%1: database: %2").arg(path, e.text()));
    }
    return profile;
}

void writeSignonProfile(const QString& path, const QString& company, const QString& database,
                        const QString& folder) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text) ||
        file.write(QStringLiteral("[signon]\ncompany=\"%1\"\ndatabase=\"%2\"\nfolder=\"%3\"\n")
                       .arg(company, database, folder)
                       .toUtf8()) < 0)
        throw HostError(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

}  // namespace qv::host
