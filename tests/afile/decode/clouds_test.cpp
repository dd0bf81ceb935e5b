#include "afile/decode/clouds.h"

#include <gtest/gtest.h>

#include <random>
#include <string_view>

#include "afile/decode/decode_tables.h"

namespace quillon {
namespace {

using test::OneCell;

struct CellCase {
  const char* raw;
  const char* expected;
};

template <size_t N>
void ExpectCells(void (*decode)(ElementTable&), const CellCase (&cases)[N]) {
  for (const auto& c : cases) {
    ElementTable table = OneCell(c.raw);
    decode(table);
    EXPECT_EQ(table.At(1, 1), c.expected) << "\"" << c.raw << "\"";
  }
}

TEST(DecodeCloudAmount, MarksGapsAndMissing) {
  const CellCase cases[] = {{"11", "10-"}, {"//", "-"},  {"  ", ""}, {"", ""},
                            {"05", "5"},   {"10", "10"}, {"00", "0"}};
  ExpectCells(DecodeCloudAmount, cases);
}

TEST(DecodeCloudHeight, KeepsTheGenusAndWritesThePlainHeight) {
  // Characters, not bytes: in "云层0600" the genus part is "云层".
  const CellCase cases[] = {
      {"CB", ""},      {"SC0", ""},   {"", ""},    {"SC0600", "SC600"}, {"ST////", "ST0"},
      {"//////", "-"}, {"////", "-"}, {"///", ""}, {"CU12", "CU12"},    {"云层0600", "云层600"},
      {"云层", ""}};
  ExpectCells(DecodeCloudHeight, cases);
}

TEST(DecodeCloudForm, ExpandsCodesInTheirOrderWithoutExpandingTwice) {
  // Codes count only after a blank, and what a replacement leaves is not
  // looked at again by the same pass.
  const CellCase cases[] = {
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
      {"SCTSCT", "SCLENTSCT"},
      {"SCBB", "SCB"},
      {"SCTR", "SCLENTR"},
      {"ACLE", "ACFLOE"},
      {"STBSTB", "STSTB"},
      {"SC T", "SC T"},
      {"////", "-/"},
      {"SCT///", "SCLENT-"},
      {"云 SCT", "云 SCLENT"},
      {"AB AB AB AB AB AB AB AB AB AB AB AB AB AB AB AB AB SCT",
       "AB AB AB AB AB AB AB AB AB AB AB AB AB AB AB AB AB SCLENT"},
  };
  ExpectCells(DecodeCloudForm, cases);
}

// The code table applied as written: 37 passes over the whole text, each
// replacing every occurrence left to right.
std::string OrderedPasses(std::string_view codes) {
  static const std::pair<std::string_view, std::string_view> kTable[] = {
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
  if (codes.empty()) return "";
  std::string text = " " + std::string(codes);
  for (const auto& [from, to] : kTable)
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
      text.replace(at, from.size(), to);
  size_t begin = text.find_first_not_of(" \t"), end = text.find_last_not_of(" \t");
  return begin == std::string::npos ? "" : text.substr(begin, end - begin + 1);
}

TEST(DecodeCloudForm, EqualsTheOrderedPassesOnAnyText) {
  // Letters of the codes and their expansions, blanks and slashes, so that
  // random texts are full of codes, half codes and codes run together.
  const char* const pieces[] = {" ",   "  ",  "S",   "C",   "A",   "F",   "N",  "U",  "B",
                                "T",   "R",   "P",   "O",   "E",   "L",   "I",  "V",  "/",
                                "SC",  "CI",  "AC",  "CU",  "AS",  "CS",  "CB", "ST", "SCT",
                                "CIB", "ACL", "ACE", "SCR", "FCB", "///", "\t", "云"};
  std::mt19937 rng(1287);
  for (int round = 0; round < 20000; ++round) {
    std::string raw;
    unsigned count = round % 50 == 0 ? 60 : rng() % 9;  // some with many blanks
    for (unsigned n = count; n > 0; --n) raw += pieces[rng() % std::size(pieces)];
    ElementTable table = OneCell(raw);
    DecodeCloudForm(table);
    ASSERT_EQ(table.At(1, 1), OrderedPasses(raw)) << "\"" << raw << "\"";
  }
}

}  // namespace
}  // namespace quillon
