// finder_bench: times the lot finder and the summary queries on a company file. One mode per
// process, so the peak memory a line reports belongs to that mode alone; bench/finder.sh runs
// the modes and compares them.
#include "bench/bench_support.h"
#include "drilldown/summary_queries.h"
#include "host/criteria_finders.h"
#include "host/session.h"
#include "host/view.h"
#include "platform/database.h"
#include "platform/tsql_dialect.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace {

using qv::bench::report;
using qv::bench::timingOf;

constexpr const char* kUsage =
    "usage: finder_bench raw FILE            read the lot finder's view records, no dialog\n"
    "       finder_bench open FILE           open the lot finder on an empty field, then\n"
    "                                        narrow it by typing three characters\n"
    "       finder_bench summaries FILE      each summary query and the item description\n"
    "       finder_bench grouped-first FILE  the summary statements with every row grouped\n"
    "                                        before HAVING applies, for comparison\n";

// What the user types into the finder's search box, one character at a time.
constexpr const char* kTyped = "456";

std::unique_ptr<qv::host::HostSession> sessionOn(const QString& file) {
    auto session = qv::host::HostSession::forCompany(
        QStringLiteral("BENCH"), qv::platform::DatabaseSetting::sqlite(file), QString());
    if (!session->isOpened())
        throw std::runtime_error(session->failure().toStdString());
    return session;
}

const qv::host::CriteriaFinder& lotFinder() {
    return qv::host::criteriaFinder(qv::host::FinderField::LotNumber);
}

// The baseline: the view the lot finder opens, browsed with its filter, every field it
// shows read from every record, nothing kept.
int runRaw(const QString& file) {
    const auto session = sessionOn(file);
    qint64 rows = 0;
    quint64 sink = 0;
    const qv::bench::Timing timing = timingOf([&] {
        const auto view = session->openDbLink(1, 0)->openView(lotFinder().viewId);
        view->browse(qv::host::finderFilter(lotFinder(), QString()), true);
        for (; view->fetch(); ++rows) {
            for (int number : lotFinder().fieldNumbers)
                sink += quint64(view->fieldValue(number).typeId());
        }
    });
    std::fprintf(stderr, "raw: checksum %llu\n", static_cast<unsigned long long>(sink));
    report("raw", timing, rows);
    return 0;
}

// The finder as the lot field's button opens it: until the dialog has been painted with its
// rows; then each typed character until the narrowed list has been painted.
int runOpen(const QString& file) {
    const auto session = sessionOn(file);
    QElapsedTimer timer;
    double cpuStart = 0;
    qint64 rows = -1;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        QCoreApplication::processEvents();
        auto* table = dialog->findChild<QTableView*>(QStringLiteral("finderTable"));
        rows = table->model()->rowCount();
        report("open", {double(timer.nsecsElapsed()) / 1e9, qv::bench::cpuSeconds() - cpuStart},
               rows);
        auto* search = dialog->findChild<QLineEdit*>(QStringLiteral("finderSearch"));
        for (const char* c = kTyped; *c; ++c) {
            const qv::bench::Timing timing = timingOf([&] {
                QTest::keyClick(search, *c);
                QCoreApplication::processEvents();
            });
            report(QStringLiteral("narrow-%1").arg(search->text()).toLatin1().constData(), timing,
                   table->model()->rowCount());
        }
        dialog->reject();
    });
    int status = 0;
    cpuStart = qv::bench::cpuSeconds();
    timer.start();
    qv::host::showCriteriaFinder(lotFinder(), session.get(), QString(), status, nullptr);
    if (rows < 0)
        throw std::runtime_error("the finder did not open");
    return 0;
}

// The largest groups of the benchmark companies (seed 7): the slowest case of each.
struct SummaryCase {
    const char* mode;
    qv::drilldown::Summary summary;
    const char* value;
};
const SummaryCase kSummaries[] = {
    {"grade", qv::drilldown::Summary::Grade, "NC"},
    {"item", qv::drilldown::Summary::Item, "A187"},
    {"custcode", qv::drilldown::Summary::CustCode, "ALDI"},
    {"prodcode", qv::drilldown::Summary::ProdCode, "P119"},
    {"palletstatus", qv::drilldown::Summary::PalletStatus, "STD"},
    {"location", qv::drilldown::Summary::Location, "COLD"},
};

int runSummaries(const QString& file) {
    const auto session = sessionOn(file);
    const auto link = session->openDbLink(1, 1);
    for (const SummaryCase& s : kSummaries) {
        qv::drilldown::SummaryFigures figures;
        const qv::bench::Timing timing =
            timingOf([&] { figures = qv::drilldown::querySummary(*link, s.summary, s.value); });
        report(s.mode, timing, figures.count.remove(u',').toLongLong());
    }
    QString description;
    const qv::bench::Timing timing =
        timingOf([&] { description = qv::drilldown::GetItemDesc(*link, QStringLiteral("A187")); });
    report("itemdesc", timing, description.isEmpty() ? 0 : 1);
    return 0;
}

// For comparison: the summary statements as SQLite runs them when it groups every row before
// applying HAVING, that is through the dialect layer alone.
int runGroupedFirst(const QString& file) {
    const auto connection =
        qv::platform::Connection::open(qv::platform::connectionString(QStringLiteral("BENCH")),
                                       qv::platform::DatabaseSetting::sqlite(file));
    for (const SummaryCase& s : kSummaries) {
        qint64 count = 0;
        const qv::bench::Timing timing = timingOf([&] {
            QSqlQuery query(connection->database());
            query.setForwardOnly(true);
            if (!query.exec(qv::platform::rewriteTsqlForSqlite(
                    qv::drilldown::summaryStatement(s.summary, QString::fromLatin1(s.value)))))
                throw std::runtime_error(qv::platform::errorText(query.lastError()).toStdString());
            count = query.next() ? query.value(0).toLongLong() : 0;
        });
        report(s.mode, timing, count);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    return qv::bench::runMode(argc, argv, kUsage,
                              {{"raw", runRaw},
                               {"open", runOpen},
                               {"summaries", runSummaries},
                               {"grouped-first", runGroupedFirst, false}});
}
