// Display text: any bytes read as a game list's lines, cut to a field, wrapped or decoded
// for drawing give well-formed UTF-8 and never split a character.
// fuzz-links: orv_catalogue
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "catalogue/history.h"
#include "platform/text.h"
#include "platform/utf8.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::size_t field = in.ConsumeIntegralInRange<std::size_t>(0, 600);
  const int width = in.ConsumeIntegralInRange<int>(-2, 80);
  const std::string bytes = in.ConsumeRemainingBytesAsString();

  // Every line comes out as UTF-8, and UTF-8 comes out unchanged.
  const std::string text = platform::TextAsUtf8(bytes);
  Check(platform::IsValidUtf8(text));
  Check(platform::TextAsUtf8(text) == text);
  if (platform::IsValidUtf8(bytes)) Check(text == bytes);

  // Decoding walks every byte once and counts what CharacterLength counts.
  std::size_t count = 0;
  for (std::size_t i = 0; i < bytes.size(); ++count) {
    const std::size_t before = i;
    platform::NextCodePoint(bytes, i);
    Check(i > before && i - before == platform::CharacterLength(bytes, before));
  }
  Check(count == platform::CharacterCount(bytes));

  // A cut keeps whole characters of well-formed text.
  const std::string cut = platform::CutToField(text, field);
  Check(cut.size() + 1 <= std::max<std::size_t>(field, 1) && text.compare(0, cut.size(), cut) == 0);
  Check(platform::IsValidUtf8(cut));

  std::string wrapped = text;
  catalogue::WrapText(wrapped, width);
  Check(platform::IsValidUtf8(wrapped));
  return 0;
}
