// demo_art: draws the demo installation's artwork.
//   demo_art template <dir>                      the pictures of the demo template (its
//                                                Layout.cfg is demo/Templates/Etoiles/Layout.cfg)
//   demo_art scrolltext <file>                   a scroll text that shows every tag
//   demo_art media <snapDir> <marqueeDir> <rom>=<full name>...   snapshots and marquees
//   demo_art clips <videoDir> <rom>...           short looping video snaps
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "canvas.h"
#include "platform/files.h"
#include "platform/video_writer.h"

namespace {

const Rgba kGold{236, 190, 80, 255};
const Rgba kDeep{14, 18, 52, 255};
const Rgba kViolet{70, 24, 96, 255};

std::unique_ptr<platform::Font> OpenFont(const std::string& face, int height, bool bold = true) {
  auto font = platform::Font::Open({face, height, bold});
  if (!font) std::fprintf(stderr, "demo_art: no font for %s\n", face.c_str());
  return font;
}

// Small deterministic generator so that every build draws the same pictures.
struct Noise {
  std::uint32_t state;
  explicit Noise(std::uint32_t seed) : state(seed * 2654435761u + 12345u) {}
  double Next() {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) / double(1 << 24);
  }
};

std::uint32_t Hash(const std::string& s) {
  std::uint32_t h = 2166136261u;
  for (unsigned char c : s) h = (h ^ c) * 16777619u;
  return h;
}

void Stars(Canvas& c, int count, std::uint32_t seed, int alpha, bool wrap) {
  Noise n(seed);
  for (int k = 0; k < count; ++k) {
    const double x = n.Next() * c.Width(), y = n.Next() * c.Height(), r = 0.6 + n.Next() * 1.6;
    const Rgba star{220 + int(n.Next() * 35), 220 + int(n.Next() * 35), 255, int(alpha * (0.4 + 0.6 * n.Next()))};
    c.Disc(x, y, r, star);
    if (wrap) c.Disc(x - c.Width(), y, r, star), c.Disc(x + c.Width(), y, r, star);
  }
}

bool Save(const Canvas& c, const std::string& dir, const std::string& name) {
  const bool ok = c.SavePng(dir + "/" + name);
  if (!ok) std::fprintf(stderr, "demo_art: cannot write %s/%s\n", dir.c_str(), name.c_str());
  return ok;
}

