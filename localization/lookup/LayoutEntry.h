#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cadmira::localization {

// The replacement text and pixel geometry (at 96 dots per inch) of one window, as read from its
// language-file entry. A value that is missing or out of range is absent.
struct LayoutEntry {
  std::u16string text;
  std::optional<int> left, top, width, height;

  bool HasGeometry() const { return left && top && width && height; }
};

// Text, left, top, width and height, each followed by "|||": the form in which an entry's five
// values travel from the lookup to the relabelling.
std::u16string JoinLayoutEntry(std::u16string_view text, std::u16string_view left, std::u16string_view top,
                               std::u16string_view width, std::u16string_view height);

// Reads a joined entry back. The pieces are cut at every "|||", so a text holding "|||" shifts the
// values after it; what follows the last "|||" is ignored.
LayoutEntry ParseLayoutEntry(std::u16string_view joined);

// A decimal integer in the lenient reading of language files: leading blanks, an optional sign,
// then digits up to the first other character; no digits give 0. Saturates at the int range.
int ReadLenientInt(std::u16string_view text);

// A pixel value at 96 dots per inch scaled to `dpi`, truncated toward zero.
int ScaleToDpi(int value, int dpi);

}  // namespace cadmira::localization
