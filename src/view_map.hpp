// Hash maps keyed by views into the built-in lexicon texts. The texts live
// for the process, so the keys never dangle; a lookup with a string_view
// builds no string and allocates nothing.
#pragma once
#include <string_view>
#include <unordered_map>

namespace velnor {

template <class V>
using ViewMap = std::unordered_map<std::string_view, V>;

}  // namespace velnor