bool MakeTemplate(const std::string& dir) {
  std::filesystem::create_directories(dir);
  bool ok = true;
  auto title = OpenFont("DejaVu Sans", 46);
  auto small = OpenFont("Liberation Sans", 18);
  if (!title || !small) return false;

  // Background: night-sky gradient, a title, panels behind the texts. Nothing is pure
  // black: black is the template's transparent colour.
  Canvas bg(800, 600);
  bg.VerticalGradient(0, 0, 800, 600, kDeep, kViolet);
  Stars(bg, 160, 7, 150, false);
  for (int y = 84; y < 600; y += 4) bg.BlendRect(0, y, 800, 1, {255, 255, 255, 10});
  const std::string name = "ORVANEL";
  const int tw = Canvas::TextWidth(*title, name);
  bg.Text(*title, name, (800 - tw) / 2 + 3, 16 + 3, {8, 4, 20, 200});
  bg.Text(*title, name, (800 - tw) / 2, 16, kGold);
  bg.RoundedPanel(20, 92, 380, 436, 16, {8, 10, 36, 190}, {236, 190, 80, 220}, 2);
  bg.RoundedPanel(430, 462, 340, 104, 12, {10, 12, 40, 170}, {236, 190, 80, 200}, 2);
  bg.HorizontalGradient(0, 566, 800, 34, {20, 10, 50, 235}, {50, 16, 70, 235});
  bg.FillRect(0, 566, 800, 2, kGold);
  bg.Text(*small, "Borne de d\xE9monstration", 30, 538, {200, 200, 240, 220});
  ok &= Save(bg, dir, "layout.png");

  // The band over the title: a star field that tiles left to right, for scrolling.
  Canvas band(800, 84);
  Stars(band, 90, 21, 255, true);
  for (int x = 0; x < 800; ++x) {
    const double wave = 70 + 8 * std::sin(x * 2 * M_PI / 200.0);
    for (int y = static_cast<int>(wave); y < 84; ++y) band.Blend(x, y, {236, 190, 80, 50 + (y - int(wave)) * 12});
  }
  ok &= Save(band, dir, "Custom1.png");

  // Frames of the snapshot and the marquee: their black middle is keyed out.
  auto frame = [&](int w, int h, const std::string& file) {
    Canvas f(w, h, {0, 0, 0, 255});
    f.RoundedPanel(0, 0, w, h, 14, {0, 0, 0, 0}, kGold, 10);
    f.RoundedPanel(4, 4, w - 8, h - 8, 10, {0, 0, 0, 0}, {255, 236, 170, 255}, 2);
    // Corners outside the rounded frame stay transparent black.
    return Save(f, dir, file);
  };
  ok &= frame(340, 260, "Custom2.png");
  ok &= frame(340, 90, "Custom3.png");

  // The list's own backdrop: faint bands that alternate with the 30-pixel lines.
  Canvas listBack(360, 420);
  for (int line = 0; line < 14; line += 2) listBack.BlendRect(0, line * 30, 360, 30, {120, 130, 255, 22});
  ok &= Save(listBack, dir, "ListBkground.png");

  Canvas selection(360, 30);
  selection.RoundedPanel(0, 0, 360, 30, 10, {255, 170, 40, 255}, {255, 240, 180, 255}, 2);
  for (int x = 0; x < 360; ++x)
    for (int y = 3; y < 14; ++y) selection.Blend(x, y, {255, 255, 255, 40});
  ok &= Save(selection, dir, "ListSelection.png");

  Canvas noSnap(320, 240);
  noSnap.VerticalGradient(0, 0, 320, 240, {40, 40, 56, 255}, {24, 24, 34, 255});
  for (int k = -240; k < 320; k += 24)
    for (int y = 0; y < 240; ++y) noSnap.BlendRect(k + y, y, 8, 1, {255, 255, 255, 14});
  const std::string noPicture = "Pas d'image";
  noSnap.Text(*small, noPicture, (320 - Canvas::TextWidth(*small, noPicture)) / 2, 108, {200, 200, 220, 255});
  ok &= Save(noSnap, dir, "missingSnapShot.png");

  Canvas noMarquee(320, 70);
  noMarquee.HorizontalGradient(0, 0, 320, 70, {30, 30, 60, 255}, {60, 30, 80, 255});
  noMarquee.Text(*small, "Orvanel", (320 - Canvas::TextWidth(*small, "Orvanel")) / 2, 24, kGold);
  ok &= Save(noMarquee, dir, "missingMarquee.png");
  return ok;
}

bool MakeScrollText(const std::string& file) {
  const std::string text =
      "Bienvenue sur la borne Orvanel !   Jeu s\xE9lectionn\xE9 : [C=16776960][NomJeux][C=13434879] "
      "([Infos1])   [P=3]Trois secondes de pause...   [V=8]Et maintenant on acc\xE9l\xE8re !   [V=5]"
      "[B=1]Ce texte clignote avec la barre de s\xE9lection.[B=0]   Bonne partie !\r\n";
  std::filesystem::create_directories(std::filesystem::path(file).parent_path());
  return platform::WriteFileAtomically(file, text);
}

