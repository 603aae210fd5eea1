// A joystick binding as the [Manettes] section of Orvanel.ini writes it: a control of a
// device, readable and editable by hand.
//
//   UpKey=Axe 1- @ pci-0000:00:14.0-usb-0:2:1.0
//   LaunchGameKey=Bouton 0
//   LeftKey=Croix 0 Gauche @ 03000000790000000600000010010000 Generic USB Joystick
//
// A control is "Bouton n", "Croix n Haut|Bas|Gauche|Droite" (a hat) or "Axe n-"/"Axe n+"
// (an axis pushed past half its range). After " @ " comes the device: the port it is
// plugged into (udev's ID_PATH), or its GUID and name when the port is unknown; without
// it, any joystick. Several bindings of one action are joined by ';'.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

struct PadControl {
  enum class Kind : std::uint8_t { Button, Hat, Axis };
  Kind kind = Kind::Button;
  int index = 0;
  int direction = 0;  // hat: 1 up, 2 right, 4 down, 8 left (SDL's bits); axis: -1 or +1
  bool operator==(const PadControl&) const = default;
};

struct PadBinding {
  PadControl control;
  std::string device;  // empty: any joystick
  bool operator==(const PadBinding&) const = default;
};

// Every binding the text holds; parts that are not bindings are left out.
std::vector<PadBinding> ParsePadBindings(std::string_view text);
std::string PadBindingsText(std::span<const PadBinding> bindings);
// The control alone, as the configurator shows it ("Bouton 3", "Axe 1-").
std::string PadControlText(const PadControl& control);

// A device as a binding names it: the port, or "GUID name" when the port is unknown.
std::string PadDeviceName(std::string_view physicalPath, std::string_view guid, std::string_view name);
// Whether a binding's device text names the device with that port, GUID and name
// (letter case and blanks around it aside).
bool PadDeviceMatches(std::string_view bindingDevice, std::string_view physicalPath, std::string_view guid,
                      std::string_view name);

}  // namespace settings
