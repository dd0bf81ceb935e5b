// Alignment codes of grid cells and columns: four horizontal positions times
// four vertical ones, so code = 4 * horizontal + vertical. The window uses 10
// (centred both ways) for most columns and 6 (left, centred vertically) for
// file names.
#pragma once

namespace quillon {

enum class Horizontal { General = 0, Left = 1, Center = 2, Right = 3 };
enum class Vertical { General = 0, Top = 1, Center = 2, Bottom = 3 };

constexpr int kAlignmentCodes = 16;

constexpr bool IsAlignmentCode(int code) { return code >= 0 && code < kAlignmentCodes; }
constexpr Horizontal HorizontalOf(int code) { return static_cast<Horizontal>(code / 4); }
constexpr Vertical VerticalOf(int code) { return static_cast<Vertical>(code % 4); }

}  // namespace quillon