bool MakeMedia(const std::string& snapDir, const std::string& marqueeDir, const std::vector<std::string>& games) {
  std::filesystem::create_directories(snapDir);
  std::filesystem::create_directories(marqueeDir);
  auto big = OpenFont("DejaVu Sans", 30);
  auto label = OpenFont("Liberation Sans", 34);
  if (!big || !label) return false;
  bool ok = true;
  for (const std::string& game : games) {
    const auto eq = game.find('=');
    const std::string rom = game.substr(0, eq);
    const std::string full = eq == std::string::npos ? rom : game.substr(eq + 1);
    Noise n(Hash(rom));
    const Rgba sky{int(n.Next() * 90), int(n.Next() * 90), 60 + int(n.Next() * 120), 255};
    const Rgba ground{60 + int(n.Next() * 150), 40 + int(n.Next() * 150), int(n.Next() * 90), 255};

    Canvas snap(320, 240);
    snap.VerticalGradient(0, 0, 320, 170, sky, Mix(sky, {255, 255, 255, 255}, 0.35));
    Stars(snap, 40, Hash(rom) + 1, 200, false);
    snap.VerticalGradient(0, 170, 320, 70, ground, Mix(ground, {10, 10, 10, 255}, 0.6));
    for (int k = 0; k < 5; ++k) {
      const Rgba c{80 + int(n.Next() * 175), 80 + int(n.Next() * 175), 80 + int(n.Next() * 175), 255};
      snap.Disc(20 + n.Next() * 280, 30 + n.Next() * 150, 6 + n.Next() * 22, c);
    }
    // A player ship and a score line, as a game screen would show.
    snap.Disc(160, 200, 10, {240, 240, 240, 255});
    snap.FillRect(150, 205, 20, 6, {240, 80, 60, 255});
    snap.Text(*big, "1UP 00" + std::to_string(Hash(rom) % 9000 + 1000), 8, 4, {255, 255, 255, 230});
    ok &= Save(snap, snapDir, rom + ".png");

    Canvas marquee(320, 70);
    marquee.HorizontalGradient(0, 0, 320, 70, Mix(sky, {0, 0, 0, 255}, 0.3), Mix(ground, {0, 0, 0, 255}, 0.2));
    std::string shown = full;
    while (shown.size() > 1 && Canvas::TextWidth(*label, shown) > 300) shown.pop_back();
    const int w = Canvas::TextWidth(*label, shown);
    marquee.Text(*label, shown, (320 - w) / 2 + 2, 16 + 2, {0, 0, 0, 160});
    marquee.Text(*label, shown, (320 - w) / 2, 16, {255, 240, 200, 255});
    ok &= Save(marquee, marqueeDir, rom + ".png");
  }
  return ok;
}

// Three-second clips that loop without a jump: every moving thing goes round once.
bool MakeClips(const std::string& videoDir, const std::vector<std::string>& roms) {
  std::filesystem::create_directories(videoDir);
  auto big = OpenFont("DejaVu Sans", 30);
  if (!big) return false;
  bool ok = true;
  // The containers differ, so the demo shows that each kind is found.
  const char* extensions[] = {".mp4", ".mkv", ".avi"};
  for (std::size_t g = 0; g < roms.size(); ++g) {
    const std::string& rom = roms[g];
    Noise n(Hash(rom) + 7);
    const Rgba sky{int(n.Next() * 70), int(n.Next() * 70), 60 + int(n.Next() * 120), 255};
    platform::ClipRecipe recipe;
    recipe.width = 320;
    recipe.height = 240;
    recipe.fps = 30;
    recipe.frames = 90;
    recipe.draw = [&](int i, platform::Image& frame) {
      const double t = 2 * M_PI * i / recipe.frames;
      Canvas c(320, 240);
      c.VerticalGradient(0, 0, 320, 240, sky, Mix(sky, {0, 0, 0, 255}, 0.6));
      Stars(c, 40, Hash(rom) + 1, 200, false);
      for (int k = 0; k < 4; ++k) {
        const double a = t + k * M_PI / 2;
        const Rgba colour{120 + 40 * k, 255 - 50 * k, 80 + 40 * k, 255};
        c.Disc(160 + 110 * std::cos(a), 110 + 70 * std::sin(2 * a), 12 + 3 * k, colour);
      }
      c.Disc(160 + 120 * std::sin(t), 205, 10, {240, 240, 240, 255});
      c.FillRect(int(150 + 120 * std::sin(t)), 210, 20, 6, {240, 80, 60, 255});
      c.Text(*big, "1UP 00" + std::to_string(1000 + i * 10), 8, 4, {255, 255, 255, 230});
      frame = c.image();
    };
    std::string error;
    const std::string path = videoDir + "/" + rom + extensions[g % 3];
    if (!platform::WriteClipFile(path, recipe, &error)) {
      std::fprintf(stderr, "demo_art: %s: %s\n", path.c_str(), error.c_str());
      ok = false;
    }
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == "template") return MakeTemplate(args[1]) ? 0 : 1;
  if (args.size() == 2 && args[0] == "scrolltext") return MakeScrollText(args[1]) ? 0 : 1;
  if (args.size() >= 3 && args[0] == "media") {
    return MakeMedia(args[1], args[2], std::vector<std::string>(args.begin() + 3, args.end())) ? 0 : 1;
  }
  if (args.size() >= 3 && args[0] == "clips") {
    return MakeClips(args[1], std::vector<std::string>(args.begin() + 2, args.end())) ? 0 : 1;
  }
  std::fprintf(stderr,
               "usage: demo_art template <dir> | scrolltext <file> | media <snapDir> <marqueeDir> <rom>=<name>...\n"
               "     | clips <videoDir> <rom>...\n");
  return 2;
}
