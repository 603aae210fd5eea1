// The atomic replace seen from the kernel: a real write, traced with strace, must write the
// whole content into a temporary, fsync it, rename it over the file and fsync the
// directory, in that order, and never open the file itself for writing.
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Call {
  std::string name;
  std::string args;
  long result = -1;
};

std::vector<Call> ReadTrace(const std::string& text) {
  static const std::regex line(R"(^(?:\d+ +)?(\w+)\((.*)\) += (-?\d+).*$)");
  std::vector<Call> calls;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) {
    std::smatch m;
    if (std::regex_match(l, m, line)) calls.push_back({m[1], m[2], std::stol(m[3])});
  }
  return calls;
}

std::size_t FindFrom(const std::vector<Call>& calls, std::size_t from, const std::function<bool(const Call&)>& is) {
  for (std::size_t i = from; i < calls.size(); ++i)
    if (is(calls[i])) return i;
  return calls.size();
}

TEST(ReplaceOrder, TemporaryWrittenSyncedRenamedThenDirectorySynced) {
  if (std::system("command -v strace >/dev/null 2>&1") != 0) GTEST_SKIP() << "strace is not installed";
  TempDir dir;
  const std::string target = dir.Write("a.ini", "[Old]\r\nKey=1\r\n");
  const std::string content(70000, 'n');
  // LeakSanitizer cannot run under ptrace: a sanitizer build's writer would fail at exit.
  const std::string command = "ASAN_OPTIONS=detect_leaks=0 strace -f -qq -s 0 -o " + dir / "trace" +
                              " -e trace=open,openat,creat,write,fsync,fdatasync,close,rename,renameat,renameat2 " +
                              ORV_BINARY_DIR "/tools/power_cut/power_cut --write " + target + " " + content;
  ASSERT_EQ(std::system(command.c_str()), 0);
  ASSERT_EQ(dir.Read("a.ini"), content);
  const std::vector<Call> calls = ReadTrace(dir.Read("trace"));
  const auto opens = [](const Call& c) { return c.name == "open" || c.name == "openat" || c.name == "creat"; };

  const std::size_t open = FindFrom(calls, 0, [&](const Call& c) { return opens(c) && c.args.find("a.ini.tmp") != std::string::npos; });
  ASSERT_LT(open, calls.size()) << dir.Read("trace");
  const std::string fd = std::to_string(calls[open].result);
  const auto on = [&](const Call& c, const char* name, const std::string& f) {
    return c.name == name && (c.args == f || c.args.rfind(f + ",", 0) == 0);
  };
  long written = 0;
  std::size_t lastWrite = open;
  for (std::size_t i = open; i < calls.size(); ++i)
    if (on(calls[i], "write", fd)) {
      written += calls[i].result;
      lastWrite = i;
    }
  EXPECT_EQ(written, static_cast<long>(content.size()));
  const std::size_t sync = FindFrom(calls, open, [&](const Call& c) { return on(c, "fsync", fd); });
  const std::size_t rename = FindFrom(calls, open, [&](const Call& c) {
    return c.name.rfind("rename", 0) == 0 && c.args.find("a.ini.tmp") != std::string::npos;
  });
  const std::size_t dirOpen = FindFrom(calls, rename, [&](const Call& c) {
    return opens(c) && c.args.find(dir.path() + "\"") != std::string::npos && c.args.find("O_DIRECTORY") != std::string::npos;
  });
  ASSERT_LT(dirOpen, calls.size()) << dir.Read("trace");
  const std::size_t dirSync =
      FindFrom(calls, dirOpen, [&](const Call& c) { return on(c, "fsync", std::to_string(calls[dirOpen].result)); });
  EXPECT_LT(lastWrite, sync);
  EXPECT_LT(sync, rename);
  EXPECT_LT(rename, dirOpen);
  EXPECT_LT(dirSync, calls.size()) << dir.Read("trace");
  // The file itself is never opened for writing: only the rename replaces it.
  for (const Call& c : calls) {
    if (opens(c) && c.args.find(target + "\"") != std::string::npos) {
      EXPECT_EQ(c.args.find("O_WRONLY"), std::string::npos) << c.args;
    }
  }
}

}  // namespace
