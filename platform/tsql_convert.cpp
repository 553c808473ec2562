// CONVERT for the embedded SQLite company: the target types the program's statements use.

#include "platform/sqlite_tsql_api.h"

#include "platform/tsql_convert.h"

#include "platform/sqlite_tsql.h"
#include "platform/tsql_collation.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>

namespace qv::platform {
namespace {

constexpr const char* kDateFormatError =
    "Conversion failed when converting date and/or time from character string.";
constexpr const char* kDateRangeError =
    "The conversion of a char data type to a datetime data type resulted in an out-of-range "
    "value.";

// The target of CONVERT(type, expr), parsed once per statement.
struct TargetType {
    enum class Kind { Char, VarChar, Int, DateTime };
    Kind kind = Kind::Int;
    int length = 30;  // characters; -1 for MAX. SQL Server's default for CONVERT is 30.
};

std::string upperWithoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == ' ' || c == '\t')
            continue;
        out += (c >= 'a' && c <= 'z') ? static_cast<char>(c - ('a' - 'A')) : c;
    }
    return out;
}

// "CHAR(8)", "VARCHAR(MAX)", "DATETIME" ...; false for anything else.
bool parseTargetType(std::string_view text, TargetType& type) {
    const std::string t = upperWithoutBlanks(text);
    const auto open = t.find('(');
    const std::string name = t.substr(0, open);
    if (name == "INT" || name == "INTEGER" || name == "DATETIME") {
        type.kind = name == "DATETIME" ? TargetType::Kind::DateTime : TargetType::Kind::Int;
        return open == std::string::npos;
    }
    int maxLength = 0;
    if (name == "CHAR" || name == "VARCHAR") {
        maxLength = 8000;
    } else if (name == "NCHAR" || name == "NVARCHAR") {
        maxLength = 4000;
    } else {
        return false;
    }
    type.kind =
        name.find("VAR") != std::string::npos ? TargetType::Kind::VarChar : TargetType::Kind::Char;
    if (open == std::string::npos)
        return true;
    if (t.back() != ')')
        return false;
    const std::string inner = t.substr(open + 1, t.size() - open - 2);
    if (inner == "MAX") {
        type.length = -1;
        return type.kind == TargetType::Kind::VarChar;
    }
    if (inner.empty() || inner.size() > 4 ||
        inner.find_first_not_of("0123456789") != std::string::npos)
        return false;
    type.length = std::stoi(inner);
    return type.length >= 1 && type.length <= maxLength;
}

void deleteTargetType(void* p) {
    delete static_cast<TargetType*>(p);
}

