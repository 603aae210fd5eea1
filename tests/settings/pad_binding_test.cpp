// Joystick bindings as [Manettes] holds them: read by hand-written text, written back whole.
#include "settings/pad_binding.h"

#include <gtest/gtest.h>

#include "platform/profile.h"
#include "settings/read_settings.h"
#include "settings/setting_keys.h"
#include "settings/write_settings.h"
#include "temp_dir.h"

namespace {

using namespace settings;
using Kind = PadControl::Kind;

TEST(PadBindings, ReadsWhatAPersonWritesAndLeavesOutTheRest) {
  const struct {
    const char* text;
    std::vector<PadBinding> bindings;
    const char* written;  // as the writer puts them back
  } cases[] = {
      {"", {}, ""},
      {"Bouton 0", {{{Kind::Button, 0, 0}, ""}}, "Bouton 0"},
      {"  bouton12  ", {{{Kind::Button, 12, 0}, ""}}, "Bouton 12"},
      {"Croix 0 Haut", {{{Kind::Hat, 0, 1}, ""}}, "Croix 0 Haut"},
      {"CROIX 1 droite", {{{Kind::Hat, 1, 2}, ""}}, "Croix 1 Droite"},
      {"Croix 0 Bas@usb-1", {{{Kind::Hat, 0, 4}, "usb-1"}}, "Croix 0 Bas @ usb-1"},
      {"Axe 1-", {{{Kind::Axis, 1, -1}, ""}}, "Axe 1-"},
      {"axe 0 +  @ pci-0000:00:14.0-usb-0:2:1.0 ",
       {{{Kind::Axis, 0, +1}, "pci-0000:00:14.0-usb-0:2:1.0"}},
       "Axe 0+ @ pci-0000:00:14.0-usb-0:2:1.0"},
      {"Bouton 2 @ a; Croix 0 Gauche @ b",
       {{{Kind::Button, 2, 0}, "a"}, {{Kind::Hat, 0, 8}, "b"}},
       "Bouton 2 @ a ; Croix 0 Gauche @ b"},
      // Not bindings: left out, the others kept.
      {"Bouton", {}, ""},
      {"Bouton -1", {}, ""},
      {"Bouton 999", {}, ""},
      {"Bouton 3x", {}, ""},
      {"Axe 1", {}, ""},
      {"Axe 1*", {}, ""},
      {"Croix 0 Haut-gauche", {}, ""},
      {"672", {}, ""},
      {";;Bouton 4;@", {{{Kind::Button, 4, 0}, ""}}, "Bouton 4"},
      {"\xff\x01 @ Bouton 1", {}, ""},
  };
  for (const auto& c : cases) {
    const auto bindings = ParsePadBindings(c.text);
    EXPECT_EQ(bindings, c.bindings) << c.text;
    EXPECT_EQ(PadBindingsText(bindings), c.written) << c.text;
    EXPECT_EQ(ParsePadBindings(PadBindingsText(bindings)), bindings) << c.text;
  }
}

TEST(PadBindings, DevicesByPortOrByGuidAndName) {
  const char* port = "pci-0000:00:14.0-usb-0:2:1.0";
  const char* guid = "03000000790000000600000010010000";
  EXPECT_EQ(PadDeviceName(port, guid, "Pad"), port);
  EXPECT_EQ(PadDeviceName("", guid, "Pad; P1 @ home"), std::string(guid) + " Pad  P1   home");
  const struct {
    const char* binding;
    const char* port;
    const char* name;
    bool matches;
  } cases[] = {
      {"", "", "Pad", true},  // any joystick
      {"PCI-0000:00:14.0-USB-0:2:1.0", port, "Pad", true},
      {"pci-0000:00:14.0-usb-0:1:1.0", port, "Pad", false},  // the other socket
      {"03000000790000000600000010010000 pad", port, "Pad", true},
      {"03000000790000000600000010010000   Generic  USB Joystick", "", "Generic USB Joystick  ", true},
      {"03000000790000000600000010010000 Other", "", "Pad", false},
  };
  for (const auto& c : cases) EXPECT_EQ(PadDeviceMatches(c.binding, c.port, guid, c.name), c.matches) << c.binding;
  // What the writer names a device by, the reader finds it by.
  const std::string written = PadBindingsText(std::vector<PadBinding>{
      {{Kind::Button, 1, 0}, PadDeviceName("", guid, "Pad; P1 @ home")}});
  const auto read = ParsePadBindings(written);
  ASSERT_EQ(read.size(), 1u);
  EXPECT_TRUE(PadDeviceMatches(read[0].device, "", guid, "Pad; P1 @ home"));
}

// Beside [Touches], under the same names: a file edited by hand reads into the record, a
// write changes only its key.
TEST(PadBindings, LiveInTheirOwnSectionUnderTheNamesOfTheKeys) {
  TempDir dir;
  const std::string path =
      dir.Write("config/Orvanel.ini", "[Touches]\r\nDownKey=672\r\n[Manettes]\r\nDownKey=Croix 0 Bas\r\n"
                                      "Coin1Key=Bouton 9 @ usb-1\r\n");
  ASSERT_TRUE(WriteSetting(path, PadKeyOf(SettingId::UpKey), "Axe 1-"));
  EXPECT_EQ(dir.Read("config/Orvanel.ini"), "[Touches]\r\nDownKey=672\r\n[Manettes]\r\nDownKey=Croix 0 Bas\r\n"
                                            "Coin1Key=Bouton 9 @ usb-1\r\nUpKey=Axe 1-\r\n");
  Settings s;
  ReadGeneralSettings(*platform::ProfileFile::Load(path), s);
  EXPECT_EQ(s.keys.down, 672);
  EXPECT_EQ(s.pads.down, "Croix 0 Bas");
  EXPECT_EQ(s.pads.up, "Axe 1-");
  EXPECT_EQ(s.pads.coin[0], "Bouton 9 @ usb-1");
  EXPECT_EQ(s.pads.left, "");
  for (SettingId key = SettingId::DownKey; key <= SettingId::RechercheKey;
       key = static_cast<SettingId>(static_cast<int>(key) + 1)) {
    EXPECT_EQ(Key(PadKeyOf(key)).key, Key(key).key);
    EXPECT_EQ(Key(PadKeyOf(key)).section, "Manettes");
  }
  EXPECT_EQ(PadKeyOf(SettingId::LastEmu), SettingId::Count);
}

}  // namespace
