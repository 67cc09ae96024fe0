#pragma once

#include <QList>

namespace data {

// The stored season numbers, oldest first.
QList<int> seasons();

} // namespace data
