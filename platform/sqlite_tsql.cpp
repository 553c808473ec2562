// SQL Server behaviour for the embedded SQLite company. Plain C++ over the SQLite C API (no
// Qt), so the same source also builds as a loadable extension for the sqlite3 shell
// (QV_SQLITE_EXTENSION), which makes the demo company inspectable by hand.

#ifdef QV_SQLITE_EXTENSION
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT1
#else
#include <sqlite3.h>
#endif

#include "platform/sqlite_tsql.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qv::platform {
namespace {

using Bytes = const unsigned char*;

// Decodes one UTF-8 character and advances p. A malformed byte counts as one Latin-1
// character, so foreign bytes never stop a comparison.
inline char32_t nextChar(Bytes& p, Bytes end) {
    const unsigned lead = *p++;
    if (lead < 0x80)
        return lead;
    int extra = 0;
    char32_t c = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        c = lead & 0x07;
    } else {
        return lead;
    }
    if (end - p < extra)
        return lead;
    for (int i = 0; i < extra; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return lead;
        c = (c << 6) | (p[i] & 0x3F);
    }
    p += extra;
    return c;
}

inline unsigned lowerAscii(unsigned c) {
    return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
}

// Case folding for the scripts a company's data is written in: Latin-1, Latin Extended-A,
// Greek and Cyrillic. Accents stay significant, as in SQL Server's CI_AS collations.
char32_t foldNonAscii(char32_t c) {
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 0x20;
    if ((c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177))
        return c | 1;  // upper case even, lower case odd
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
        return c + (c & 1);  // upper case odd, lower case even
    if (c == 0x178)
        return 0xFF;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2)
        return c + 0x20;
    if (c >= 0x410 && c <= 0x42F)
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F)
        return c + 0x50;
    return c;
}

inline char32_t fold(char32_t c) {
    return c < 0x80 ? lowerAscii(c) : foldNonAscii(c);
}

inline char32_t nextFolded(Bytes& p, Bytes end) {
    return fold(nextChar(p, end));
}

Bytes withoutTrailingBlanks(Bytes begin, Bytes end) {
    while (end > begin && end[-1] == ' ')
        --end;
    return end;
}

// The rest of a value against the blanks SQL Server pads the shorter one with.
int compareWithBlanks(Bytes p, Bytes end) {
    while (p < end && *p == ' ')
        ++p;
    if (p == end)
        return 0;
    return nextFolded(p, end) < ' ' ? -1 : 1;
}

// TSQL_CI: SQL Server compares as if the shorter value were padded with blanks, so trailing
// blanks never matter and the order stays consistent with equality. Index seeks on lot
// numbers call this millions of times per search: ASCII takes a byte path.
int compareCi(void*, int lengthA, const void* a, int lengthB, const void* b) {
    auto p = static_cast<Bytes>(a);
    auto q = static_cast<Bytes>(b);
    const Bytes endP = p + lengthA;
    const Bytes endQ = q + lengthB;
    while (p < endP && q < endQ) {
        const unsigned x = *p;
        const unsigned y = *q;
        if ((x | y) < 0x80) {
            if (x != y && lowerAscii(x) != lowerAscii(y))
                return lowerAscii(x) < lowerAscii(y) ? -1 : 1;
            ++p;
            ++q;
            continue;
        }
        const char32_t cx = nextFolded(p, endP);
        const char32_t cy = nextFolded(q, endQ);
        if (cx != cy)
            return cx < cy ? -1 : 1;
    }
    return p < endP ? compareWithBlanks(p, endP) : -compareWithBlanks(q, endQ);
}

// ---- LIKE ---------------------------------------------------------------------------------

