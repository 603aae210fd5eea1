// MAMEWAH layout.lay: one value per line at fixed line numbers. The width and height head
// the file; thirteen records of 13 lines describe the objects.
#include <algorithm>
#include <array>
#include <cstdint>

#include "configurator/layouteditor/editor_text_lines.h"
#include "configurator/layouteditor/layout_import.h"
#include "platform/files.h"
#include "platform/text.h"

namespace cfg {
namespace {

// Lines in file order; a file that ends early goes on with empty lines.
class LineCursor {
 public:
  explicit LineCursor(std::vector<std::string> lines) : lines_(std::move(lines)) {}
  std::string_view Next() {
    const std::size_t line = next_++;
    return line < lines_.size() ? std::string_view(lines_[line]) : std::string_view();
  }
  void Skip(std::size_t count) { next_ += count; }

 private:
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
};

struct RecordTarget {
  int object;
  int order;
};
// Records 1 ... 13 in file order, with the object each fills and its order.
constexpr std::array<RecordTarget, 13> kRecords = {{{kEdList, 15},
                                                    {kEdInfo, 14},
                                                    {kEdSnap, 13},
                                                    {kEdMarquee, 12},
                                                    {kEdCustom1, 11},
                                                    {kEdCustom1 + 1, 10},
                                                    {kEdCustom1 + 2, 9},
                                                    {kEdCustom1 + 3, 8},
                                                    {kEdCustom1 + 4, 7},
                                                    {kEdCustom6, 6},
                                                    {kEdInfo1, 5},
                                                    {kEdInfo2, 4},
                                                    {kEdInfo3, 3}}};
constexpr std::size_t kLinesBeforeFirstRecord = 42;
constexpr std::size_t kLinesBeforeRecord11 = 52;
constexpr int kNbItemsWithoutFontSize = 10;
// The source frontend stretches every picture to its box.
constexpr int kStretchedToBox = 2;
constexpr int kOpaque = 255;
constexpr int kWhite = 0xFFFFFF;

// In the file 1 means right and 2 centre; the editor has them the other way round.
int EditorAlignment(int fileValue) {
  if (fileValue == 1) return 2;
  if (fileValue == 2) return 1;
  return fileValue;
}

void ReadRecord(LineCursor& lines, EditorObject& o) {
  o.visible = platform::EqualsNoCase(lines.Next(), "True") ? 1 : 0;
  lines.Skip(2);
  o.fontColour = platform::ParseInt(lines.Next());
  o.fontFace = platform::CutToField(lines.Next(), kEditorFaceField);
  lines.Skip(2);
  o.fontSize = platform::ParseInt(lines.Next());
  o.alignment = EditorAlignment(platform::ParseInt(lines.Next()));
  o.left = platform::ParseInt(lines.Next());
  o.top = platform::ParseInt(lines.Next());
  o.width = platform::ParseInt(lines.Next());
  o.height = platform::ParseInt(lines.Next());
}

// Rows that fit the list at twice the font height each. A font size of 0 (or less) would
// divide by nothing: such a list gets the editor's usual 10 rows.
int NbItemsForList(const EditorObject& list) {
  if (list.fontSize <= 0) return kNbItemsWithoutFontSize;
  return static_cast<int>(list.height / (2 * static_cast<std::int64_t>(list.fontSize)));
}

bool IsPictureObject(int object) {
  return object == kEdSnap || object == kEdMarquee || IsEditorCustomObject(object);
}

// The source has no scroll text: ours waits hidden in a band along the bottom, opaque and
// in a font that fills two thirds of the band, so that making it visible shows a text.
void PrepareHiddenScrollText(EditorObject& o, const EditorObject& list, int width, int height) {
  const int band = std::max(height / 20, 1);
  o = EditorObject{};
  o.left = 0;
  o.top = std::max(height - band, 0);
  o.width = width;
  o.height = band;
  o.alpha = kOpaque;
  o.fontFace = list.fontFace;
  o.fontSize = ScrollTextFontSize(band);
  o.fontColour = kWhite;
}

}  // namespace

int ScrollTextFontSize(int boxHeight) { return std::max(boxHeight * 2 / 3, kSmallestReadableFont); }

int ImportMamewahLayout(EditorSession& editor, const std::string& path, DesktopSize desktop) {
  const auto text = platform::ReadWholeFile(path, kMaxEditorFileBytes);
  if (!text) return 0;
  LineCursor lines(SplitEditorLines(*text));

  std::string_view first = lines.Next();
  const int width = platform::ParseInt(first.substr(0, first.find(';')));
  if (width < 10) {
    ShowEditorMessage(editor, InvalidFileMessage());
    return 0;
  }
  const int height = platform::ParseInt(lines.Next());
  if (ExceedsDesktop(width, height, desktop)) {
    ShowEditorMessage(editor, ImportTooLargeMessage());
    return 0;
  }

  EditorLayout imported = StartImport(editor.layout, width, height);
  EditorObject& background = imported.objects[kEdBackGround];
  background.alpha = 255;
  background.order = 1;
  lines.Skip(2);

  for (std::size_t r = 0; r < kRecords.size(); ++r) {
    if (r == 0) lines.Skip(kLinesBeforeFirstRecord);
    if (r == 10) lines.Skip(kLinesBeforeRecord11);
    EditorObject& o = imported.objects[kRecords[r].object];
    ReadRecord(lines, o);
    o.alpha = kOpaque;
    o.order = kRecords[r].order;
    if (IsPictureObject(kRecords[r].object)) o.stretch = kStretchedToBox;
  }
  PrepareHiddenScrollText(imported.objects[kEdScrollText], imported.objects[kEdList], width, height);

  imported.settings = LayoutWideSettings{};
  imported.settings.selectorMinAlpha = 255;
  imported.settings.selectorMaxAlpha = 255;
  imported.settings.nbItems = NbItemsForList(imported.objects[kEdList]);
  CompleteImport(editor, imported);
  return 1;
}

}  // namespace cfg
