// The settings reader and writer: any text parses, and a value written into any text
// reads back as written.
#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>

#include "fuzz_input.h"
#include "platform/profile.h"

namespace {

// A name or value of letters and digits, never empty: the writer's callers use no others.
std::string Word(FuzzedDataProvider& in) {
  std::string w = in.ConsumeRandomLengthString(12);
  std::erase_if(w, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
  return w.empty() ? std::string("k") : w;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string section = Word(in);
  const std::string key = Word(in);
  const std::string value = Word(in);
  const std::size_t buffer = in.ConsumeIntegralInRange<std::size_t>(0, 300);
  const std::string text = in.ConsumeRemainingBytesAsString();

  const auto file = platform::ProfileFile::Parse(text);
  fuzz::Require(file.Get(section, key, "", buffer).size() <= (buffer ? buffer - 1 : 0));
  file.Has(section, key);

  const platform::ProfileValue values[] = {{key, value}};
  const std::string updated = platform::UpdateProfileText(text, section, values);
  fuzz::Require(platform::ProfileFile::Parse(updated).Get(section, key, "") == value);
  return 0;
}