// A LIKE pattern compiled once per statement (kept as SQLite auxiliary data while the
// pattern argument stays the same), with every character already case-folded.
struct LikePattern {
    enum class Kind : unsigned char { Char, AnyOne, AnyRun, Set };
    struct Token {
        Kind kind;
        bool negated;
        char32_t ch;          // Char
        std::uint32_t first;  // Set: its ranges are ranges[first, last)
        std::uint32_t last;
    };
    std::vector<Token> tokens;
    std::vector<std::pair<char32_t, char32_t>> ranges;
    std::size_t tailStart = 0;  // tokens from here on are all AnyRun
    char32_t escape = 0;
    bool hasEscape = false;

    void add(Kind kind, char32_t ch = 0) { tokens.push_back({kind, false, ch, 0, 0}); }

    // [abc], [a-c], [^...]: the text between the brackets.
    void addSet(Bytes p, Bytes end) {
        Token t{Kind::Set, false, 0, static_cast<std::uint32_t>(ranges.size()), 0};
        if (p < end && *p == '^' && end - p > 1) {
            t.negated = true;
            ++p;
        }
        while (p < end) {
            const char32_t low = nextFolded(p, end);
            char32_t high = low;
            if (end - p > 1 && *p == '-') {
                ++p;
                high = nextFolded(p, end);
            }
            ranges.emplace_back(low, high);
        }
        t.last = static_cast<std::uint32_t>(ranges.size());
        tokens.push_back(t);
    }

    LikePattern(Bytes p, Bytes end, bool withEscape, char32_t escapeChar)
        : escape(escapeChar), hasEscape(withEscape) {
        while (p < end) {
            const char32_t c = nextChar(p, end);
            if (hasEscape && c == escape && p < end) {
                add(Kind::Char, nextFolded(p, end));
            } else if (c == '%') {
                if (tokens.empty() || tokens.back().kind != Kind::AnyRun)
                    add(Kind::AnyRun);
            } else if (c == '_') {
                add(Kind::AnyOne);
            } else if (c == '[') {
                Bytes close = p;
                while (close < end && *close != ']')
                    ++close;
                if (close == end) {
                    add(Kind::Char, '[');  // no closing bracket: a plain character
                } else {
                    addSet(p, close);
                    p = close + 1;
                }
            } else {
                add(Kind::Char, fold(c));
            }
        }
        tailStart = tokens.size();
        while (tailStart > 0 && tokens[tailStart - 1].kind == Kind::AnyRun)
            --tailStart;
    }

    bool matchesChar(const Token& t, char32_t c) const {
        switch (t.kind) {
            case Kind::Char:
                return t.ch == c;
            case Kind::AnyOne:
                return true;
            case Kind::Set:
                for (auto i = t.first; i < t.last; ++i) {
                    if (c >= ranges[i].first && c <= ranges[i].second)
                        return !t.negated;
                }
                return t.negated;
            case Kind::AnyRun:
                break;
        }
        return false;
    }

    // After a %, the text up to the first byte that can match an ASCII character token cannot
    // start the rest of the match: skip it at byte speed. (Bytes of multi-byte characters are
    // never ASCII, so this lands on a character boundary.)
    Bytes skipToCandidate(std::size_t p, Bytes s, Bytes end) const {
        if (p >= tokens.size() || tokens[p].kind != Kind::Char || tokens[p].ch >= 0x80)
            return s;
        const auto lower = static_cast<unsigned char>(tokens[p].ch);
        const auto upper = lower >= 'a' && lower <= 'z' ? lower - ('a' - 'A') : lower;
        while (s < end && *s != lower && *s != upper)
            ++s;
        return s;
    }

