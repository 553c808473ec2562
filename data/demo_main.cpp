// quorvan-demo: writes a demo company database of a chosen size, for benchmarks and for
// looking at by hand (sqlite3 with the platform's extension loaded).
#include "data/company_writer.h"
#include "data/demo_company.h"

#include <sqlite3.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

std::int64_t countRows(sqlite3* db, const char* table) {
    sqlite3_stmt* stmt = nullptr;
    std::int64_t count = -1;
    const std::string sql = std::string("SELECT COUNT(*) FROM ") + table;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        count = sqlite3_column_int64(stmt, 0);
    sqlite3_finalize(stmt);
    return count;
}

[[noreturn]] void usageError(const QCommandLineParser& parser, const QString& message) {
    std::fprintf(stderr, "quorvan-demo: %s\n\n%s", qPrintable(message),
                 qPrintable(parser.helpText()));
    std::exit(2);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Writes a Quorvan demo company database.");
    parser.addHelpOption();
    const QCommandLineOption lotsOption("lots", "Number of lots (default 3000).", "N", "3000");
    const QCommandLineOption seedOption("seed", "Random seed (default 1).", "S", "1");
    const QCommandLineOption outOption("out", "Database file to write (default DEMO.sqlite).",
                                       "FILE", "DEMO.sqlite");
    const QCommandLineOption todayOption(
        "today", "The day the orders are dated from, yyyy-mm-dd (default today).", "DATE");
    parser.addOptions({lotsOption, seedOption, outOption, todayOption});
    parser.process(app);
    if (!parser.positionalArguments().isEmpty())
        usageError(parser, "unexpected argument " + parser.positionalArguments().first());

    qv::data::DemoOptions options;
    bool ok = false;
    options.lots = parser.value(lotsOption).toInt(&ok);
    if (!ok || options.lots < 0)
        usageError(parser,
                   "--lots needs a whole number of 0 or more, not " + parser.value(lotsOption));
    options.seed = parser.value(seedOption).toUInt(&ok);
    if (!ok)
        usageError(parser,
                   "--seed needs a whole number of 0 or more, not " + parser.value(seedOption));
    if (parser.isSet(todayOption)) {
        options.today = QDate::fromString(parser.value(todayOption), "yyyy-MM-dd");
        if (!options.today.isValid())
            usageError(parser,
                       "--today needs a date as yyyy-mm-dd, not " + parser.value(todayOption));
    }
    const QString out = parser.value(outOption);

    try {
        QElapsedTimer timer;
        timer.start();
        qv::data::generateDemoCompany(out, options);
        const double seconds = timer.elapsed() / 1000.0;
        const qv::data::SqliteHandle db = qv::data::openWritableCompany(out);
        std::printf(
            "%s: %lld lots, %lld lot optional fields, %lld items, %lld orders, %lld order lines "
            "(seed %u) in %.1f s\n",
            qPrintable(out), static_cast<long long>(countRows(db.get(), "ICXLOT")),
            static_cast<long long>(countRows(db.get(), "ICXLOTO")),
            static_cast<long long>(countRows(db.get(), "ICITEM")),
            static_cast<long long>(countRows(db.get(), "OEORDH")),
            static_cast<long long>(countRows(db.get(), "OEORDD")), options.seed, seconds);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quorvan-demo: %s\n", e.what());
        return 1;
    }
    return 0;
}
