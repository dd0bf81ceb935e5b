// Alignment codes of grid cells and columns: four horizontal positions times
// four vertical ones, so code = 4 * horizontal + vertical.
#pragma once

namespace quillon {

enum class Horizontal { General = 0, Left = 1, Center = 2, Right = 3 };
enum class Vertical { General = 0, Top = 1, Center = 2, Bottom = 3 };

constexpr int kAlignmentCodes = 16;

constexpr int AlignmentCode(Horizontal h, Vertical v) {
  return 4 * static_cast<int>(h) + static_cast<int>(v);
}
// Most columns are centred both ways; file names sit left.
inline constexpr int kCentred = AlignmentCode(Horizontal::Center, Vertical::Center);
inline constexpr int kLeftCentred = AlignmentCode(Horizontal::Left, Vertical::Center);

constexpr bool IsAlignmentCode(int code) { return code >= 0 && code < kAlignmentCodes; }
constexpr Horizontal HorizontalOf(int code) { return static_cast<Horizontal>(code / 4); }
constexpr Vertical VerticalOf(int code) { return static_cast<Vertical>(code % 4); }

}  // namespace quillon
