// What the fuzz targets share: a private scratch directory for readers that take a path.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace fuzz {

// Made once per run and removed when the run ends.
inline const std::string& ScratchDirectory() {
  static const std::string dir = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvanel-fuzz-XXXXXX").string();
    std::string made = ::mkdtemp(pattern.data()) ? pattern : std::string("/tmp");
    static std::string toRemove = made;
    std::atexit([] {
      std::error_code ec;
      if (toRemove != "/tmp") std::filesystem::remove_all(toRemove, ec);
    });
    return made;
  }();
  return dir;
}

// Puts the bytes into <scratch>/<name> and returns its path.
inline std::string PutFile(std::string_view name, std::string_view bytes) {
  const std::string path = ScratchDirectory() + "/" + std::string(name);
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

inline void RemoveFile(std::string_view name) { std::filesystem::remove(ScratchDirectory() + "/" + std::string(name)); }

// A fault the sanitizers cannot see by themselves (a broken promise of the code under test).
inline void Require(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace fuzz
