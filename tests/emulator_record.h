// Reading what the test emulator (tools/test_emulator) recorded about its runs.
#pragma once

#include <chrono>
#include <cstdlib>
#include <thread>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct EmulatorRun {
  int pid = 0;
  int pgid = 0;
  int sid = 0;
  int child = 0;
  std::string cwd;
  std::vector<std::string> argv;
  bool ended = false;      // it reached its normal end
  int termsIgnored = 0;    // SIGTERMs it noted and ignored
  // When it began, on the clock of std::chrono::steady_clock (CLOCK_MONOTONIC).
  std::chrono::steady_clock::time_point started;
};

inline std::string TestEmulatorPath() { return ORV_BINARY_DIR "/tools/test_emulator/test_emulator"; }

inline std::vector<EmulatorRun> ReadEmulatorRuns(const std::string& recordPath) {
  std::ifstream in(recordPath);
  std::vector<EmulatorRun> runs;
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("run ", 0) == 0) {
      EmulatorRun r;
      std::istringstream ss(line.substr(4));
      std::string item;
      while (ss >> item) {
        auto eq = item.find('=');
        int v = std::atoi(item.c_str() + eq + 1);
        std::string key = item.substr(0, eq);
        if (key == "pid") r.pid = v;
        else if (key == "pgid") r.pgid = v;
        else if (key == "sid") r.sid = v;
      }
      runs.push_back(r);
    } else if (runs.empty()) {
      continue;
    } else if (line.rfind("cwd=", 0) == 0) {
      runs.back().cwd = line.substr(4);
    } else if (line.rfind("argv[", 0) == 0) {
      runs.back().argv.push_back(line.substr(line.find("]=") + 2));
    } else if (line.rfind("started_ms=", 0) == 0) {
      runs.back().started = std::chrono::steady_clock::time_point(std::chrono::milliseconds(std::atoll(line.c_str() + 11)));
    } else if (line.rfind("child=", 0) == 0) {
      runs.back().child = std::atoi(line.c_str() + 6);
    } else if (line.rfind("exit code=", 0) == 0) {
      runs.back().ended = true;
    } else if (line == "sigterm ignored") {
      runs.back().termsIgnored++;
    }
  }
  return runs;
}

// Waits until the record holds `count` runs (the emulator has started and set itself up).
inline std::vector<EmulatorRun> WaitForEmulatorRuns(const std::string& recordPath, std::size_t count,
                                                    int timeoutMs = 10000) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    auto runs = ReadEmulatorRuns(recordPath);
    if (runs.size() >= count || std::chrono::steady_clock::now() > deadline) return runs;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

// Gone, or a zombie that only waits for its new parent.
inline bool ProcessIsGone(int pid) {
  for (int i = 0; i < 100; ++i) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    if (!std::getline(stat, text)) return true;
    auto close = text.rfind(')');
    if (close != std::string::npos && close + 2 < text.size() && text[close + 2] == 'Z') return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}
