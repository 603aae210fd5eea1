// Every object key of the Layout.cfg table through both programs: what the editor writes
// the frontend and the editor read back into the key's own field, and an absent key takes
// the default of the reading program's column. The fields are spelled here apart from the
// table, so a row that fills the wrong field fails.
#include <gtest/gtest.h>

#include <string>

#include "configurator/layouteditor/load_template.h"
#include "configurator/layouteditor/object_numbering.h"
#include "configurator/layouteditor/save_layout.h"
#include "editor_test_support.h"
#include "platform/text.h"
#include "render/layout.h"
#include "render/layout_keys.h"
#include "settings/setting_fields.h"

using namespace cfg;
using namespace render;

namespace {

std::string FrontendField(const Layout& l, int f, ObjectKey key) {
  const LayoutObject& o = l.objects[f];
  const TextStyle& s = l.textStyles[f];
  switch (key) {
    case ObjectKey::kLeft: return std::to_string(o.left);
    case ObjectKey::kTop: return std::to_string(o.top);
    case ObjectKey::kWidth: return std::to_string(o.width);
    case ObjectKey::kHeight: return std::to_string(o.height);
    case ObjectKey::kVisible: return o.visible ? "1" : "0";
    case ObjectKey::kAlpha: return std::to_string(o.alpha);
    case ObjectKey::kOrder:  // the slot the frontend draws it in
      for (int slot = 0; slot < kLayoutObjectCount; ++slot)
        if (l.drawOrder[slot] == f) return std::to_string(slot + 1);
      return "none";
    case ObjectKey::kFontColour: return std::to_string(s.fontColour);
    case ObjectKey::kFontSize: return std::to_string(s.fontHeight);
    case ObjectKey::kAlignment: return std::to_string(s.alignment);
    case ObjectKey::kFontName: return s.faceName;
    case ObjectKey::kStretch: return std::to_string(o.stretch);
    case ObjectKey::kScrollX: return std::to_string(int(o.scrollSpeedX));
    case ObjectKey::kScrollY: return std::to_string(int(o.scrollSpeedY));
  }
  return "?";
}

std::string EditorField(const EditorObject& o, ObjectKey key) {
  switch (key) {
    case ObjectKey::kLeft: return std::to_string(o.left);
    case ObjectKey::kTop: return std::to_string(o.top);
    case ObjectKey::kWidth: return std::to_string(o.width);
    case ObjectKey::kHeight: return std::to_string(o.height);
    case ObjectKey::kVisible: return std::to_string(o.visible);
    case ObjectKey::kAlpha: return std::to_string(o.alpha);
    case ObjectKey::kOrder: return std::to_string(o.order);
    case ObjectKey::kFontColour: return std::to_string(o.fontColour);
    case ObjectKey::kFontSize: return std::to_string(o.fontSize);
    case ObjectKey::kAlignment: return std::to_string(o.alignment);
    case ObjectKey::kFontName: return o.fontFace;
    case ObjectKey::kStretch: return std::to_string(o.stretch);
    case ObjectKey::kScrollX: return std::to_string(int(o.scrollSpeedX));
    case ObjectKey::kScrollY: return std::to_string(int(o.scrollSpeedY));
  }
  return "?";
}

// A value of its own for each row and object, as the readers give it back. Order 1 puts
// the object first in the draw order (ScrollText's default is 1 as well).
std::string ValueFor(const ObjectKeyRow& row, int k, int e) {
  switch (row.type) {
    case FieldType::kInt: return std::to_string(100 + 16 * k + e);
    case FieldType::kFlag: return "1";
    case FieldType::kSpeed: return std::to_string(-1 - (k + e) % 9);
    case FieldType::kText: return "Face " + std::to_string(e);
    case FieldType::kOrder: return "1";
  }
  return {};
}

void SetField(EditorObject& o, const ObjectKeyRow& row, const std::string& value) {
  if (row.type == FieldType::kText) o.*std::get<std::string EditorObject::*>(row.field) = value;
  else if (row.type == FieldType::kSpeed) o.*std::get<float EditorObject::*>(row.field) = float(platform::ParseInt(value));
  else o.*std::get<int EditorObject::*>(row.field) = platform::ParseInt(value);
}

// The table's default of a row in one column, as the field shows it.
std::string DefaultField(const ObjectKeyRow& row, KeyDefaults column, int order) {
  const std::string_view def = DefaultOf(row.key, column);
  switch (row.type) {
    case FieldType::kText: return std::string(def);
    case FieldType::kFlag: return settings::IsFlagText(def) ? "1" : "0";
    case FieldType::kOrder: return std::to_string(order);
    default: return std::to_string(platform::ParseInt(def));
  }
}

bool Carries(const ObjectKeyRow& row, int e) { return !row.textOnly || IsEditorTextObject(e); }

}  // namespace

