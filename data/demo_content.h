#pragma once
// The demo company's records: what every path of the program needs to show something.

#include "data/company_writer.h"
#include "data/demo_company.h"

namespace qv::data {

// Writes items, categories, locations, option values, lots with their optional fields, and
// orders with their lines. Deterministic for a given seed and today.
void writeDemoContent(CompanyWriter& writer, const DemoOptions& options);

}  // namespace qv::data
