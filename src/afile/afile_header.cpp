#include "afile/afile_header.h"

#include <stdexcept>

namespace quillon {

std::optional<std::string>& AFileHeader::Flag(int slot) {
  if (slot < kFirstFlag || slot > kLastFlag)
    throw std::out_of_range("header flag slot " + std::to_string(slot) + " outside 20..50");
  return ElementFlags[static_cast<size_t>(slot - kFirstFlag)];
}

const std::optional<std::string>& AFileHeader::Flag(int slot) const {
  return const_cast<AFileHeader*>(this)->Flag(slot);
}

}  // namespace quillon
