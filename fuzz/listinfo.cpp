// The text listing reader: any bytes give a sound game list, and a listing read from a
// file gives the same list as the same text in memory.
// fuzz-links: orv_listgen
#include "configurator/listgen/listinfo_reader.h"
#include "game_list_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  cfg::GameListBuilder fromText(nullptr);
  cfg::ReadListInfoText(text, fromText);
  fuzz::CheckGameList(fromText);

  cfg::GameListBuilder fromFile(nullptr);
  fuzz::Require(cfg::ReadListInfoFile(fuzz::PutFile("listinfo.txt", text), fromFile));
  fuzz::Require(fromFile.text() == fromText.text() && fromFile.seen() == fromText.seen());

  // The summaries on the raw line, as a "video (" or "input (" line gives it.
  const std::string screen = cfg::ListInfoScreen(text.substr(0, 500));
  const std::string controls = cfg::ListInfoControls(text.substr(0, 500));
  fuzz::Require(screen.size() <= 2000 && controls.size() <= 2000);
  return 0;
}
