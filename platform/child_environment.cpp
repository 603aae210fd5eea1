#include "platform/child_environment.h"

#include <cstdlib>
#include <map>
#include <mutex>
#include <optional>
#include <string_view>

extern char** environ;

namespace platform {
namespace {

std::mutex gLock;
std::map<std::string, std::optional<std::string>> gOwnersValues;

std::string_view NameOf(std::string_view entry) { return entry.substr(0, entry.find('=')); }

void Replace(std::vector<std::string>& env, std::string_view name, const std::optional<std::string>& value) {
  std::erase_if(env, [name](const std::string& e) { return NameOf(e) == name; });
  if (value) env.push_back(std::string(name) + "=" + *value);
}

}  // namespace

std::string EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

void SetOwnVariable(const std::string& name, const std::string& value) {
  std::lock_guard lock(gLock);
  if (!gOwnersValues.contains(name)) {
    const char* owners = std::getenv(name.c_str());
    gOwnersValues[name] = owners ? std::optional<std::string>(owners) : std::nullopt;
  }
  ::setenv(name.c_str(), value.c_str(), 1);
}

std::vector<std::string> ChildEnvironment(const std::vector<std::string>& extra) {
  std::vector<std::string> env;
  for (char** e = environ; e && *e; ++e) env.emplace_back(*e);
  {
    std::lock_guard lock(gLock);
    for (const auto& [name, value] : gOwnersValues) Replace(env, name, value);
  }
  for (const std::string& entry : extra) Replace(env, NameOf(entry), entry.substr(std::min(entry.size(), NameOf(entry).size() + 1)));
  return env;
}

}  // namespace platform
