#pragma once
// The sign-on profile, $XDG_CONFIG_HOME/quorvan/host.ini:
//   [signon]
//   company = BRISVL
//   database = odbc            (or sqlite:/path/to/company.sqlite)
//   folder = /path/to/host/folder
// Lines starting with ; or # are comments, and so is the rest of a line from a ; after a
// blank (a value in double quotes may hold one); keys are read without regard to case.

#include "platform/database.h"

#include <QString>

#include <optional>

namespace qv::host {

struct SignonProfile {
    QString company;
    platform::DatabaseSetting database;
    QString folder;
};

// Where the profile is looked for.
QString signonProfilePath();

// Reads the profile at path; nothing when there is no file. Throws HostError naming the file
// (and the line) when it is unreadable or malformed.
std::optional<SignonProfile> readSignonProfile(const QString& path);

// Writes the profile that signs on to company (database as the profile spells it: "odbc" or
// "sqlite:PATH"), creating its folder; tools and tests sign on to a company file this way.
// Throws HostError naming the file when it cannot be written.
void writeSignonProfile(const QString& path, const QString& company, const QString& database,
                        const QString& folder);

}  // namespace qv::host
