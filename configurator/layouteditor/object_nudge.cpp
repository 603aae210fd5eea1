#include "configurator/layouteditor/object_nudge.h"

#include <algorithm>
#include <climits>

#include "configurator/layouteditor/object_numbering.h"

namespace cfg {
namespace {

constexpr int kMinSide = 2;  // the smallest object the preview still outlines

long long Clamp(long long v, long long low, long long high) { return std::clamp(v, low, std::max(low, high)); }

int ResizedSide(int position, int size, int delta, int limit) {
  const long long s = size;
  const long long low = std::min(s, (long long)kMinSide), high = std::max(s, (long long)limit - position);
  return int(Clamp(s + delta, low, high));
}

}  // namespace

int KeptPosition(int position, int wanted, int size, int limit) {
  const long long p = position;
  const long long low = std::min(p, 0LL), high = std::max(p, (long long)limit - size);
  return int(Clamp(wanted, low, high));
}

bool NudgeObject(EditorLayout& layout, int index, int dx, int dy, bool resize) {
  if (index <= kEdBackGround || index >= kEditorObjectCount) return false;
  EditorObject& o = layout.objects[index];
  const EditorObject before = o;
  if (resize) {
    o.width = ResizedSide(o.left, o.width, dx, layout.Width());
    o.height = ResizedSide(o.top, o.height, dy, layout.Height());
  } else {
    o.left = KeptPosition(o.left, int(Clamp((long long)o.left + dx, INT_MIN, INT_MAX)), o.width, layout.Width());
    o.top = KeptPosition(o.top, int(Clamp((long long)o.top + dy, INT_MIN, INT_MAX)), o.height, layout.Height());
  }
  return o.left != before.left || o.top != before.top || o.width != before.width || o.height != before.height;
}

int NextInDrawOrder(const EditorLayout& layout, int selected, bool backward) {
  const auto order = EditorDrawOrder(layout);
  const int n = kEditorObjectCount;
  const auto at = std::find(order.begin(), order.end(), selected);
  int slot = at == order.end() ? (backward ? 0 : n - 1) : int(at - order.begin());
  for (int step = 0; step < n; ++step) {
    slot = (slot + (backward ? n - 1 : 1)) % n;
    if (order[std::size_t(slot)] != kEdBackGround) return order[std::size_t(slot)];
  }
  return selected;
}

}  // namespace cfg
