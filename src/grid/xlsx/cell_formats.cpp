#include "grid/xlsx/cell_formats.h"

#include <stdexcept>
#include <string>

#include "grid/alignment.h"
#include "util/plain_decimal.h"

namespace quillon::xlsx {
namespace {

constexpr size_t kKinds = kMostPlainDecimals + 2;  // text, then 0 .. the most decimals
constexpr size_t kFormatsPerKind = 2 * kAlignmentCodes;
constexpr uint16_t kTextFormat = 49;  // the built-in "@"

void SetAlignment(lxw_format* format, int code) {
  switch (HorizontalOf(code)) {
    case Horizontal::Left:
      format_set_align(format, LXW_ALIGN_LEFT);
      break;
    case Horizontal::Center:
      format_set_align(format, LXW_ALIGN_CENTER);
      break;
    case Horizontal::Right:
      format_set_align(format, LXW_ALIGN_RIGHT);
      break;
    default:
      break;
  }
  // Bottom is a sheet's own vertical position, also for the general one.
  if (VerticalOf(code) == Vertical::Top) format_set_align(format, LXW_ALIGN_VERTICAL_TOP);
  if (VerticalOf(code) == Vertical::Center) format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
}

}  // namespace

lxw_format* CellFormats::Get(int alignmentCode, bool wrap, int decimals) {
  if (!IsAlignmentCode(alignmentCode) || decimals < -1 || decimals > kMostPlainDecimals)
    throw std::out_of_range("no cell format for alignment " + std::to_string(alignmentCode) +
                            " and " + std::to_string(decimals) + " decimals");
  if (made_.empty()) made_.assign(kKinds * kFormatsPerKind, nullptr);
  size_t index = static_cast<size_t>(decimals + 1) * kFormatsPerKind +
                 static_cast<size_t>(alignmentCode) * 2 + (wrap ? 1 : 0);
  lxw_format*& format = made_.at(index);
  if (!format) format = Make(alignmentCode, wrap, decimals);
  return format;
}

lxw_format* CellFormats::Make(int alignmentCode, bool wrap, int decimals) {
  lxw_format* format = workbook_add_format(book_);
  if (!format) return nullptr;
  format_set_font_name(format, grid_.FontName().c_str());
  format_set_font_size(format, grid_.FontSize());
  SetAlignment(format, alignmentCode);
  if (wrap) format_set_text_wrap(format);
  if (decimals < 0)
    format_set_num_format_index(format, kTextFormat);
  else
    format_set_num_format(format, DecimalFormat(decimals).c_str());
  return format;
}

}  // namespace quillon::xlsx
