#include "util/text_replace.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

struct ReplaceCase {
  const char* text;
  const char* from;
  const char* to;
  const char* all;
  const char* first;
};

TEST(ReplaceText, ScansLeftToRightWithoutSearchingTheInsertedText) {
  const ReplaceCase cases[] = {
      {"aaa", "aa", "b", "ba", "ba"},
      {"a/b/c", "/", "//", "a//b//c", "a//b/c"},
      {" SCT SCT", " SCT", " SCLENT", " SCLENT SCLENT", " SCLENT SCT"},
      {"////", "///", "-", "-/", "-/"},
      {"abc", "x", "y", "abc", "abc"},
      {"", "x", "y", "", ""},
      {"abc", "", "y", "abc", "abc"},
      {"xx", "x", "", "", "x"},
  };
  for (const auto& c : cases) {
    std::string all = c.text, first = c.text;
    ReplaceAll(all, c.from, c.to);
    ReplaceFirst(first, c.from, c.to);
    EXPECT_EQ(all, c.all) << c.text << " / " << c.from;
    EXPECT_EQ(first, c.first) << c.text << " / " << c.from;
  }
}

}  // namespace
}  // namespace quillon
