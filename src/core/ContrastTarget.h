#pragma once
// The contrast a pair of colours must reach for one use: a WCAG 2 level by the luminance ratio, or an APCA
// readability level by the lightness contrast Lc.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tintorium {

/// AA: ratio 4.5 (normal text); AAA: 7; AALarge: 3 (large text at AA); Apca60/75/90: |Lc| 60, 75, 90.
enum class TContrastTarget : std::uint8_t { AA = 0, AAA, AALarge, Apca60, Apca75, Apca90 };
inline constexpr int ContrastTargetCount = 6;
inline constexpr std::array<TContrastTarget, ContrastTargetCount> ContrastTargets{
    TContrastTarget::AA,     TContrastTarget::AAA,    TContrastTarget::AALarge,
    TContrastTarget::Apca60, TContrastTarget::Apca75, TContrastTarget::Apca90};
/// Lower-case names, as the command line takes and prints them.
inline constexpr std::array<std::string_view, ContrastTargetCount> ContrastTargetNames{
    "aa", "aaa", "aa-large", "apca60", "apca75", "apca90"};
/// Short English labels for summaries and badges.
inline constexpr std::array<std::string_view, ContrastTargetCount> ContrastTargetLabels{
    "AA", "AAA", "AA large", "APCA Lc 60", "APCA Lc 75", "APCA Lc 90"};
static_assert(ContrastTargetNames.size() == static_cast<std::size_t>(TContrastTarget::Apca90) + 1);

/// The target named `name` (one of ContrastTargetNames) in any letter case; nullopt for anything else.
std::optional<TContrastTarget> ParseContrastTarget(std::string_view name);
/// The name of `target`; "" for a value outside the enumeration.
std::string_view ContrastTargetName(TContrastTarget target);
/// True for the targets measured by APCA Lc, false for the WCAG 2 ratio.
bool IsApcaTarget(TContrastTarget target);
/// The threshold: a WCAG 2 ratio (3, 4.5 or 7) or an |Lc| (60, 75 or 90).
double ContrastTargetThreshold(TContrastTarget target);
/// Whether a pair with WCAG 2 `ratio` (1-21) and APCA `lc` (either sign) meets `target`; thresholds are
/// inclusive and the figures unrounded. A value outside the enumeration is never met.
bool MeetsContrastTarget(TContrastTarget target, double ratio, double lc);

}  // namespace tintorium
