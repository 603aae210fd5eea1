// The video snap decoder over container bytes: open, decode, go back to the start and
// decode again, then the sound track, within small limits so that a run's memory stays
// bounded.
// fuzz-links: orv_video_decoder
#include <cstdint>
#include <vector>

#include "fuzz_input.h"
#include "platform/video_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  platform::VideoLimits limits;
  limits.maxSide = 2048;
  limits.maxPixels = 1024 * 1024;
  limits.maxOutputPixels = 128 * 128;
  platform::VideoDecoder decoder(nullptr, limits);
  if (!decoder.OpenMemory(std::vector<std::uint8_t>(data, data + size))) return 0;
  platform::VideoFrame frame;
  std::int64_t last = -1;
  for (int pass = 0; pass < 2; ++pass) {
    for (int n = 0; n < 32 && decoder.NextFrame(frame); ++n) {
      fuzz::Require(frame.width > 0 && frame.height > 0);
      fuzz::Require(std::int64_t(frame.width) * frame.height <= limits.maxOutputPixels);
      fuzz::Require(frame.bgra.size() == std::size_t(frame.width) * frame.height * 4);
      fuzz::Require(frame.ptsMs > last);
      last = frame.ptsMs;
    }
    // A frame whose conversion wrote past its memory would be given up; none may be.
    fuzz::Require(decoder.error() != platform::kConversionOverrun);
    if (!decoder.Rewind()) break;
  }
  // The sound track of the same bytes, within its bound.
  std::vector<std::int16_t> pcm;
  decoder.DecodeSound({8000, 2}, 500, pcm);
  fuzz::Require(pcm.size() <= 8000 / 2 * 2 && pcm.size() % 2 == 0);
  return 0;
}
