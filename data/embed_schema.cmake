# Writes INPUT as a C++ raw string literal into OUTPUT (qv::data::schemaSql).
file(READ ${INPUT} text)
file(WRITE ${OUTPUT}.tmp
    "// Generated from data/schema.sql at build time; edit that file instead.\n"
    "namespace qv::data {\n"
    "extern const char* const schemaSql;\n"
    "const char* const schemaSql = R\"qvschema(${text})qvschema\";\n"
    "}  // namespace qv::data\n")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
