#include "configurator/layouteditor/edit_history.h"

#include <bit>
#include <cstdint>
#include <utility>

namespace cfg {
namespace {

bool SameObject(const EditorObject& a, const EditorObject& b) {
  return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height && a.stretch == b.stretch &&
         a.alpha == b.alpha && a.visible == b.visible && a.fontFace == b.fontFace && a.fontSize == b.fontSize &&
         a.fontColour == b.fontColour && a.alignment == b.alignment && a.order == b.order &&
         std::bit_cast<std::uint32_t>(a.scrollSpeedX) == std::bit_cast<std::uint32_t>(b.scrollSpeedX) &&
         std::bit_cast<std::uint32_t>(a.scrollSpeedY) == std::bit_cast<std::uint32_t>(b.scrollSpeedY);
}

}  // namespace

bool SameState(const LayoutState& a, const LayoutState& b) {
  if (a.settings != b.settings) return false;
  for (int i = 0; i < kEditorObjectCount; ++i)
    if (!SameObject(a.objects[std::size_t(i)], b.objects[std::size_t(i)])) return false;
  return true;
}

LayoutState StateOf(const EditorLayout& layout) { return {layout.objects, layout.settings}; }

void EditHistory::Reset(const EditorLayout& layout) {
  present_ = StateOf(layout);
  undo_.clear();
  redo_.clear();
}

bool EditHistory::Record(const EditorLayout& layout) {
  LayoutState now = StateOf(layout);
  if (SameState(now, present_)) return false;
  undo_.push_back(std::move(present_));
  if (undo_.size() > kMaxSteps) undo_.pop_front();
  redo_.clear();
  present_ = std::move(now);
  return true;
}

bool EditHistory::Undo(EditorLayout& layout) { return Step(undo_, redo_, layout); }

bool EditHistory::Redo(EditorLayout& layout) { return Step(redo_, undo_, layout); }

bool EditHistory::Step(std::deque<LayoutState>& from, std::deque<LayoutState>& to, EditorLayout& layout) {
  Record(layout);
  if (from.empty()) return false;
  to.push_back(std::move(present_));
  present_ = std::move(from.back());
  from.pop_back();
  Put(present_, layout);
  return true;
}

void EditHistory::Put(const LayoutState& state, EditorLayout& layout) {
  layout.objects = state.objects;
  layout.settings = state.settings;
}

}  // namespace cfg
