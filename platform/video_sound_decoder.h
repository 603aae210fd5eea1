// A clip's sound track decoded whole into PCM (inside the video module only), for the
// frontend to play in step with the clip's pictures.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/video_container.h"
#include "platform/video_source.h"

namespace platform::av {

// The best sound stream of the opened input converted to `format` (libswresample), at
// most its first maxMs. False when there is none or nothing of it can be decoded.
bool DecodeSoundTrack(Input& input, const SoundFormat& format, std::int64_t maxMs,
                      std::vector<std::int16_t>& samples);

}  // namespace platform::av
