#include "platform/video_module.h"

#include <dlfcn.h>

#include <mutex>

#include "platform/files.h"
#include "platform/paths.h"

namespace platform {
namespace {

std::once_flag gLoadOnce;
VideoModule gModule;
std::atomic<bool> gMissing{false};

}  // namespace

VideoModule LoadVideoModule(const std::string& path) {
  VideoModule m;
  dlerror();
  void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* why = dlerror();
    m.error = why ? why : path + ": dlopen";
    return m;
  }
  m.make = reinterpret_cast<VideoSourceMaker>(::dlsym(handle, "OrvanelNewVideoSource"));
  if (!m.make) {
    m.error = path + " : OrvanelNewVideoSource absent";
    ::dlclose(handle);
    return m;
  }
  // A module of another build refuses our version: nothing of it is called after that.
  const VideoLimits limits;
  std::unique_ptr<VideoSource> probe(m.make(kVideoModuleAbi, nullptr, &limits));
  if (!probe) {
    m.make = nullptr;
    m.error = path + " : version du module diff\xC3\xA9rente";
    ::dlclose(handle);
  }
  return m;  // kept loaded for the program's life
}

const VideoModule& ProgramVideoModule() {
  std::call_once(gLoadOnce, [] {
    const std::string program = ProgramDirectory() + "/";
    const std::string beside = program + kVideoModuleName;
    gModule = LoadVideoModule(FileExists(beside) ? beside
                                                 : program + ORV_INSTALLED_MODULE_DIR + "/" + kVideoModuleName);
    gMissing = gModule.make == nullptr;
  });
  return gModule;
}

std::unique_ptr<VideoSource> NewVideoSource(const std::atomic<bool>* stop, VideoLimits limits) {
  const VideoModule& m = ProgramVideoModule();
  if (!m.make) return nullptr;
  return std::unique_ptr<VideoSource>(m.make(kVideoModuleAbi, stop, &limits));
}

bool VideoModuleMissing() { return gMissing; }

}  // namespace platform
