#include "configurator/layouteditor/ui/layout_page.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolButton>
#include <QWindow>

#include <cmath>
#include <cstdlib>

#include "configurator/layouteditor/font_units.h"
#include "configurator/layouteditor/layout_import.h"
#include "configurator/layouteditor/load_template.h"
#include "configurator/layouteditor/save_layout.h"
#include "configurator/layouteditor/ui/order_dialog.h"
#include "configurator/layouteditor/ui/preview_window.h"
#include "configurator/pagemodel/installation.h"
#include "configurator/widgets/common_dialogs.h"
#include "configurator/widgets/setting_text.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

using catalogue::GameList;

namespace cfg {
namespace {

constexpr char kSaveFilter[] = "Fichiers config (*.cfg *.CFG);;Tous les fichiers (*)";
constexpr char kSaveTitle[] = "Enregistrement d'une configuration de layout";
constexpr int kImportAtomicFe = 40006;
constexpr int kImportMamewah = 40007;

constexpr char kWidthMessage[] =
    "Valeur incorrecte ! (Ne peut être négative ou supérieure à la largeur du layout)";
constexpr char kHeightMessage[] =
    "Valeur incorrecte ! (Ne peut être négative ou supérieure à la hauteur du layout)";
constexpr char kAlphaMessage[] = "Valeur incorrecte ! (0 Transparent -> 255 opaque)";
constexpr char kColourMessage[] = "Valeur incorrecte !";
constexpr char kSampleGameItem[] = "(Exemple)";
constexpr char kResolutionMessage[] = "Valeur incorrecte ! (Ne peut être > à la résolution actuelle)";

bool IsImageObject(int index, const EditorLayout& layout) {
  return index == kEdSnap || index == kEdMarquee || IsEditorCustomObject(index) ||
         (index == kEdList && layout.settings.listeImages != 0);
}

bool HasFontGroup(int index, bool listeImages) {
  return (index >= kEdInfo && index <= kEdScrollText) || (index == kEdList && !listeImages);
}

}  // namespace

LayoutPage::LayoutPage(const std::string& base, std::function<std::string()> emusPath, QWidget* parent)
    : Page(parent), base_(base), emusPath_(std::move(emusPath)) {
  editor_.installDirectory = base_;
  preview_ = std::make_unique<PreviewWindow>(editor_);
  preview_->setAttribute(Qt::WA_QuitOnClose, false);
  preview_->SetOwner(this);
  editor_.hooks.rebuildPreview = [this] { preview_->Rebuild(); };
  editor_.hooks.resetAnimationTimers = [this] { preview_->ResetClocks(); };
  editor_.hooks.resetImageScroll = [this] { preview_->ResetPictureScroll(); };
  preview_->objectPicked = [this](int index) {
    {
      const QSignalBlocker block(objects_);
      objects_->setCurrentIndex(index);
    }
    SelectObject(index);
    preview_->DrawNow();  // the new frame can be grabbed at once
  };
  preview_->frameMoved = [this] {
    const EditorObject& o = editor_.layout.objects[editor_.selected];
    SetNumber(x_, o.left);
    SetNumber(y_, o.top);
    SetNumber(w_, o.width);
    SetNumber(h_, o.height);
    UpdateStatus();
  };
  preview_->pointerMoved = [this](int x, int y) {
    pointerX_ = x;
    pointerY_ = y;
    UpdateStatus();
  };
  preview_->closeRequested = [this] { window()->close(); };
  preview_->editFinished = [this] { RecordEdit(); };

  BuildControls();
  for (int i = 0; i < kEditorObjectCount; ++i)
    objects_->addItem(FromSettingText(EditorListName(i)));
  for (const std::string& name : TemplateNames(base_)) templates_->addItem(FromSettingText(name));
  {
    const QSignalBlocker block(templates_);
    templates_->setCurrentIndex(-1);
  }
  ConnectControls();
  objects_->setCurrentIndex(0);
  LoadTemplate(editor_, "", Desktop());
  ShowObject(0);
}

LayoutPage::~LayoutPage() {
  editor_.hooks = {};
  KeepAbovePreview(false);
}

void LayoutPage::KeepAbovePreview(bool above) {
  QWindow* page = window()->windowHandle();
  if (!page || page == preview_->windowHandle()) return;
  page->setTransientParent(above ? preview_->windowHandle() : nullptr);
}

void LayoutPage::BuildControls() {
  auto* grid = new QGridLayout(this);

  auto* objectsBox = new QGroupBox(QStringLiteral("Objets"), this);
  auto* og = new QGridLayout(objectsBox);
  objects_ = Named(new QComboBox(objectsBox), 1003);
  og->addWidget(objects_, 0, 0, 1, 4);
  x_ = Named(new QLineEdit(objectsBox), 1004);
  y_ = Named(new QLineEdit(objectsBox), 1005);
  w_ = Named(new QLineEdit(objectsBox), 1006);
  h_ = Named(new QLineEdit(objectsBox), 1007);
  alpha_ = Named(new QLineEdit(objectsBox), 1008);
  og->addWidget(new QLabel(QStringLiteral("X"), objectsBox), 1, 0);
  og->addWidget(x_, 1, 1);
  og->addWidget(new QLabel(QStringLiteral("Y"), objectsBox), 1, 2);
  og->addWidget(y_, 1, 3);
  og->addWidget(new QLabel(QStringLiteral("Largeur"), objectsBox), 2, 0);
  og->addWidget(w_, 2, 1);
  og->addWidget(new QLabel(QStringLiteral("Hauteur"), objectsBox), 2, 2);
  og->addWidget(h_, 2, 3);
  og->addWidget(new QLabel(QStringLiteral("Opacité"), objectsBox), 3, 0);
  og->addWidget(alpha_, 3, 1);
  visible_ = Named(new QCheckBox(QStringLiteral("Visible"), objectsBox), 1010);
  og->addWidget(visible_, 3, 2, 1, 2);
  listeImages_ = Named(new QCheckBox(QStringLiteral("Liste Marquee"), objectsBox), 1011);
  listeIcons_ = Named(new QCheckBox(QStringLiteral("Afficher Icons"), objectsBox), 10340);
  og->addWidget(listeImages_, 4, 0, 1, 2);
  og->addWidget(listeIcons_, 4, 2, 1, 2);
  nbLabel_ = Named(new QLabel(QStringLiteral("Nb lignes"), objectsBox), 1028);
  nbItems_ = Named(new QLineEdit(objectsBox), 1012);
  og->addWidget(nbLabel_, 5, 0);
  og->addWidget(nbItems_, 5, 1);
  auto* order = Named(new QPushButton(QStringLiteral("&Ordre"), objectsBox), 1033);
  og->addWidget(order, 5, 2, 1, 2);
  connect(order, &QPushButton::clicked, this, [this] { OpenOrderDialog(); });
  grid->addWidget(objectsBox, 0, 0, 2, 1);

  fontGroup_ = Named(new QGroupBox(QStringLiteral("Police de caractères"), this), 1025);
  auto* fg = new QGridLayout(fontGroup_);
  face_ = Named(new QLineEdit(fontGroup_), 1016);
  face_->setReadOnly(true);
  auto* fontButton = Named(new QPushButton(QStringLiteral("..."), fontGroup_), 1017);
  size_ = Named(new QLineEdit(fontGroup_), 1018);
  colour_ = Named(new QLineEdit(fontGroup_), 1029);
  auto* colourButton = Named(new QPushButton(QStringLiteral("..."), fontGroup_), 1019);
  fg->addWidget(face_, 0, 0, 1, 3);
  fg->addWidget(fontButton, 0, 3);
  fg->addWidget(Named(new QLabel(QStringLiteral("Taille"), fontGroup_), 1026), 1, 0);
  fg->addWidget(size_, 1, 1);
  const char* alignNames[] = {"Gauche", "Centre", "Droite"};
  for (int i = 0; i < 3; ++i) {
    align_[i] = Named(new QRadioButton(QString::fromUtf8(alignNames[i]), fontGroup_), 1013 + i);
    align_[i]->setAutoExclusive(false);
    fg->addWidget(align_[i], 2, i);
  }
  fg->addWidget(Named(new QLabel(QStringLiteral("Couleur texte"), fontGroup_), 1031), 3, 0);
  fg->addWidget(colour_, 3, 1, 1, 2);
  fg->addWidget(colourButton, 3, 3);
  grid->addWidget(fontGroup_, 0, 1);
  connect(fontButton, &QPushButton::clicked, this, [this] {
    // The chooser asks in points; the field and the file hold the pixel height.
    std::string face = ToSettingText(face_->text());
    const double dpi = screen() ? screen()->logicalDotsPerInchY() : 0.0;
    const int pixels = Number(size_);
    const int offered = PixelsToPoints(pixels, dpi);
    int points = offered;
    if (!AskFont(this, face, points)) return;
    face_->setText(FromSettingText(face));
    SetNumber(size_, ChosenPixelHeight(pixels, offered, points, dpi));
  });
  auto chooseColour = [this](QLineEdit* field) {
    std::uint32_t colour = std::uint32_t(Number(field)) & 0xFFFFFF;
    if (AskColour(this, colour)) SetNumber(field, int(colour));
  };
  connect(colourButton, &QPushButton::clicked, this, [this, chooseColour] { chooseColour(colour_); });

  imageGroup_ = Named(new QGroupBox(QStringLiteral("Image"), this), 1039);
  auto* ig = new QGridLayout(imageGroup_);
  stretch_ = Named(new QCheckBox(QStringLiteral("Etirer"), imageGroup_), 10370);
  proportional_ = Named(new QCheckBox(QStringLiteral("Proportionnel"), imageGroup_), 1038);
  ig->addWidget(stretch_, 0, 0);
  ig->addWidget(proportional_, 0, 1);
  scrollGroup_ = new QWidget(imageGroup_);
  auto* sg = new QGridLayout(scrollGroup_);
  sg->setContentsMargins(0, 0, 0, 0);
  const int labelIds[2] = {10740, 10750}, speedIds[2] = {1009, 10350}, stepIds[2] = {1072, 1073};
  const int dirIds[2][2] = {{10360, 1041}, {10420, 10430}};
  const char* dirNames[2][2] = {{"Gauche", "Droite"}, {"Haut", "Bas"}};
  const char* labels[2] = {"ScrollX", "ScrollY"};
  for (int axis = 0; axis < 2; ++axis) {
    sg->addWidget(Named(new QLabel(QString::fromUtf8(labels[axis]), scrollGroup_), labelIds[axis]), axis, 0);
    speed_[axis] = Named(new QLineEdit(scrollGroup_), speedIds[axis]);
    speed_[axis]->setReadOnly(true);
    sg->addWidget(speed_[axis], axis, 1);
    auto* steps = Named(new QWidget(scrollGroup_), stepIds[axis]);
    auto* sl = new QHBoxLayout(steps);
    sl->setContentsMargins(0, 0, 0, 0);
    auto* up = new QToolButton(steps);
    up->setObjectName("up");
    up->setArrowType(Qt::UpArrow);
    auto* down = new QToolButton(steps);
    down->setObjectName("down");
    down->setArrowType(Qt::DownArrow);
    sl->addWidget(up);
    sl->addWidget(down);
    connect(up, &QToolButton::clicked, this, [this, axis] { StepScrollSpeed(axis, +1); });
    connect(down, &QToolButton::clicked, this, [this, axis] { StepScrollSpeed(axis, -1); });
    sg->addWidget(steps, axis, 2);
    for (int d = 0; d < 2; ++d) {
      direction_[axis][d] = Named(new QRadioButton(QString::fromUtf8(dirNames[axis][d]), scrollGroup_), dirIds[axis][d]);
      direction_[axis][d]->setAutoExclusive(false);
      sg->addWidget(direction_[axis][d], axis, 3 + d);
    }
  }
  ig->addWidget(scrollGroup_, 1, 0, 1, 2);
  grid->addWidget(imageGroup_, 1, 1);

  auto* layoutBox = new QGroupBox(QStringLiteral("Layout"), this);
  auto* lg = new QGridLayout(layoutBox);
  templates_ = Named(new QComboBox(layoutBox), 1020);
  lg->addWidget(new QLabel(QStringLiteral("Nom"), layoutBox), 0, 0);
  lg->addWidget(templates_, 0, 1, 1, 2);
  auto* newLayout = Named(new QPushButton(QStringLiteral("Nouveau"), layoutBox), 1203);
  lg->addWidget(newLayout, 0, 3);
  connect(newLayout, &QPushButton::clicked, this, [this] { NewLayout(); });
  transparent_ = Named(new QLineEdit(layoutBox), 1022);
  auto* transparentButton = Named(new QPushButton(QStringLiteral("..."), layoutBox), 1021);
  lg->addWidget(new QLabel(QStringLiteral("Couleur transparente"), layoutBox), 1, 0);
  lg->addWidget(transparent_, 1, 1, 1, 2);
  lg->addWidget(transparentButton, 1, 3);
  connect(transparentButton, &QPushButton::clicked, this, [this, chooseColour] { chooseColour(transparent_); });
  resX_ = Named(new QLineEdit(layoutBox), 1023);
  resY_ = Named(new QLineEdit(layoutBox), 1024);
  lg->addWidget(new QLabel(QStringLiteral("Résolution"), layoutBox), 2, 0);
  lg->addWidget(resX_, 2, 1);
  lg->addWidget(new QLabel(QStringLiteral("X"), layoutBox), 2, 2);
  lg->addWidget(resY_, 2, 3);
  selMin_ = Named(new QLineEdit(layoutBox), 1027);
  selMax_ = Named(new QLineEdit(layoutBox), 1030);
  lg->addWidget(new QLabel(QStringLiteral("Selecteur opacité min."), layoutBox), 3, 0);
  lg->addWidget(selMin_, 3, 1);
  lg->addWidget(new QLabel(QStringLiteral("Selecteur opacité max."), layoutBox), 4, 0);
  lg->addWidget(selMax_, 4, 1);
  auto* apply = Named(new QPushButton(QStringLiteral("&Appliquer"), layoutBox), 1032);
  lg->addWidget(apply, 4, 2, 1, 2);
  connect(apply, &QPushButton::clicked, this, [this] { ApplyFields(); });
  undo_ = Named(new QPushButton(QStringLiteral("Annuler"), layoutBox), 1200);
  redo_ = Named(new QPushButton(QStringLiteral("Rétablir"), layoutBox), 1201);
  lg->addWidget(undo_, 5, 2);
  lg->addWidget(redo_, 5, 3);
  // The keys work in the page and in the preview alike.
  auto* undoKeys = new QAction(QStringLiteral("Annuler"), this);
  undoKeys->setShortcut(QKeySequence::Undo);
  auto* redoKeys = new QAction(QStringLiteral("Rétablir"), this);
  redoKeys->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  for (QAction* a : {undoKeys, redoKeys}) {
    a->setShortcutContext(Qt::WindowShortcut);
    addAction(a);
    preview_->addAction(a);
  }
  connect(undoKeys, &QAction::triggered, this, [this] { Undo(); });
  connect(redoKeys, &QAction::triggered, this, [this] { Redo(); });
  connect(undo_, &QPushButton::clicked, this, [this] { Undo(); });
  connect(redo_, &QPushButton::clicked, this, [this] { Redo(); });
  lg->addWidget(new QLabel(QStringLiteral("Jeu de l'aperçu"), layoutBox), 6, 0);
  previewGame_ = Named(new QComboBox(layoutBox), 1204);
  previewGame_->addItem(QString::fromUtf8(kSampleGameItem));
  lg->addWidget(previewGame_, 6, 1, 1, 3);
  connect(previewGame_, &QComboBox::activated, this, [this](int row) { ChoosePreviewGame(row); });
  grid->addWidget(layoutBox, 2, 0, 1, 2);
  status_ = Named(new QLabel(this), 1202);
  grid->addWidget(status_, 3, 0, 1, 2);
  grid->setRowStretch(4, 1);
}

void LayoutPage::ConnectControls() {
  connect(objects_, &QComboBox::activated, this, [this](int row) { SelectObject(row); });
  connect(templates_, &QComboBox::activated, this, [this](int row) { ChooseTemplate(row); });
  // The radio sets are kept exclusive here, as their handlers always did.
  auto exclusive = [this](QRadioButton* const* set, int count) {
    for (int i = 0; i < count; ++i)
      connect(set[i], &QRadioButton::clicked, this, [set, count, i] {
        for (int j = 0; j < count; ++j) set[j]->setChecked(j == i);
      });
  };
  exclusive(align_, 3);
  exclusive(direction_[0], 2);
  exclusive(direction_[1], 2);
  connect(listeImages_, &QCheckBox::clicked, this, [this](bool on) {
    imageGroup_->setVisible(on);
    stretch_->setVisible(on);
    proportional_->setVisible(on);
    listeIcons_->setVisible(!on);
    fontGroup_->setVisible(!on);
  });
  connect(stretch_, &QCheckBox::clicked, this, [this](bool on) { proportional_->setEnabled(on); });
  for (QLineEdit* edit : {x_, y_, w_, h_, alpha_, selMin_, selMax_, transparent_, colour_, resX_, resY_})
    connect(edit, &QLineEdit::editingFinished, this, [this, edit] { CheckField(edit); });
}

DesktopSize LayoutPage::Desktop() const {
  if (desktop_) return desktop_();
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  return {screen->geometry().width(), screen->geometry().height()};
}

int LayoutPage::Number(const QLineEdit* edit) const { return platform::ParseInt(ToSettingText(edit->text().left(19))); }

void LayoutPage::SetNumber(QLineEdit* edit, int value) { edit->setText(QString::number(value)); }

std::string LayoutPage::FaceOfField(const std::string& face) const {
  // A face the owner did not touch keeps its bytes (a Windows-1252 one is shown converted).
  if (face_->text() == FromSettingText(face)) return face;
  return platform::CutToField(ToSettingText(face_->text()), kEditorFaceField);
}

void LayoutPage::CommitFields(int index) {
  if (index < 0 || index >= kEditorObjectCount) return;
  EditorLayout& l = editor_.layout;
  EditorObject& o = l.objects[index];
  l.objects[kEdBackGround].width = Number(resX_);
  l.objects[kEdBackGround].height = Number(resY_);
  l.settings.transparentColour = Number(transparent_);
  if (index > 0) {
    o.left = Number(x_);
    o.top = Number(y_);
    o.width = Number(w_);
    o.height = Number(h_);
  }
  l.settings.nbItems = Number(nbItems_);
  o.alpha = Number(alpha_);
  o.fontSize = Number(size_);
  o.fontColour = Number(colour_);
  o.fontFace = FaceOfField(o.fontFace);
  o.visible = visible_->isChecked() ? 1 : 0;
  if (index == kEdList) {
    l.settings.listeImages = listeImages_->isChecked() ? 1 : 0;
    l.settings.listeIcons = listeIcons_->isChecked() ? 1 : 0;
  }
  if (IsImageObject(index, l)) {
    o.stretch = 0;
    if (stretch_->isChecked()) o.stretch = proportional_->isChecked() ? 1 : 2;
  }
  for (int i = 0; i < 3; ++i)
    if (align_[i]->isChecked()) o.alignment = i;
  float* speeds[2] = {&o.scrollSpeedX, &o.scrollSpeedY};
  for (int axis = 0; axis < 2; ++axis) {
    const float v = float(std::abs(Number(speed_[axis])));
    if (direction_[axis][0]->isChecked()) *speeds[axis] = v;
    else if (direction_[axis][1]->isChecked()) *speeds[axis] = -v;
    else *speeds[axis] = float(Number(speed_[axis]));
  }
  l.settings.selectorMinAlpha = Number(selMin_);
  l.settings.selectorMaxAlpha = Number(selMax_);
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

void LayoutPage::ShowObject(int index) {
  if (index < 0 || index >= kEditorObjectCount) return;
  editor_.selected = index;
  const EditorLayout& l = editor_.layout;
  const EditorObject& o = l.objects[index];
  ShowGroups(index);
  if (IsImageObject(index, l)) {
    stretch_->setChecked(o.stretch != 0);
    proportional_->setEnabled(o.stretch != 0);
    proportional_->setChecked(o.stretch == 1);
  }
  SetNumber(resX_, l.Width());
  SetNumber(resY_, l.Height());
  SetNumber(transparent_, l.settings.transparentColour);
  if (index == kEdBackGround) {
    for (QLineEdit* e : {x_, y_, w_, h_, speed_[0], speed_[1]}) e->clear();
  } else {
    SetNumber(speed_[0], std::abs(TruncatedSpeed(o.scrollSpeedX)));
    SetNumber(speed_[1], std::abs(TruncatedSpeed(o.scrollSpeedY)));
    SetNumber(x_, o.left);
    SetNumber(y_, o.top);
    SetNumber(w_, o.width);
    SetNumber(h_, o.height);
  }
  SetNumber(nbItems_, l.settings.nbItems);
  SetNumber(alpha_, o.alpha);
  SetNumber(size_, o.fontSize);
  SetNumber(colour_, o.fontColour);
  face_->setText(FromSettingText(o.fontFace));
  visible_->setChecked(o.visible != 0);
  listeImages_->setChecked(l.settings.listeImages != 0);
  listeIcons_->setChecked(l.settings.listeIcons != 0);
  for (int i = 0; i < 3; ++i) align_[i]->setChecked(o.alignment == i);
  direction_[0][0]->setChecked(!(o.scrollSpeedX < 0));
  direction_[0][1]->setChecked(o.scrollSpeedX < 0);
  direction_[1][0]->setChecked(!(o.scrollSpeedY < 0));
  direction_[1][1]->setChecked(o.scrollSpeedY < 0);
  SetNumber(selMin_, l.settings.selectorMinAlpha);
  SetNumber(selMax_, l.settings.selectorMaxAlpha);
  UpdateHistoryButtons();
  UpdateStatus();
}

void LayoutPage::UpdateStatus() {
  QString text;
  if (pointerX_ >= 0) text = QStringLiteral("Pointeur : %1, %2").arg(pointerX_).arg(pointerY_);
  const int sel = editor_.selected;
  if (sel > kEdBackGround && sel < kEditorObjectCount) {
    const EditorObject& o = editor_.layout.objects[sel];
    if (!text.isEmpty()) text += QStringLiteral("    ");
    text += QStringLiteral("%1 : %2, %3  %4 x %5")
                .arg(FromSettingText(EditorListName(sel)))
                .arg(o.left)
                .arg(o.top)
                .arg(o.width)
                .arg(o.height);
  }
  status_->setText(text);
}

void LayoutPage::ApplyFields() {
  EditorLayout& l = editor_.layout;
  const int rx = Number(resX_), ry = Number(resY_);
  if (rx != l.Width() || ry != l.Height()) {
    l.objects[kEdBackGround].width = rx;
    l.objects[kEdBackGround].height = ry;
    preview_->Rebuild(false);
  }
  const int sel = editor_.selected;
  bool fontChanged = false, scrollWidthChanged = false;
  if (sel >= 0) {
    const EditorObject& o = l.objects[sel];
    // The whole face is compared and used, so a long face is not seen as changed forever.
    fontChanged = o.fontSize != Number(size_) || !platform::EqualsNoCase(o.fontFace, FaceOfField(o.fontFace));
    scrollWidthChanged = !fontChanged && sel == kEdScrollText && Number(w_) != o.width;
    CommitFields(sel);
    // The preview makes a changed font again itself when it follows the commit.
    if (scrollWidthChanged) preview_->LayOutScrollText();
  }
  preview_->RequestRedraw();
  RecordEdit();
}

void LayoutPage::RecordEdit() {
  editor_.history.Record(editor_.layout);
  UpdateHistoryButtons();
}

void LayoutPage::UpdateHistoryButtons() {
  undo_->setEnabled(editor_.history.CanUndo());
  redo_->setEnabled(editor_.history.CanRedo());
}

void LayoutPage::Undo() { StepHistory(false); }

void LayoutPage::Redo() { StepHistory(true); }

void LayoutPage::StepHistory(bool redo) {
  EditorLayout& l = editor_.layout;
  if (editor_.selected >= 0) CommitFields(editor_.selected);
  const LayoutState before = StateOf(l);
  const bool stepped = redo ? editor_.history.Redo(l) : editor_.history.Undo(l);
  UpdateHistoryButtons();
  if (!stepped) return;
  ShowObject(editor_.selected);
  if (before.objects[kEdBackGround].width != l.Width() || before.objects[kEdBackGround].height != l.Height())
    preview_->Rebuild(false);
  for (int i = kEdCustom1; i <= kEdCustom6; ++i) {
    const EditorObject &was = before.objects[std::size_t(i)], &now = l.objects[std::size_t(i)];
    if (was.scrollSpeedX != now.scrollSpeedX || was.scrollSpeedY != now.scrollSpeedY) {
      preview_->ResetPictureScroll();
      break;
    }
  }
  preview_->LayOutScrollText();
  preview_->RequestRedraw();
}

void LayoutPage::SelectObject(int index) {
  if (editor_.selected >= 0) CommitFields(editor_.selected);
  if (index >= 0 && index < kEditorObjectCount) ShowObject(index);
  ApplyFields();
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
    ShowEditorMessage(editor_, r.message);
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

bool LayoutPage::IsModified() const {
  auto* self = const_cast<LayoutPage*>(this);
  if (editor_.selected >= 0) self->CommitFields(editor_.selected);
  return cfg::IsModified(editor_.layout);
}

bool LayoutPage::SaveTo(const std::string& path) {
  // The pending fields go into the file, and the preview shows what was saved.
  if (editor_.selected >= 0) CommitFields(editor_.selected);
  preview_->RequestRedraw();
  if (SaveLayout(editor_, path) != 1) return false;
  RefreshTemplates();
  return true;
}

void LayoutPage::RefreshTemplates() {
  const std::string saved = platform::ResolvePath(editor_.currentFilePath);
  const QSignalBlocker block(templates_);
  templates_->clear();
  int row = -1;
  for (const std::string& name : TemplateNames(base_)) {
    if (TemplateLayoutPath(base_, name) == saved) {
      row = templates_->count();
      editor_.templateName = name;
    }
    templates_->addItem(FromSettingText(name));
  }
  editor_.templateListIndex = row;
  templates_->setCurrentIndex(row);
}

bool LayoutPage::NewLayout() {
  ApplyFields();
  if (!SaveQuestionForChange()) return false;
  LoadTemplate(editor_, "", Desktop());
  editor_.templateListIndex = -1;
  RestoreTemplateRow();
  objects_->setCurrentIndex(0);
  ShowObject(0);
  preview_->RequestRedraw();
  return true;
}

bool LayoutPage::Save() {
  std::string path = editor_.currentFilePath;
  if (path.empty() && !AskSaveFile(this, base_, path, kSaveFilter, kSaveTitle)) return false;
  return SaveTo(path);
}

void LayoutPage::SaveAs() {
  std::string path = editor_.currentFilePath;
  if (AskSaveFile(this, base_, path, kSaveFilter, kSaveTitle)) SaveTo(path);
}

platform::Answer LayoutPage::ConfirmSave(bool askQuit) {
  using platform::Answer;
  if (editor_.selected >= 0) CommitFields(editor_.selected);
  if (cfg::IsModified(editor_.layout)) {
    const Answer a = platform::AskQuestion("Enregistrer les modifications ?", kCaption,
                                           platform::QuestionButtons::kYesNoCancel);
    // A save that fails or a file dialog that is cancelled keeps the edits.
    if (a == Answer::kYes && !Save()) return Answer::kCancel;
    return a;
  }
  if (askQuit)
    return platform::AskQuestion("Quitter l'application ?", kCaption, platform::QuestionButtons::kOkCancel);
  return Answer::kOk;
}

bool LayoutPage::SaveQuestionForChange() { return ConfirmSave(false) != platform::Answer::kCancel; }

void LayoutPage::RestoreTemplateRow() {
  const QSignalBlocker block(templates_);
  templates_->setCurrentIndex(editor_.templateListIndex);
}

void LayoutPage::KeepLoadedTemplate() {
  RestoreTemplateRow();
  editor_.templateName =
      editor_.templateListIndex >= 0 ? ToSettingText(templates_->itemText(editor_.templateListIndex)) : std::string();
  ApplyFields();
}

bool LayoutPage::ChooseTemplate(int row) {
  ApplyFields();
  if (!SaveQuestionForChange()) {
    RestoreTemplateRow();
    return false;
  }
  if (row == editor_.templateListIndex) return true;
  const std::string name = ToSettingText(templates_->itemText(row));
  if (LoadTemplate(editor_, name, Desktop())) {
    objects_->setCurrentIndex(0);
    ShowObject(0);
    editor_.templateListIndex = row;
    {
      const QSignalBlocker block(templates_);
      templates_->setCurrentIndex(row);
    }
    preview_->RequestRedraw();
    return true;
  }
  KeepLoadedTemplate();
  return false;
}

bool LayoutPage::ChooseTemplateNamed(const std::string& name) {
  const int row = templates_->findText(FromSettingText(name), Qt::MatchFixedString);
  return row >= 0 && ChooseTemplate(row);
}

void LayoutPage::Import(int commandId) {
  std::string path;
  bool chosen = false;
  if (commandId == kImportAtomicFe) {
    path = platform::JoinPath(base_, "layout.cfg");
    chosen = AskOpenFile(this, base_, path, "Fichiers config (*.cfg *.CFG);;Tous les fichiers (*)",
                         "Fichier de layout AtomicFe");
  } else if (commandId == kImportMamewah) {
    path = platform::JoinPath(base_, "layout.lay");
    chosen = AskOpenFile(this, base_, path, "Fichiers layout (*.lay *.LAY);;Tous les fichiers (*)",
                         "Fichier de layout MAMEWAH");
  }
  if (chosen) ImportFile(commandId, path);
}

bool LayoutPage::ImportFile(int commandId, const std::string& path) {
  ApplyFields();
  if (!SaveQuestionForChange()) {
    RestoreTemplateRow();
    return false;
  }
  const int ok = commandId == kImportAtomicFe ? ImportAtomicFeLayout(editor_, path, Desktop())
                                              : ImportMamewahLayout(editor_, path, Desktop());
  if (ok) {
    objects_->setCurrentIndex(0);
    ShowObject(0);
    ApplyFields();
    return true;
  }
  KeepLoadedTemplate();
  return false;
}

void LayoutPage::OpenOrderDialog() {
  OrderDialog dialog(editor_.layout, this);
  dialog.exec();
  ApplyFields();
}

void LayoutPage::Shown() {
  std::string text;
  const std::string emus = emusPath_ ? emusPath_() : std::string();
  if (!emus.empty()) {
    const std::string file = platform::JoinPath(std::string(platform::DirectoryPart(emus)), "ScrollTexte.txt");
    if (auto content = platform::ReadWholeFile(platform::ResolvePath(file), 10000)) text = *content;
  }
  ReadPreviewGames();
  preview_->ResetClocks();
  preview_->SetScrollText(text);
  preview_->SizeToLayout();  // the page's window may have moved to another screen
  preview_->show();
  KeepAbovePreview(true);
  preview_->SetActive(true);
  preview_->RequestRedraw();
  // Minimising the window takes the preview with it.
  window()->removeEventFilter(this);
  window()->installEventFilter(this);
}

void LayoutPage::ReadPreviewGames() {
  const int row = previewGame_->currentIndex();
  const std::string kept = games_ && row > 0 && row <= games_->list.entryCount
                               ? games_->list.AtPosition(row - 1).romName
                               : std::string();
  preview_->ShowGame(nullptr, 0);
  games_ = std::make_unique<PreviewGames>(LoadPreviewGames(base_, emusPath_ ? emusPath_() : std::string()));
  const GameList& list = games_->list;
  QStringList names{QString::fromUtf8(kSampleGameItem)};
  names.reserve(list.entryCount + 1);
  int chosen = 0;
  for (int p = 0; p < list.entryCount; ++p) {
    names.push_back(FromSettingText(list.AtPosition(p).fullName));
    if (chosen == 0 && !kept.empty() && list.AtPosition(p).romName == kept) chosen = p + 1;
  }
  {
    const QSignalBlocker block(previewGame_);
    previewGame_->clear();
    previewGame_->addItems(names);
  }
  ChoosePreviewGame(chosen);
}

bool LayoutPage::ChoosePreviewGame(int row) {
  if (row < 0 || row >= previewGame_->count()) return false;
  {
    const QSignalBlocker block(previewGame_);
    previewGame_->setCurrentIndex(row);
  }
  preview_->ShowGame(row > 0 ? games_.get() : nullptr, row - 1);
  return true;
}

bool LayoutPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window() && event->type() == QEvent::WindowStateChange && isVisible()) {
    if (window()->isMinimized()) {
      preview_->SetActive(false);
      preview_->showMinimized();
    } else {
      // The page's hide stopped the preview; coming back makes it live again.
      preview_->showNormal();
      KeepAbovePreview(true);
      preview_->SetActive(true);
      preview_->RequestRedraw();
    }
  }
  return Page::eventFilter(watched, event);
}

void LayoutPage::hideEvent(QHideEvent* event) {
  preview_->SetActive(false);
  KeepAbovePreview(false);
  preview_->hide();
  Page::hideEvent(event);
}

}  // namespace cfg
