// The layout page's fields: one binder each over the selected object or the layout-wide
// settings, committed on Apply; which groups an object shows, and the range checks.
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <cstdlib>

#include "configurator/layouteditor/ui/layout_page.h"
#include "configurator/widgets/setting_text.h"
#include "platform/text.h"

namespace cfg {
namespace {

constexpr const char* kWidthMessage = QT_TRANSLATE_NOOP(
    "cfg::LayoutPage", "Valeur incorrecte ! (Ne peut être négative ou supérieure à la largeur du layout)");
constexpr const char* kHeightMessage = QT_TRANSLATE_NOOP(
    "cfg::LayoutPage", "Valeur incorrecte ! (Ne peut être négative ou supérieure à la hauteur du layout)");
constexpr const char* kAlphaMessage =
    QT_TRANSLATE_NOOP("cfg::LayoutPage", "Valeur incorrecte ! (0 Transparent -> 255 opaque)");
constexpr const char* kColourMessage = QT_TRANSLATE_NOOP("cfg::LayoutPage", "Valeur incorrecte !");
constexpr const char* kResolutionMessage =
    QT_TRANSLATE_NOOP("cfg::LayoutPage", "Valeur incorrecte ! (Ne peut être > à la résolution actuelle)");

bool IsImageObject(int index, const EditorLayout& layout) {
  return index == kEdSnap || index == kEdMarquee || IsEditorCustomObject(index) ||
         (index == kEdList && layout.settings.listeImages != 0);
}

bool HasFontGroup(int index, bool listeImages) {
  return (index >= kEdInfo && index <= kEdScrollText) || (index == kEdList && !listeImages);
}

}  // namespace

void LayoutPage::BindFields() {
  EditorLayout& l = editor_.layout;
  auto field = [this](int EditorObject::*f) { return [this, f] { return &(editor_.layout.objects[bound_].*f); }; };
  // The background's place is the screen's: its fields stay empty and commit nothing.
  auto placed = [this](int EditorObject::*f) {
    return [this, f]() -> int* { return bound_ > kEdBackGround ? &(editor_.layout.objects[bound_].*f) : nullptr; };
  };
  binders_.Number(resX_, [&l] { return &l.objects[kEdBackGround].width; });
  binders_.Number(resY_, [&l] { return &l.objects[kEdBackGround].height; });
  binders_.Number(transparent_, [&l] { return &l.settings.transparentColour; });
  binders_.Number(x_, placed(&EditorObject::left));
  binders_.Number(y_, placed(&EditorObject::top));
  binders_.Number(w_, placed(&EditorObject::width));
  binders_.Number(h_, placed(&EditorObject::height));
  binders_.Number(nbItems_, [&l] { return &l.settings.nbItems; });
  binders_.Number(alpha_, field(&EditorObject::alpha));
  binders_.Number(size_, field(&EditorObject::fontSize));
  binders_.Number(colour_, field(&EditorObject::fontColour));
  binders_.Custom([this] { Bound().fontFace = FaceOfField(Bound().fontFace); },
                  [this] { face_->setText(FromSettingText(Bound().fontFace)); });
  binders_.Check(visible_, field(&EditorObject::visible));
  BindListFlag(listeImages_, &LayoutWideSettings::listeImages);
  BindListFlag(listeIcons_, &LayoutWideSettings::listeIcons);
  BindStretch();
  binders_.Custom(
      [this] {
        for (int i = 0; i < 3; ++i)
          if (align_[i]->isChecked()) Bound().alignment = i;
      },
      [this] {
        for (int i = 0; i < 3; ++i) align_[i]->setChecked(Bound().alignment == i);
      });
  BindScrollSpeed(0, &EditorObject::scrollSpeedX);
  BindScrollSpeed(1, &EditorObject::scrollSpeedY);
  binders_.Number(selMin_, [&l] { return &l.settings.selectorMinAlpha; });
  binders_.Number(selMax_, [&l] { return &l.settings.selectorMaxAlpha; });
}

// The list's own boxes, shown for every object, committed by the list alone.
void LayoutPage::BindListFlag(QCheckBox* box, int LayoutWideSettings::*flag) {
  binders_.Custom(
      [this, box, flag] {
        if (bound_ == kEdList) editor_.layout.settings.*flag = box->isChecked() ? 1 : 0;
      },
      [this, box, flag] { box->setChecked(editor_.layout.settings.*flag != 0); });
}

// Two boxes for one fit mode: not stretched, stretched keeping proportions, stretched.
void LayoutPage::BindStretch() {
  binders_.Custom(
      [this] {
        if (!IsImageObject(bound_, editor_.layout)) return;
        Bound().stretch = 0;
        if (stretch_->isChecked()) Bound().stretch = proportional_->isChecked() ? 1 : 2;
      },
      [this] {
        if (!IsImageObject(bound_, editor_.layout)) return;
        const int stretch = Bound().stretch;
        stretch_->setChecked(stretch != 0);
        proportional_->setEnabled(stretch != 0);
        proportional_->setChecked(stretch == 1);
      });
}

// A speed shows as its size and a direction; the background has none to show.
void LayoutPage::BindScrollSpeed(int axis, float EditorObject::*speed) {
  binders_.Custom(
      [this, axis, speed] {
        const float v = float(std::abs(Number(speed_[axis])));
        if (direction_[axis][0]->isChecked()) Bound().*speed = v;
        else if (direction_[axis][1]->isChecked()) Bound().*speed = -v;
        else Bound().*speed = float(Number(speed_[axis]));
      },
      [this, axis, speed] {
        const float v = Bound().*speed;
        if (bound_ == kEdBackGround) speed_[axis]->clear();
        else SetNumber(speed_[axis], std::abs(TruncatedSpeed(v)));
        direction_[axis][0]->setChecked(!(v < 0));
        direction_[axis][1]->setChecked(v < 0);
      });
}

void LayoutPage::CommitFields(int index) {
  if (index < 0 || index >= kEditorObjectCount) return;
  bound_ = index;
  binders_.Apply();
}

void LayoutPage::ShowObject(int index) {
  if (index < 0 || index >= kEditorObjectCount) return;
  editor_.selected = bound_ = index;
  ShowGroups(index);
  binders_.ShowAll();
  UpdateHistoryButtons();
  UpdateStatus();
}

void LayoutPage::ShowGroups(int index) {
  const bool images = editor_.layout.settings.listeImages != 0;
  const bool imageGroup = IsImageObject(index, editor_.layout);
  imageGroup_->setVisible(imageGroup);
  stretch_->setVisible(imageGroup);
  proportional_->setVisible(imageGroup);
  listeImages_->setVisible(index == kEdList);
  listeIcons_->setVisible(index == kEdList && !images);
  fontGroup_->setVisible(HasFontGroup(index, images));
  for (QRadioButton* r : align_) r->setEnabled(index != kEdScrollText);
  nbLabel_->setVisible(index == kEdList && !images);
  nbItems_->setVisible(index == kEdList && !images);
  scrollGroup_->setVisible(IsEditorCustomObject(index));
  for (QLineEdit* e : {x_, y_, w_, h_}) e->setEnabled(index != kEdBackGround);
}

void LayoutPage::CheckField(QLineEdit* edit) {
  const EditorLayout& l = editor_.layout;
  const int sel = editor_.selected;
  const int v = Number(edit);
  const DesktopSize desktop = Desktop();
  struct Rule {
    QLineEdit* edit;
    int low, high;
    const char* message;
    int modelValue;
  };
  const EditorObject* o = sel >= 0 ? &l.objects[sel] : nullptr;
  const Rule rules[] = {
      {x_, 0, l.Width(), kWidthMessage, o ? o->left : 0},
      {w_, 0, l.Width(), kWidthMessage, o ? o->width : 0},
      {y_, 0, l.Height(), kHeightMessage, o ? o->top : 0},
      {h_, 0, l.Height(), kHeightMessage, o ? o->height : 0},
      {alpha_, 0, 255, kAlphaMessage, o ? o->alpha : 0},
      {selMin_, 0, 255, kAlphaMessage, l.settings.selectorMinAlpha},
      {selMax_, 0, 255, kAlphaMessage, l.settings.selectorMaxAlpha},
      {transparent_, 0, 0xFFFFFF, kColourMessage, l.settings.transparentColour},
      {colour_, 0, 0xFFFFFF, kColourMessage, o ? o->fontColour : 0},
      {resX_, 10, desktop.width, kResolutionMessage, l.Width()},
      {resY_, 10, desktop.height, kResolutionMessage, l.Height()},
  };
  for (const Rule& r : rules) {
    if (r.edit != edit) continue;
    // The background's position fields are empty and disabled: nothing to check.
    if (sel <= kEdBackGround && (edit == x_ || edit == y_ || edit == w_ || edit == h_)) return;
    if (v >= r.low && v <= r.high) return;
    ShowEditorMessage(editor_, QCoreApplication::translate("cfg::LayoutPage", r.message).toStdString());
    SetNumber(edit, r.modelValue);
    return;
  }
}

void LayoutPage::StepScrollSpeed(int axis, int delta) {
  int v = Number(speed_[axis]);
  if (delta > 0 && v < 10) ++v;
  else if (delta < 0 && v > 0) --v;
  else return;
  SetNumber(speed_[axis], v);
  if (editor_.selected < 0) return;
  EditorObject& o = editor_.layout.objects[editor_.selected];
  const float speed = direction_[axis][1]->isChecked() ? -float(v) : float(v);
  (axis == 0 ? o.scrollSpeedX : o.scrollSpeedY) = speed;
  ResetImageScroll(editor_);
  RecordEdit();
}

}  // namespace cfg
