// demo-journal <installation> [runs] [seed]: writes a made-up journal of runs of the
// installation's own games (each configuration's list) over September to November 2026,
// so the configurator's "Statistiques" page has something to show in the guide.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "configurator/layouteditor/preview_games.h"
#include "configurator/pagemodel/installation.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "tools/demo_journal/journal_maker.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: demo-journal <installation> [runs] [seed]\n");
    return 2;
  }
  const std::string base = platform::AbsolutePath(argv[1]);
  const std::size_t runs = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 2500;
  const unsigned seed = argc > 3 ? unsigned(std::strtoul(argv[3], nullptr, 10)) : 20261208;
  std::vector<demo::JournalGame> games;
  for (const std::string& name : cfg::ConfigurationNames(base)) {
    const cfg::PreviewGames preview = cfg::LoadPreviewGames(base, cfg::ConfigurationFile(base, name));
    if (preview.settings.typeMenu) continue;
    for (const catalogue::GameEntry& e : preview.list.entries)
      games.push_back({name, std::string(e.romName), platform::ToUtf8ForDisplay(e.fullName)});
  }
  if (games.empty()) {
    std::fprintf(stderr, "demo-journal: no game in %s\n", base.c_str());
    return 1;
  }
  const auto made = demo::MakeRuns(games, runs, {2026, 9, 1}, 91, seed);
  if (!demo::WriteJournal(base, made)) {
    std::fprintf(stderr, "demo-journal: cannot write %s/stats\n", base.c_str());
    return 1;
  }
  std::printf("demo-journal: %zu runs of %zu games\n", made.size(), games.size());
  return 0;
}
