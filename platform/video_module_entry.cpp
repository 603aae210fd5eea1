// The one symbol of liborvanel-video.so: a new decoder for the program that loaded it.
#include "platform/video_decoder.h"

extern "C" __attribute__((visibility("default"))) platform::VideoSource* OrvanelNewVideoSource(
    int abi, const std::atomic<bool>* stop, const platform::VideoLimits* limits) {
  if (abi != platform::kVideoModuleAbi || !limits) return nullptr;
  return new platform::VideoDecoder(stop, *limits);
}
