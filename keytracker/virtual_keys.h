// Linux input key codes to the Windows virtual-key codes the frontend filters on. Keys
// are mapped by position, as with a US layout; the modifiers give the side-neutral
// codes a keyboard hook sees (VK_SHIFT, VK_CONTROL, VK_MENU).
#pragma once

#include <cstdint>

namespace keytracker {

std::uint32_t VirtualKeyFromLinuxKey(int linuxKey);  // 0 for keys without a code

// The window-message code of a mouse event (type, code, value of a kernel input
// event), or 0 for events that have none (sync reports and the like).
std::uint32_t MouseMessageFromLinuxEvent(int type, int code, int value);

}  // namespace keytracker
