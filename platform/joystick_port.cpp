// Which port a joystick is plugged into, so that two identical encoders keep their own
// bindings across a reboot and a re-plug into the same socket.
#include "platform/joysticks.h"

#include <libudev.h>
#include <sys/stat.h>

#include <memory>

namespace platform {

std::string PhysicalPathOfNode(const std::string& node) {
  struct stat st {};
  if (::stat(node.c_str(), &st) != 0 || !S_ISCHR(st.st_mode)) return {};
  std::unique_ptr<udev, decltype(&udev_unref)> u(udev_new(), &udev_unref);
  if (!u) return {};
  std::unique_ptr<udev_device, decltype(&udev_device_unref)> device(
      udev_device_new_from_devnum(u.get(), 'c', st.st_rdev), &udev_device_unref);
  if (!device) return {};
  if (const char* path = udev_device_get_property_value(device.get(), "ID_PATH")) return path;
  // No udev database (a container): the USB interface's place in sysfs names the port too.
  // The parent belongs to the device: not released here.
  if (udev_device* usb = udev_device_get_parent_with_subsystem_devtype(device.get(), "usb", "usb_interface"))
    if (const char* devpath = udev_device_get_devpath(usb)) return devpath;
  return {};
}

}  // namespace platform
