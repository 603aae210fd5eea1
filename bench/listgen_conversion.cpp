// Converting an emulator's XML listing of today's size and shape (45,000 machines, about
// 270 MB: ROMs, device references, chips, DIP switches, several controls) into a game list,
// generated here. Also the peak memory of one conversion, measured in a child process.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "configurator/listgen/game_list_generator.h"

namespace {

constexpr int kMachines = 45000;

std::string Hex(std::mt19937& rng, int digits) {
  static const char kDigits[] = "0123456789abcdef";
  std::string s;
  for (int i = 0; i < digits; ++i) s += kDigits[rng() % 16];
  return s;
}

void AppendMachine(std::string& out, int i, std::mt19937& rng) {
  const std::string name = "game" + std::to_string(i);
  const int kind = i % 8;  // one in eight is a device or a BIOS, as in the real listing
  out += "\t<machine name=\"" + name + "\" sourcefile=\"drivers/d" + std::to_string(i % 900) + ".cpp\"";
  if (kind == 1 && i > 8) out += " cloneof=\"game" + std::to_string(i - 1) + "\" romof=\"game" + std::to_string(i - 1) + "\"";
  if (kind == 7) out += (i % 16 == 7) ? " isbios=\"yes\"" : " isdevice=\"yes\" runnable=\"no\"";
  out += ">\n\t\t<description>Game &amp; Title " + std::to_string(i) + " (Caf\xC3\xA9 set)</description>\n";
  out += "\t\t<year>19" + std::to_string(70 + i % 30) + "</year>\n\t\t<manufacturer>Maker</manufacturer>\n";
  for (int r = 0; r < 19; ++r)
    out += "\t\t<rom name=\"" + name + "." + std::to_string(r) + "e\" size=\"4096\" crc=\"" + Hex(rng, 8) +
           "\" sha1=\"" + Hex(rng, 40) + "\" region=\"maincpu\" offset=\"" + std::to_string(r * 4096) + "\"/>\n";
  for (const char* d : {"z80", "ls259", "watchdog", "gfxdecode", "palette", "screen", "speaker", "namco"})
    out += std::string("\t\t<device_ref name=\"") + d + "\"/>\n";
  for (int c = 0; c < 4; ++c)
    out += "\t\t<chip type=\"cpu\" tag=\"maincpu" + std::to_string(c) + "\" name=\"Zilog Z80\" clock=\"3072000\"/>\n";
  out += "\t\t<display tag=\"screen\" type=\"raster\" rotate=\"" + std::string(i % 3 ? "0" : "90") +
         "\" width=\"288\" height=\"224\" refresh=\"60.606061\" pixclock=\"6144000\" htotal=\"384\" hbend=\"0\" "
         "hbstart=\"288\" vtotal=\"264\" vbend=\"0\" vbstart=\"224\" />\n\t\t<sound channels=\"1\"/>\n";
  out += "\t\t<input players=\"2\" coins=\"2\" service=\"yes\">\n"
         "\t\t\t<control type=\"joy\" player=\"1\" buttons=\"2\" ways=\"8\"/>\n"
         "\t\t\t<control type=\"joy\" player=\"2\" buttons=\"2\" ways=\"8\"/>\n"
         "\t\t\t<control type=\"dial\" player=\"1\" buttons=\"3\" minimum=\"0\" maximum=\"255\" sensitivity=\"25\" keydelta=\"10\"/>\n"
         "\t\t</input>\n";
  for (int s = 0; s < 5; ++s) {
    out += "\t\t<dipswitch name=\"Switch " + std::to_string(s) + "\" tag=\"DSW1\" mask=\"12\">\n";
    for (int l = 0; l < 2; ++l)
      out += "\t\t\t<diplocation name=\"SW1\" number=\"" + std::to_string(l + 1) + "\"/>\n";
    for (int v = 0; v < 5; ++v)
      out += "\t\t\t<dipvalue name=\"Value " + std::to_string(v) + "\" value=\"" + std::to_string(v * 4) + "\"" +
             (v == 0 ? " default=\"yes\"" : "") + "/>\n";
    out += "\t\t</dipswitch>\n";
  }
  for (int p = 0; p < 6; ++p)
    out += "\t\t<port tag=\":IN" + std::to_string(p) + "\">\n\t\t\t<analog mask=\"255\"/>\n\t\t</port>\n";
  out += "\t\t<driver status=\"good\" emulation=\"good\" savestate=\"supported\"/>\n\t</machine>\n";
}

class Listing {
 public:
  Listing() {
    std::random_device seed;
    dir_ = std::filesystem::temp_directory_path() / ("orvanel-bench-listgen-" + std::to_string(seed()));
    std::filesystem::create_directories(dir_);
    std::FILE* f = std::fopen(Path("listing.xml").c_str(), "wb");
    std::mt19937 rng(7);
    std::string chunk = "<?xml version=\"1.0\"?>\n<!DOCTYPE mame [\n<!ELEMENT mame (machine+)>\n"
                        "<!ATTLIST machine runnable (yes|no) \"yes\">\n]>\n<mame build=\"0.251\" debug=\"no\">\n";
    for (int i = 0; i < kMachines; ++i) {
      AppendMachine(chunk, i, rng);
      if (chunk.size() > (1 << 20)) {
        std::fwrite(chunk.data(), 1, chunk.size(), f);
        chunk.clear();
      }
    }
    chunk += "</mame>\n";
    std::fwrite(chunk.data(), 1, chunk.size(), f);
    std::fclose(f);
    bytes_ = std::filesystem::file_size(Path("listing.xml"));
    // An emulator stand-in that prints the listing whatever it is asked.
    std::FILE* script = std::fopen(Path("emulator").c_str(), "wb");
    std::fprintf(script, "#!/bin/sh\nexec cat '%s'\n", Path("listing.xml").c_str());
    std::fclose(script);
    std::filesystem::permissions(Path("emulator"), std::filesystem::perms::owner_all);
  }
  ~Listing() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  std::uintmax_t bytes() const { return bytes_; }

