// Generated test packages for the benchmarks: n left and n right expressions,
// distinct Cyrillic texts whose alphabetical order has nothing to do with
// their numbers, and the rest of the built-in test around them.
#pragma once

#include "content/package.h"

#include <memory>
#include <string>

namespace bench {

// The sizes every benchmark runs at: the built-in test, two middle sizes and
// the most a package may hold on each side.
inline constexpr int sizes[] = { 17, 100, 1000, content::max_expressions };

// The text of expression k (1-based) of a side (0 left, 1 right).
std::string expression_text(int side, int k);

content::Content generated_content(int n);
std::shared_ptr<const content::Package> generated_package(int n);

} // namespace bench
