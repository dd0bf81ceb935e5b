#include "afile/decode/clouds.h"

#include <gtest/gtest.h>

#include "afile/decode/decode_tables.h"

namespace quillon {
namespace {

using test::OneCell;

struct CellCase {
  const char* raw;
  const char* expected;
};

void ExpectCells(void (*decode)(ElementTable&), std::initializer_list<CellCase> cases) {
  for (const auto& c : cases) {
    ElementTable table = OneCell(c.raw);
    decode(table);
    EXPECT_EQ(table.At(1, 1), c.expected) << "\"" << c.raw << "\"";
  }
}

TEST(DecodeCloudAmount, MarksGapsAndMissing) {
  ExpectCells(
      DecodeCloudAmount,
      {{"11", "10-"}, {"//", "-"}, {"  ", ""}, {"", ""}, {"05", "5"}, {"10", "10"}, {"00", "0"}});
}

TEST(DecodeCloudHeight, KeepsTheGenusAndWritesThePlainHeight) {
  ExpectCells(DecodeCloudHeight, {{"CB", ""},
                                  {"SC0", ""},
                                  {"", ""},
                                  {"SC0600", "SC600"},
                                  {"ST////", "ST0"},
                                  {"CU12", "CU12"},
                                  // characters, not bytes: "云层" is the genus part
                                  {"云层0600", "云层600"},
                                  {"云层", ""}});
}

TEST(DecodeCloudForm, ExpandsCodesInTheirOrderWithoutExpandingTwice) {
  ExpectCells(DecodeCloudForm, {
                                   {"", ""},
                                   {"SCB", "SC"},
                                   {"SCT", "SCLENT"},
                                   {"SCR", "SCTRA"},
                                   {"ACE", "ACLENT"},
                                   {"ACL", "ACFLO"},
                                   {"CIB SCT", "CI SCLENT"},
                                   {"ACR CUO", "ACTRA CUCONG"},
                                   {"///", "-"},
                                   {"sct", "sct"},
                                   {"  SCT  ", "SCLENT"},
                                   {"CUB CBB FNB", "CU CB FN"},
                                   {"ASP ASR", "ASOP ASTRA"},
                                   {"CIB  CSE", "CI  CSNEBU"},
                                   // codes must follow a blank; what is left is not looked at again
                                   {"SCTSCT", "SCLENTSCT"},
                                   {"SCBB", "SCB"},
                                   {"SCTR", "SCLENTR"},
                                   {"ACLE", "ACFLOE"},
                                   {"STBSTB", "STSTB"},
                                   {"SC T", "SC T"},
                                   {"////", "-/"},
                                   {"SCT///", "SCLENT-"},
                                   {"云 SCT", "云 SCLENT"},
                               });
}

}  // namespace
}  // namespace quillon
