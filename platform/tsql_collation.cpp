// Case-insensitive comparison and LIKE for the embedded SQLite company, as SQL Server's CI_AS
// collations behave.

#include "platform/sqlite_tsql_api.h"

#include "platform/tsql_collation.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace qv::platform {
namespace {

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

}  // namespace

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

namespace {

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

}  // namespace

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

}  // namespace qv::platform
