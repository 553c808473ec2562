#pragma once
// The TSQL_CI collation and like() with SQL Server semantics, both folding case the same way.
// Plain C++ over the SQLite C API; registered by registerTsqlFunctions().

struct sqlite3_context;
struct sqlite3_value;

namespace qv::platform {

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

// The collation function: SQL Server's case-insensitive order, trailing blanks ignored.
int compareCi(void*, int lengthA, const void* a, int lengthB, const void* b);

// like(pattern, value[, escape]): what SQLite calls for "value LIKE pattern [ESCAPE e]".
void likeFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv);

}  // namespace qv::platform
