// The scroll text's record: the text as read, the part still to scroll, and where and
// how it stands now.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace render {

constexpr std::size_t kScrollSourceMax = 10000;     // bytes read from ScrollTexte.txt
constexpr std::size_t kScrollWorkingMax = 1 << 20;  // inserted game data never grows it beyond
constexpr std::uint32_t kScrollDefaultPeriod = 20;  // ms per pixel
constexpr int kScrollPauseMaxSeconds = 3600;

struct ScrollText {
  std::string source;                 // contents of the file, as read
  std::string working;                // blanks + source, consumed and edited while scrolling
  std::array<int, 256> charWidths{};  // advance of U+0000-U+00FF in the ScrollText font
  std::function<int(char32_t)> wideWidth;  // advance of the others; none: 0
  int firstChar = 0;                  // index in working of the first character shown
  int pixelOffset = 0;                // pixels of the first character already scrolled out
  int currentWidth = 0;               // width of the first character
  int pad = 0;                        // leading blanks: box width / width of ' ', at least 10
  std::uint32_t colour = 0;           // 0xRRGGBB
  int alpha = 255;
  bool blink = false;
  bool hasGameTags = false;           // "[" followed by i, I, n or N
  std::uint32_t due = 0;              // scroll timer
  std::uint32_t period = kScrollDefaultPeriod;
};

}  // namespace render
