#include "platform/data_source_login.h"

#include <odbcinst.h>

#include <array>
#include <initializer_list>

namespace qv::platform {
namespace {

// The first of the keys the entry gives a non-empty value to; empty when none does.
QString firstValue(const QByteArray& section, std::initializer_list<const char*> keys) {
    // The driver manager keeps no longer values: it reads at most 1000 bytes a line.
    std::array<char, 1024> value{};
    for (const char* key : keys) {
        // "odbc.ini" (not a path) makes the driver manager look through its data source files
        // in the order it uses for connecting.
        const int length = SQLGetPrivateProfileString(section.constData(), key, "", value.data(),
                                                      int(value.size()), "odbc.ini");
        if (length > 0)
            return QString::fromUtf8(value.data(), qstrnlen(value.data(), value.size()));
    }
    return {};
}

}  // namespace

DataSourceLogin readDataSourceLogin(const QString& dataSource) {
    const QByteArray section = dataSource.toUtf8();
    if (section.isEmpty())
        return {};
    return {firstValue(section, {"UID", "User"}), firstValue(section, {"PWD", "Password"})};
}

DataSourceLogin connectionAttributes(const DataSourceLogin& login) {
    const auto attribute = [](const QString& value, bool last) {
        QString sent = value;
        if (value.contains(u';') || value.startsWith(u'{'))
            sent = u'{' + sent.replace(u'}', QStringLiteral("}}")) + u'}';
        return value.isEmpty() || !last ? sent : sent + u';';
    };
    return {attribute(login.user, login.password.isEmpty()), attribute(login.password, true)};
}

}  // namespace qv::platform
