// The display formats. Input lines: a number pattern, a number, a running total, a date text.
// Any pattern is applied or refused with std::invalid_argument; a pattern of placeholders
// alone shows the number rounded to its places. A date read from a text is shown and read
// back as the same date. A total grows by the rounded quantity or refuses to leave 32 bits.
#include "platform/formats.h"
#include "tests/fuzz/fuzz_support.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

using qv::tests::require;

namespace {

void checkNumber(const QString& pattern, double value) {
    QString shown;
    try {
        shown = qv::platform::formatNumber(value, pattern);
    } catch (const std::invalid_argument&) {
        return;
    }
    const qsizetype point = pattern.indexOf(u'.');
    const double step = std::pow(10.0, point < 0 ? 0 : -(pattern.size() - point - 1));
    if (!std::all_of(pattern.begin(), pattern.end(),
                     [](QChar c) { return QStringView(u"#0.,").contains(c); }) ||
        !(std::abs(value) / step < 1e17))
        return;
    const QString digits = QString(shown).remove(u',');
    bool ok = true;
    const double read = digits.isEmpty() || digits == u"." ? 0.0 : digits.toDouble(&ok);
    const QString detail = pattern + u' ' + QString::number(value, 'g', 17) + u' ' + shown;
    require(ok, "a number shows as a number", detail);
    require(std::abs(read - value) <= step / 2 * (1 + 1e-9) + std::abs(value) * 1e-15,
            "a number shows rounded to the places of its pattern", detail);
}

void checkDate(const QString& text) {
    const auto date = qv::platform::dateFromText(text);
    require(qv::platform::readsAsDate(text) == date.has_value(), "readsAsDate agrees", text);
    require(qv::platform::dateOf(text) == date, "a text value reads as the same date", text);
    if (date)
        require(qv::platform::dateFromText(qv::platform::formatDate(*date)) == date,
                "a date shown reads back", text);
}

void checkTotal(qint32 total, double qty) {
    const double sum = double(total) + qty;
    try {
        require(std::abs(qv::platform::addRounded(total, qty) - sum) <=
                    0.5 * (1 + 1e-9) + std::abs(sum) * 1e-15,
                "a total grows by the rounded quantity", QString::number(qty, 'g', 17));
    } catch (const std::overflow_error&) {
        require(!(std::abs(sum) < 2147483647.0), "only a total past 32 bits is refused",
                QString::number(qty, 'g', 17));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList lines = qv::tests::typedTexts(data, size, 4);
    const double value = lines[1].toDouble();
    checkNumber(lines[0], value);
    checkTotal(lines[2].toInt(), value);
    checkDate(lines[3]);
    // Any day Qt can hold, far outside four-digit years too.
    if (std::abs(value) < 1e15) {
        const QDate day = QDate::fromJulianDay(qint64(value));
        require(day.isValid() == !qv::platform::formatDate(day).isEmpty(),
                "a valid day shows, an invalid one is empty", QString::number(value, 'g', 17));
    }
    return 0;
}
