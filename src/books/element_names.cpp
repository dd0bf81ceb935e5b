#include "books/element_names.h"

#include <algorithm>

namespace quillon {

bool IsElementName(std::string_view name) {
  return std::find(kElementNames.begin(), kElementNames.end(), name) != kElementNames.end();
}

}  // namespace quillon
