#include "afile/decode/clouds.h"

#include <string_view>
#include <utility>

#include "afile/decode/cell_text.h"
#include "util/fields.h"
#include "util/number_text.h"
#include "util/text_replace.h"
#include "util/utf8_text.h"

namespace quillon {
namespace {

struct CloudCode {
  std::string_view code;
  std::string_view name;
};

// Genus and species codes, in the order they must be expanded: a code whose
// expansion contains another code comes first (" SCT" before " SCR" makes
// " SCTRA"), so no expansion is ever expanded again. A trailing "B" stands
// for the genus alone.
constexpr CloudCode kCloudCodes[] = {
    {" SCT", " SCLENT"}, {" CUU", " CUHUM"},  {" CUO", " CUCONG"}, {" CBV", " CBCALV"},
    {" CBP", " CBCAP"},  {" SCR", " SCTRA"},  {" SCP", " SCOP"},   {" SCU", " SCCUG"},
    {" SCA", " SCCAST"}, {" ASR", " ASTRA"},  {" ACL", " ACFLO"},  {" ACE", " ACLENT"},
    {" ACU", " ACCUG"},  {" ACR", " ACTRA"},  {" ACA", " ACCAST"}, {" ASP", " ASOP"},
    {" ACP", " ACOP"},   {" CIE", " CIDENS"}, {" CSE", " CSNEBU"}, {" CII", " CIFIL"},
    {" CIN", " CIUNC"},  {" CIO", " CINOT"},  {" CSI", " CSFIL"},  {" FCB", " FC"},
    {" STB", " ST"},     {" FSB", " FS"},     {" NSB", " NS"},     {" FNB", " FN"},
    {" CCB", " CC"},     {" CUB", " CU"},     {" CBB", " CB"},     {" SCB", " SC"},
    {" ACB", " AC"},     {" ASB", " AS"},     {" CIB", " CI"},     {" CSB", " CS"},
    {"///", "-"},
};

void RewriteCloudAmount(std::string& t) {
  // Compared as views: a plain size and character test, no call per cell.
  std::string_view amount = t;
  if (amount.empty() || amount == "  ")
    t.clear();
  else if (amount == "//")
    t = "-";
  else if (amount == "11")
    t = "10-";  // overcast with gaps
  else if (amount.size() == 2 && IsDigits(amount))
    t.erase(0, amount[0] == '0' ? 1 : 0);  // tenths of the sky, "05" -> "5"
  else
    MakePlainNumber(t);
}

// Genus letters, then the height; the genus stays where it is.
void RewriteCloudHeight(std::string& t) {
  if (CharLength(t) <= 3) {
    t.clear();
  } else if (IsAllOf(t, '/')) {
    t = "-";  // a missing cloud, not a genus "//" at height 0
  } else {
    size_t genus = CharView(t, 0, 2).size();
    std::string_view digits = std::string_view(t).substr(genus);
    // Nearly every height is digits: its leading zeros are cut out in place.
    if (!digits.empty() && IsDigits(digits)) {
      t.erase(genus, digits.size() - PlainDigits(digits).size());
      return;
    }
    std::string height = t.substr(genus);
    MakePlainNumber(height);
    t.erase(genus);
    t += height;
  }
}

// The genus letters (two characters after a blank) that occur in the text.
// No replacement changes them: each keeps its blank and genus, and adds no
// blank. So a code whose genus is not among them can never match, and its
// pass may be skipped without changing the result of the ordered passes.
class GenusSet {
 public:
  explicit GenusSet(std::string_view text) {
    for (size_t at = text.find(' '); at != std::string_view::npos; at = text.find(' ', at + 1))
      if (at + 2 < text.size() && count_ < kMax) genus_[count_++] = {text[at + 1], text[at + 2]};
    complete_ = count_ < kMax;
  }
  bool MayHold(std::string_view code) const {
    if (code.size() < 3 || code[0] != ' ' || !complete_) return true;
    for (size_t i = 0; i < count_; ++i)
      if (genus_[i].first == code[1] && genus_[i].second == code[2]) return true;
    return false;
  }

 private:
  static constexpr size_t kMax = 16;
  std::pair<char, char> genus_[kMax];  // copies: the text changes under the passes
  size_t count_ = 0;
  bool complete_ = true;
};

std::string CloudFormText(std::string_view codes) {
  if (codes.empty()) return "";
  // The leading blank lets the first code match like the ones after it.
  std::string text = " " + std::string(codes);
  GenusSet genus(text);
  for (const CloudCode& c : kCloudCodes)
    if (genus.MayHold(c.code)) ReplaceAll(text, c.code, c.name);
  return std::string(Trim(text));
}

}  // namespace

void DecodeCloudAmount(ElementTable& table) {
  ForEachCell(table, [](std::string& t, int) { RewriteCloudAmount(t); });
}

void DecodeCloudHeight(ElementTable& table) {
  ForEachCell(table, [](std::string& t, int) { RewriteCloudHeight(t); });
}

void DecodeCloudForm(ElementTable& table) { RewriteDistinctCells(table, CloudFormText); }

}  // namespace quillon