 private:
  std::filesystem::path dir_;
  std::uintmax_t bytes_ = 0;
};

const Listing& TheListing() {
  static const Listing listing;
  return listing;
}

cfg::ListingJob Job() {
  return {TheListing().Path("listing.xml"), TheListing().Path("MAME.txt"), "", false};
}

// status: with a status box text kept up to date (throttled), as the dialog has it.
void BM_ConvertCurrentListing(benchmark::State& state) {
  const bool status = state.range(0) != 0;
  int updates = 0;
  cfg::GeneratorHooks hooks;
  if (status) hooks.status = [&](const std::string& text) { updates += static_cast<int>(text.size() > 0); };
  int games = 0;
  for (auto _ : state) games = cfg::ParseListXml(Job(), hooks);
  state.counters["games"] = games;
  state.counters["listing_MB"] = static_cast<double>(TheListing().bytes()) / 1e6;
  state.counters["status_updates"] = updates;
  state.SetBytesProcessed(static_cast<std::int64_t>(TheListing().bytes()) * state.iterations());
}
BENCHMARK(BM_ConvertCurrentListing)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

cfg::GeneratorRequest PipeRequest() {
  cfg::GeneratorRequest request;
  request.emulator = TheListing().Path("emulator");
  request.outputFile = TheListing().Path("MAME.txt");
  request.temporaryFile = TheListing().Path("Infos.tmp");
  request.existingOnly = false;
  return request;
}

// The whole generation: the emulator's output through the pipe into the scratch file, then
// the conversion (the CPU time is ours; the emulator's is its own).
void BM_GenerateThroughThePipe(benchmark::State& state) {
  int games = 0;
  for (auto _ : state) games = cfg::GenerateGameList(PipeRequest(), {}).games;
  state.counters["games"] = games;
}
BENCHMARK(BM_GenerateThroughThePipe)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);

// The resident peak of a process that does nothing but one whole generation.
void BM_ConversionPeakMemory(benchmark::State& state) {
  TheListing();
  long peakKb = 0;
  for (auto _ : state) {
    const pid_t child = ::fork();
    if (child == 0) _exit(cfg::GenerateGameList(PipeRequest(), {}).ok() ? 0 : 1);
    int status = 0;
    ::waitpid(child, &status, 0);
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    peakKb = usage.ru_maxrss;
  }
  state.counters["peak_MB"] = static_cast<double>(peakKb) / 1024.0;
}
BENCHMARK(BM_ConversionPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
