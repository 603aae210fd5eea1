// The clip decoder lives in a module of its own, liborvanel-video.so, opened on the first
// clip to decode: a menu without clips never maps FFmpeg's libraries and their many
// dependencies (tens of MiB and start-up time). The module is looked for beside the
// program (the build tree, a portable installation), then in the installed package's
// private folder, found from the program's folder.
#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "platform/video_source.h"

namespace platform {

inline constexpr const char* kVideoModuleName = "liborvanel-video.so";

using VideoSourceMaker = VideoSource* (*)(int abi, const std::atomic<bool>* stop,
                                          const VideoLimits* limits);

struct VideoModule {
  VideoSourceMaker make = nullptr;  // set when the module is usable
  std::string error;                // else why not
};

// Opens the module file at `path`.
VideoModule LoadVideoModule(const std::string& path);

// The program's module, loaded on the first call (from any thread), then kept.
const VideoModule& ProgramVideoModule();

// A decoder from the program's module; nothing when the module cannot be loaded.
std::unique_ptr<VideoSource> NewVideoSource(const std::atomic<bool>* stop, VideoLimits limits);

// True once the module was tried and could not be loaded: no clip can play.
bool VideoModuleMissing();

}  // namespace platform
