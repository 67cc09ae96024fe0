#pragma once

namespace data {

// Creates every table and index that is missing. A read-only store gets no indexes, which
// only speed it up, but still needs its tables. Throws DbError.
void ensureSchema(bool readOnly = false);

} // namespace data
