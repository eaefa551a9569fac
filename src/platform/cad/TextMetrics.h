#pragma once
// The stand-in host's text metrics: a fixed, documented model instead of font outlines, so that
// extents, fitting and wrapping come out the same on every machine (docs/cad-host.md).
//
// A character is as wide as the text height when it is full-width (CJK ideographs, kana,
// Hangul, full-width forms, CJK punctuation) and half as wide otherwise; the width factor
// multiplies both. A line of text is exactly the text height high, from its base line up.
// Paragraph text puts its lines kMTextLineSpacing heights apart.

#include <string>
#include <string_view>
#include <vector>

namespace cad {

inline constexpr double kNarrowCharacterWidth = 0.5;
inline constexpr double kMTextLineSpacing = 5.0 / 3.0;

bool IsFullWidth(wchar_t c);
// Width of a single-line text string.
double TextWidth(std::wstring_view text, double height, double widthFactor);

struct MTextLayout {
    std::vector<std::wstring> lines; // plain text of each line
    double width = 0.0;
    double height = 0.0;
};

// Lays out paragraph text: "\P" breaks the paragraph; "{" and "}" group; "\W<f>;" sets the
// width factor and "\H<h>;" the height ("\H<f>x;" relative to the text height) until the group
// ends; "\\", "\{", "\}" are the characters themselves, "\~" a space and "\U+XXXX" the
// character with that code; every other code ("\f...;", "\C1;", "\L", ...) is skipped. With a
// wrap width above 0 a line also breaks before the character that would make it wider.
MTextLayout LayoutMText(std::wstring_view contents, double height, double widthFactor,
                        double wrapWidth);

} // namespace cad
