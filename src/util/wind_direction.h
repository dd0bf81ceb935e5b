// Wind directions: degrees or A-file codes turned into the sixteen compass
// codes, "C" for calm and "-" for missing.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

// True when the text is not a prefix found after a comma in the code list
// "N,NNE,...,NNW,C,-," (so "" and partial codes such as "NN" count as known).
bool IsUnknownWindCode(std::string_view text);

// The compass code of a direction (degrees or a code) at a given speed; a
// speed below 3 (tenths of m/s) makes it "C", an empty speed "", a speed "-"
// "-".
std::string WindDirectionCode(std::string_view direction, std::string_view speed);

}  // namespace quillon