    // Greedy match with one backtracking point (the latest %): every other token takes
    // exactly one character, so this finds a match whenever one exists. The value may end
    // anywhere in its trailing blanks.
    bool matches(Bytes s, Bytes end) const {
        const Bytes valueEnd = withoutTrailingBlanks(s, end);
        const std::size_t n = tokens.size();
        std::size_t p = 0;
        std::size_t runToken = n;  // none yet
        Bytes runStart = nullptr;
        for (;;) {
            if (s >= valueEnd && p >= tailStart)
                return true;
            if (s == end)
                return false;
            if (p < n && tokens[p].kind == Kind::AnyRun) {
                runToken = p++;
                s = runStart = skipToCandidate(p, s, end);
                continue;
            }
            Bytes next = s;
            const char32_t c = nextFolded(next, end);
            if (p < n && matchesChar(tokens[p], c)) {
                ++p;
                s = next;
                continue;
            }
            if (runToken == n)
                return false;
            p = runToken + 1;
            nextChar(runStart, end);
            s = runStart = skipToCandidate(p, runStart, end);
        }
    }
};

void deletePattern(void* p) {
    delete static_cast<LikePattern*>(p);
}

// like(pattern, value[, escape]): what SQLite calls for "value LIKE pattern [ESCAPE e]".
void likeFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return;  // NULL result
    }
    bool hasEscape = false;
    char32_t escape = 0;
    if (argc == 3) {
        Bytes e = sqlite3_value_text(argv[2]);
        const Bytes end = e + sqlite3_value_bytes(argv[2]);
        if (e != end)
            escape = nextChar(e, end);
        if (e != end || escape == 0) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        hasEscape = true;
    }
    const Bytes value = sqlite3_value_text(argv[1]);
    const Bytes valueEnd = value + sqlite3_value_bytes(argv[1]);
    const auto* cached = static_cast<const LikePattern*>(sqlite3_get_auxdata(ctx, 0));
    if (cached && cached->hasEscape == hasEscape && cached->escape == escape) {
        sqlite3_result_int(ctx, cached->matches(value, valueEnd));
        return;
    }
    const Bytes text = sqlite3_value_text(argv[0]);
    auto* pattern = new LikePattern(text, text + sqlite3_value_bytes(argv[0]), hasEscape, escape);
    sqlite3_result_int(ctx, pattern->matches(value, valueEnd));
    // Kept while the pattern argument stays the same; SQLite may also free it at once.
    sqlite3_set_auxdata(ctx, 0, pattern, deletePattern);
}

// ---- CONVERT ------------------------------------------------------------------------------

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

// tsql_convert(type, expr): CONVERT(type, expr) as the dialect layer rewrites it.
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

}  // namespace

bool isSupportedConvertType(std::string_view type) {
    TargetType parsed;
    return parseTargetType(type, parsed);
}

int registerTsqlFunctions(sqlite3* db) {
    constexpr int kFlags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    int rc = sqlite3_create_collation_v2(db, "TSQL_CI", SQLITE_UTF8, nullptr, compareCi, nullptr);
    for (int argc : {2, 3}) {
        if (rc == SQLITE_OK)
            rc = sqlite3_create_function_v2(db, "like", argc, kFlags, nullptr, likeFunction,
                                            nullptr, nullptr, nullptr);
    }
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function_v2(db, "tsql_convert", 2, kFlags, nullptr, convertFunction,
                                        nullptr, nullptr, nullptr);
    // SQLite 3.40 returns wrong LEFT JOIN rows through views over an RTRIM-style collation
    // when it builds an automatic index; the schema declares the indexes it needs instead.
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "PRAGMA automatic_index = OFF", nullptr, nullptr, nullptr);
    return rc;
}

}  // namespace qv::platform

#ifdef QV_SQLITE_EXTENSION
// Entry point the sqlite3 shell derives from the file name: ".load quorvan_tsql".
extern "C" int sqlite3_quorvantsql_init(sqlite3* db, char** errorMessage,
                                        const sqlite3_api_routines* api) {
    SQLITE_EXTENSION_INIT2(api);
    const int rc = qv::platform::registerTsqlFunctions(db);
    if (rc != SQLITE_OK)
        *errorMessage = sqlite3_mprintf("%s", sqlite3_errmsg(db));
    return rc;
}
#endif