std::string_view valueText(sqlite3_value* v) {
    return {reinterpret_cast<const char*>(sqlite3_value_text(v)),
            static_cast<std::size_t>(sqlite3_value_bytes(v))};
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

// Keeps at most n UTF-8 characters; pads with blanks up to n when pad is set.
std::string fitToLength(std::string_view text, int n, bool pad) {
    auto p = reinterpret_cast<Bytes>(text.data());
    const Bytes end = p + text.size();
    const Bytes begin = p;
    int count = 0;
    while (p < end && (n < 0 || count < n)) {
        nextChar(p, end);
        ++count;
    }
    std::string out(reinterpret_cast<const char*>(begin), static_cast<std::size_t>(p - begin));
    if (pad && n > count)
        out.append(static_cast<std::size_t>(n - count), ' ');
    return out;
}

// A value as text: a real that holds a whole number prints without a fraction, as a
// DECIMAL(9,0) date does.
std::string textOf(sqlite3_value* v) {
    char buffer[40];
    switch (sqlite3_value_type(v)) {
        case SQLITE_INTEGER:
            return std::to_string(sqlite3_value_int64(v));
        case SQLITE_FLOAT: {
            const double d = sqlite3_value_double(v);
            const bool whole = std::isfinite(d) && d == std::trunc(d) && std::fabs(d) < 1e15;
            std::snprintf(buffer, sizeof buffer, whole ? "%.0f" : "%.15g", d);
            return buffer;
        }
        default:
            return std::string(valueText(v));
    }
}

void convertToText(sqlite3_context* ctx, sqlite3_value* v, const TargetType& type) {
    std::string text = textOf(v);
    const int valueType = sqlite3_value_type(v);
    const bool number = valueType == SQLITE_INTEGER || valueType == SQLITE_FLOAT;
    if (number && type.length >= 0 && static_cast<int>(text.size()) > type.length) {
        // Too long for the target: SQL Server refuses a decimal and shows a whole number as
        // one asterisk.
        if (valueType == SQLITE_FLOAT) {
            sqlite3_result_error(
                ctx, "Arithmetic overflow error converting numeric to data type varchar.", -1);
            return;
        }
        text = "*";
    }
    const std::string out = fitToLength(text, type.length, type.kind == TargetType::Kind::Char);
    sqlite3_result_text(ctx, out.data(), static_cast<int>(out.size()), SQLITE_TRANSIENT);
}

void convertToInt(sqlite3_context* ctx, sqlite3_value* v) {
    constexpr const char* kOverflow =
        "Arithmetic overflow error converting expression to data type int.";
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    std::int64_t n = 0;
    switch (sqlite3_value_type(v)) {
        case SQLITE_INTEGER:
            n = sqlite3_value_int64(v);
            break;
        case SQLITE_FLOAT: {
            const double d = std::trunc(sqlite3_value_double(v));
            if (!(d >= kMin && d <= kMax)) {
                sqlite3_result_error(ctx, kOverflow, -1);
                return;
            }
            n = static_cast<std::int64_t>(d);
            break;
        }
        default: {
            const std::string_view original = valueText(v);
            std::string_view s = trimBlanks(original);
            // Like SQL Server, a lone sign or an empty text reads as 0.
            const bool negative = !s.empty() && s.front() == '-';
            if (!s.empty() && (s.front() == '-' || s.front() == '+'))
                s.remove_prefix(1);
            for (char c : s) {
                if (c < '0' || c > '9') {
                    const std::string message =
                        "Conversion failed when converting the varchar value '" +
                        std::string(original) + "' to data type int.";
                    sqlite3_result_error(ctx, message.c_str(), -1);
                    return;
                }
                if (n <= kMax)
                    n = n * 10 + (c - '0');  // stays out of range once it is
            }
            if (negative)
                n = -n;
            break;
        }
    }
    if (n < kMin || n > kMax) {
        sqlite3_result_error(ctx, kOverflow, -1);
        return;
    }
    sqlite3_result_int64(ctx, n);
}

struct DateTime {
    int year = 1900, month = 1, day = 1, hour = 0, minute = 0, second = 0, millisecond = 0;
};

// Reads exactly `count` digits (or, with count < 0, one or two) into out.
bool readNumber(std::string_view& s, int count, int& out) {
    const std::size_t want = count < 0 ? (s.size() > 1 && s[1] >= '0' && s[1] <= '9' ? 2 : 1)
                                       : static_cast<std::size_t>(count);
    if (s.size() < want)
        return false;
    int n = 0;
    for (std::size_t i = 0; i < want; ++i) {
        if (s[i] < '0' || s[i] > '9')
            return false;
        n = n * 10 + (s[i] - '0');
    }
    out = n;
    s.remove_prefix(want);
    return true;
}

// h[h]:mm[:ss[.fff]]
bool parseTime(std::string_view s, DateTime& dt) {
    if (!readNumber(s, -1, dt.hour) || s.empty() || s.front() != ':')
        return false;
    s.remove_prefix(1);
    if (!readNumber(s, -1, dt.minute))
        return false;
    if (!s.empty() && s.front() == ':') {
        s.remove_prefix(1);
        if (!readNumber(s, -1, dt.second))
            return false;
        if (!s.empty() && s.front() == '.') {
            s.remove_prefix(1);
            const std::size_t digits = s.size();
            if (digits == 0 || digits > 3 ||
                !readNumber(s, static_cast<int>(digits), dt.millisecond))
                return false;
            for (std::size_t i = digits; i < 3; ++i)
                dt.millisecond *= 10;
        }
    }
    return s.empty() && dt.hour < 24 && dt.minute < 60 && dt.second < 60;
}

// The date forms SQL Server reads independently of language settings: yyyymmdd, yymmdd,
// yyyy, and ISO yyyy-mm-dd, each with an optional time. Returns the message on failure.
const char* parseDateTime(std::string_view text, DateTime& dt) {
    std::string_view s = trimBlanks(text);
    if (s.empty())
        return nullptr;  // 1900-01-01
    const std::size_t digits = s.find_first_not_of("0123456789");
    const std::size_t dateLength = digits == std::string_view::npos ? s.size() : digits;
    bool iso = false;
    if (dateLength == 8) {
        readNumber(s, 4, dt.year);
        readNumber(s, 2, dt.month);
        readNumber(s, 2, dt.day);
    } else if (dateLength == 6) {
        readNumber(s, 2, dt.year);
        dt.year += dt.year < 50 ? 2000 : 1900;  // SQL Server's two-digit year cutoff 2049
        readNumber(s, 2, dt.month);
        readNumber(s, 2, dt.day);
    } else if (dateLength == 4) {
        readNumber(s, 4, dt.year);
        iso = !s.empty() && s.front() == '-';
        if (iso) {
            s.remove_prefix(1);
            if (!readNumber(s, -1, dt.month) || s.empty() || s.front() != '-')
                return kDateFormatError;
            s.remove_prefix(1);
            if (!readNumber(s, -1, dt.day))
                return kDateFormatError;
        }
    } else {
        return kDateFormatError;
    }
    if (!s.empty()) {
        const bool separated = s.front() == ' ' || (iso && s.front() == 'T');
        if (!separated)
            return kDateFormatError;
        if (!parseTime(trimBlanks(s.substr(1)), dt))
            return kDateFormatError;
    }
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (dt.year % 4 == 0 && dt.year % 100 != 0) || dt.year % 400 == 0;
    if (dt.year < 1753 || dt.month < 1 || dt.month > 12 || dt.day < 1 ||
        dt.day > kDays[dt.month - 1] + (dt.month == 2 && leap ? 1 : 0))
        return kDateRangeError;
    return nullptr;
}

// SQL Server reads a number as days since 1900-01-01, the fraction as the time of day in its
// 1/300-second ticks; the result must lie in 1753-01-01 .. 9999-12-31.
const char* dateTimeFromDays(double days, DateTime& dt) {
    constexpr std::int64_t kTicksPerDay = 86400LL * 300;
    constexpr double kFirstTick = -53690.0 * kTicksPerDay;  // 1753-01-01
    constexpr double kEndTick = 2958464.0 * kTicksPerDay;   // 10000-01-01
    const double scaled = std::round(days * kTicksPerDay);
    if (!(scaled >= kFirstTick && scaled < kEndTick))
        return "Arithmetic overflow error converting expression to data type datetime.";
    const auto ticks = static_cast<std::int64_t>(scaled);
    std::int64_t day = ticks / kTicksPerDay;
    std::int64_t tick = ticks % kTicksPerDay;
    if (tick < 0) {
        tick += kTicksPerDay;
        --day;
    }
    // H. Hinnant's civil_from_days, which counts from 1970-01-01 (day 25567 after 1900-01-01);
    // z stays positive over the datetime range.
    const std::int64_t z = day - 25567 + 719468;
    const std::int64_t era = z / 146097;
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    dt.day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    dt.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    dt.year = static_cast<int>(yearOfEra + era * 400 + (dt.month <= 2 ? 1 : 0));
    dt.hour = static_cast<int>(tick / (3600 * 300));
    tick %= 3600 * 300;
    dt.minute = static_cast<int>(tick / (60 * 300));
    tick %= 60 * 300;
    dt.second = static_cast<int>(tick / 300);
    dt.millisecond = static_cast<int>((tick % 300 * 10 + 1) / 3);  // .003, .007, .010 ...
    return nullptr;
}

void convertToDateTime(sqlite3_context* ctx, sqlite3_value* v) {
    DateTime dt;
    const int valueType = sqlite3_value_type(v);
    const char* error = valueType == SQLITE_INTEGER || valueType == SQLITE_FLOAT
                            ? dateTimeFromDays(sqlite3_value_double(v), dt)
                            : parseDateTime(textOf(v), dt);
    if (error) {
        sqlite3_result_error(ctx, error, -1);
        return;
    }
    char out[32];
    const int n = std::snprintf(out, sizeof out, "%04d-%02d-%02d %02d:%02d:%02d.%03d", dt.year,
                                dt.month, dt.day, dt.hour, dt.minute, dt.second, dt.millisecond);
    sqlite3_result_text(ctx, out, n, SQLITE_TRANSIENT);
}

}  // namespace

void convertFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    auto* type = static_cast<TargetType*>(sqlite3_get_auxdata(ctx, 0));
    TargetType local;
    if (!type) {
        if (!parseTargetType(valueText(argv[0]), local)) {
            const std::string message =
                "CONVERT to type '" + std::string(valueText(argv[0])) + "' is not supported";
            sqlite3_result_error(ctx, message.c_str(), -1);
            return;
        }
        sqlite3_set_auxdata(ctx, 0, new TargetType(local), deleteTargetType);
        type = &local;
    }
    if (sqlite3_value_type(argv[1]) == SQLITE_NULL)
        return;  // NULL result
    switch (type->kind) {
        case TargetType::Kind::Char:
        case TargetType::Kind::VarChar:
            convertToText(ctx, argv[1], *type);
            break;
        case TargetType::Kind::Int:
            convertToInt(ctx, argv[1]);
            break;
        case TargetType::Kind::DateTime:
            convertToDateTime(ctx, argv[1]);
            break;
    }
}

bool isSupportedConvertType(std::string_view type) {
    TargetType parsed;
    return parseTargetType(type, parsed);
}

}  // namespace qv::platform