TEST(FieldTable, EveryRowTheEditorWritesReadsBackInBothPrograms) {
  const auto rows = ObjectKeyRows();
  for (int k = 0; k < kObjectKeyCount; ++k) {
    const ObjectKeyRow& row = rows[std::size_t(k)];
    const ObjectKey key = ObjectKey(k);
    int writtenFor = 0;
    for (int e = kEdSnap; e < kEditorObjectCount; ++e) {
      if (!Carries(row, e)) continue;
      EditorLayout l;
      ReadEditorLayoutText("", 800, 600, l);
      l.settings.listeImages = e == kEdList && key == ObjectKey::kStretch;  // the list's stretch is written then
      const std::string value = ValueFor(row, k, e);
      SetField(l.objects[e], row, value);
      const std::string text = LayoutFileText(l);
      const bool written = text.find(std::string(EditorKeyPrefix(e)) + std::string(row.key.written) + "=") !=
                           std::string::npos;
      writtenFor += written;
      const int f = FrontendIndexOf(e);
      const std::string expected = written ? value : DefaultField(row, KeyDefaults::kFrontend, 15 - f);
      Layout frontend;
      ReadLayoutText(text, frontend);
      EditorLayout editor;
      ReadEditorLayoutText(text, 800, 600, editor);
      EXPECT_EQ(FrontendField(frontend, f, key), expected) << row.key.name << " object " << e;
      EXPECT_EQ(EditorField(editor.objects[e], key), expected) << row.key.name << " object " << e;
    }
    EXPECT_GT(writtenFor, 0) << row.key.name;
    if (row.writtenFor == WrittenFor::kEveryObject) {
      EXPECT_EQ(writtenFor, kEditorObjectCount - 1) << row.key.name;
    }
  }
}

TEST(FieldTable, AnAbsentKeyTakesTheDefaultOfTheReadersColumn) {
  Layout frontend;
  ReadLayoutText("", frontend);
  EditorLayout ofFile;  // a file's absent keys read as the cabinet reads them
  ReadEditorLayoutText("", 800, 600, ofFile);
  RecordingEditor newLayout;  // a layout started without a file
  ASSERT_EQ(LoadTemplate(newLayout.editor, "", {1920, 1080}), 1);
  const auto rows = ObjectKeyRows();
  for (int k = 0; k < kObjectKeyCount; ++k) {
    const ObjectKeyRow& row = rows[std::size_t(k)];
    for (int e = kEdSnap; e < kEditorObjectCount; ++e) {
      if (!Carries(row, e)) continue;
      const int f = FrontendIndexOf(e);
      const std::string frontendDefault = DefaultField(row, KeyDefaults::kFrontend, 15 - f);
      EXPECT_EQ(FrontendField(frontend, f, ObjectKey(k)), frontendDefault) << row.key.name << " object " << e;
      EXPECT_EQ(EditorField(ofFile.objects[e], ObjectKey(k)), frontendDefault) << row.key.name << " object " << e;
      EXPECT_EQ(EditorField(newLayout.editor.layout.objects[e], ObjectKey(k)),
                DefaultField(row, KeyDefaults::kEditor, kEditorObjectCount - e))
          << row.key.name << " object " << e;
    }
  }
}
