#pragma once

namespace data {

// Creates every table and index that is missing. Throws DbError.
void ensureSchema();

} // namespace data
