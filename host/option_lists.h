#pragma once
// The lists the criteria drop-downs offer, read from the company through its host views.

#include <QStringList>

namespace qv::host {

class DbLink;

// The values of the PALLETSTATUS optional field (view CS0012), trimmed, in the view's key
// order. Throws HostError when the view fails.
QStringList readPalletStatuses(DbLink& link);

// Every item category (view IC0210) as its list entry "<code> - <description>", in key
// order. Codes and descriptions come blank-padded from the company database; both are trimmed
// for display (the criterion still reads the first two characters, so a one-letter code gives
// the same criterion either way). Throws HostError when the view fails.
QStringList readCategories(DbLink& link);

}  // namespace qv::host
