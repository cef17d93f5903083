#pragma once
#include <string_view>

namespace common {

// The number a user typed into a field: leading blanks skipped, blanks between
// the characters passed over, and the longest leading part that forms a decimal
// number taken (optional sign, digits, at most one point, optional exponent).
// A text without such a part gives 0. A number too large for a double fails
// the run (RunFailure), as an overflow would.
double fieldNumber(std::string_view utf8);

}  // namespace common
