// The group boxes of the layout page, one builder each, and the connections between its
// controls that do not go through the field binders.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>

#include "configurator/layouteditor/font_units.h"
#include "configurator/layouteditor/ui/layout_page.h"
#include "configurator/layouteditor/ui/preview_window.h"
#include "configurator/widgets/common_dialogs.h"
#include "configurator/widgets/setting_text.h"

namespace cfg {

void LayoutPage::BuildControls() {
  auto* grid = new QGridLayout(this);
  grid->addWidget(CreateObjectsBox(), 0, 0, 2, 1);
  grid->addWidget(CreateFontBox(), 0, 1);
  grid->addWidget(CreateImageBox(), 1, 1);
  grid->addWidget(CreateLayoutBox(), 2, 0, 1, 2);
  status_ = Named(new QLabel(this), 1202);
  grid->addWidget(status_, 3, 0, 1, 2);
  grid->setRowStretch(4, 1);
}

QGroupBox* LayoutPage::CreateObjectsBox() {
  auto* objectsBox = new QGroupBox(QCoreApplication::translate("cfg::LayoutPage", "Objets"), this);
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
  og->addWidget(new QLabel(QCoreApplication::translate("cfg::LayoutPage", "Largeur"), objectsBox), 2, 0);
  og->addWidget(w_, 2, 1);
  og->addWidget(new QLabel(QCoreApplication::translate("cfg::LayoutPage", "Hauteur"), objectsBox), 2, 2);
  og->addWidget(h_, 2, 3);
  og->addWidget(new QLabel(QCoreApplication::translate("cfg::LayoutPage", "Opacité"), objectsBox), 3, 0);
  og->addWidget(alpha_, 3, 1);
  visible_ = Named(new QCheckBox(QCoreApplication::translate("cfg::LayoutPage", "Visible"), objectsBox), 1010);
  og->addWidget(visible_, 3, 2, 1, 2);
  listeImages_ =
      Named(new QCheckBox(QCoreApplication::translate("cfg::LayoutPage", "Liste de marquees"), objectsBox), 1011);
  listeIcons_ =
      Named(new QCheckBox(QCoreApplication::translate("cfg::LayoutPage", "Afficher les icônes"), objectsBox), 10340);
  og->addWidget(listeImages_, 4, 0, 1, 2);
  og->addWidget(listeIcons_, 4, 2, 1, 2);
  nbLabel_ = Named(new QLabel(QCoreApplication::translate("cfg::LayoutPage", "Nb de lignes"), objectsBox), 1028);
  nbItems_ = Named(new QLineEdit(objectsBox), 1012);
  og->addWidget(nbLabel_, 5, 0);
  og->addWidget(nbItems_, 5, 1);
  auto* order = Named(new QPushButton(QCoreApplication::translate("cfg::LayoutPage", "&Ordre"), objectsBox), 1033);
  og->addWidget(order, 5, 2, 1, 2);
  connect(order, &QPushButton::clicked, this, [this] { OpenOrderDialog(); });
  return objectsBox;
}

QGroupBox* LayoutPage::CreateFontBox() {
  fontGroup_ = Named(new QGroupBox(QCoreApplication::translate("cfg::LayoutPage", "Police de caractères"), this), 1025);
  auto* fg = new QGridLayout(fontGroup_);
  face_ = Named(new QLineEdit(fontGroup_), 1016);
  face_->setReadOnly(true);
  auto* fontButton = Named(new QPushButton(QStringLiteral("..."), fontGroup_), 1017);
  size_ = Named(new QLineEdit(fontGroup_), 1018);
  colour_ = Named(new QLineEdit(fontGroup_), 1029);
  auto* colourButton = Named(new QPushButton(QStringLiteral("..."), fontGroup_), 1019);
  fg->addWidget(face_, 0, 0, 1, 3);
  fg->addWidget(fontButton, 0, 3);
  fg->addWidget(Named(new QLabel(QCoreApplication::translate("cfg::LayoutPage", "Taille"), fontGroup_), 1026), 1, 0);
  fg->addWidget(size_, 1, 1);
  const QString alignNames[] = {QCoreApplication::translate("cfg::LayoutPage", "Gauche"),
                                QCoreApplication::translate("cfg::LayoutPage", "Centre"),
                                QCoreApplication::translate("cfg::LayoutPage", "Droite")};
  for (int i = 0; i < 3; ++i) {
    align_[i] = Named(new QRadioButton(alignNames[i], fontGroup_), 1013 + i);
    align_[i]->setAutoExclusive(false);
    fg->addWidget(align_[i], 2, i);
  }
  fg->addWidget(Named(new QLabel(QCoreApplication::translate("cfg::LayoutPage", "Couleur texte"), fontGroup_), 1031), 3,
                0);
  fg->addWidget(colour_, 3, 1, 1, 2);
  fg->addWidget(colourButton, 3, 3);
  connect(fontButton, &QPushButton::clicked, this, [this] { ChooseFont(); });
  connect(colourButton, &QPushButton::clicked, this, [this] { ChooseColour(colour_); });
  return fontGroup_;
}

void LayoutPage::ChooseFont() {
  // The chooser asks in points; the field and the file hold the pixel height.
  std::string face = ToSettingText(face_->text());
  const double dpi = screen() ? screen()->logicalDotsPerInchY() : 0.0;
  const int pixels = Number(size_);
  const int offered = PixelsToPoints(pixels, dpi);
  int points = offered;
  if (!AskFont(this, face, points)) return;
  face_->setText(FromSettingText(face));
  SetNumber(size_, ChosenPixelHeight(pixels, offered, points, dpi));
}

void LayoutPage::ChooseColour(QLineEdit* field) {
  std::uint32_t colour = std::uint32_t(Number(field)) & 0xFFFFFF;
  if (AskColour(this, colour)) SetNumber(field, int(colour));
}

QGroupBox* LayoutPage::CreateImageBox() {
  imageGroup_ = Named(new QGroupBox(QCoreApplication::translate("cfg::LayoutPage", "Image"), this), 1039);
  auto* ig = new QGridLayout(imageGroup_);
  stretch_ = Named(new QCheckBox(QCoreApplication::translate("cfg::LayoutPage", "Étirer"), imageGroup_), 10370);
  proportional_ =
      Named(new QCheckBox(QCoreApplication::translate("cfg::LayoutPage", "Proportionnel"), imageGroup_), 1038);
  ig->addWidget(stretch_, 0, 0);
  ig->addWidget(proportional_, 0, 1);
  scrollGroup_ = new QWidget(imageGroup_);
  auto* sg = new QGridLayout(scrollGroup_);
  sg->setContentsMargins(0, 0, 0, 0);
  for (int axis = 0; axis < 2; ++axis) AddScrollAxis(sg, axis);
  ig->addWidget(scrollGroup_, 1, 0, 1, 2);
  return imageGroup_;
}

void LayoutPage::AddScrollAxis(QGridLayout* sg, int axis) {
  const int labelIds[2] = {10740, 10750}, speedIds[2] = {1009, 10350}, stepIds[2] = {1072, 1073};
  const int dirIds[2][2] = {{10360, 1041}, {10420, 10430}};
  const QString dirNames[2][2] = {
      {QCoreApplication::translate("cfg::LayoutPage", "Gauche"),
       QCoreApplication::translate("cfg::LayoutPage", "Droite")},
      {QCoreApplication::translate("cfg::LayoutPage", "Haut"), QCoreApplication::translate("cfg::LayoutPage", "Bas")}};
  const char* labels[2] = {"ScrollX", "ScrollY"};
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
    direction_[axis][d] = Named(new QRadioButton(dirNames[axis][d], scrollGroup_), dirIds[axis][d]);
    direction_[axis][d]->setAutoExclusive(false);
    sg->addWidget(direction_[axis][d], axis, 3 + d);
  }
}

QGroupBox* LayoutPage::CreateLayoutBox() {
  auto* layoutBox = new QGroupBox(QCoreApplication::translate("cfg::LayoutPage", "Layout"), this);
  auto* lg = new QGridLayout(layoutBox);
  templates_ = Named(new QComboBox(layoutBox), 1020);
  lg->addWidget(new QLabel(QCoreApplication::translate("cfg::LayoutPage", "Nom"), layoutBox), 0, 0);
  lg->addWidget(templates_, 0, 1, 1, 2);
  auto* newLayout = Named(new QPushButton(QCoreApplication::translate("cfg::LayoutPage", "Nouveau"), layoutBox), 1203);
  lg->addWidget(newLayout, 0, 3);
  connect(newLayout, &QPushButton::clicked, this, [this] { NewLayout(); });
  transparent_ = Named(new QLineEdit(layoutBox), 1022);
  auto* transparentButton = Named(new QPushButton(QStringLiteral("..."), layoutBox), 1021);
  lg->addWidget(new QLabel(QCoreApplication::translate("cfg::LayoutPage", "Couleur transparente"), layoutBox), 1, 0);
  lg->addWidget(transparent_, 1, 1, 1, 2);
  lg->addWidget(transparentButton, 1, 3);
  connect(transparentButton, &QPushButton::clicked, this, [this] { ChooseColour(transparent_); });
  resX_ = Named(new QLineEdit(layoutBox), 1023);
  resY_ = Named(new QLineEdit(layoutBox), 1024);
  lg->addWidget(new QLabel(QCoreApplication::translate("cfg::LayoutPage", "Résolution"), layoutBox), 2, 0);
  lg->addWidget(resX_, 2, 1);
  lg->addWidget(new QLabel(QStringLiteral("X"), layoutBox), 2, 2);
  lg->addWidget(resY_, 2, 3);
  selMin_ = Named(new QLineEdit(layoutBox), 1027);
  selMax_ = Named(new QLineEdit(layoutBox), 1030);
  lg->addWidget(new QLabel(QCoreApplication::translate("cfg::LayoutPage", "Opacité min. du sélecteur"), layoutBox), 3,
                0);
  lg->addWidget(selMin_, 3, 1);
  lg->addWidget(new QLabel(QCoreApplication::translate("cfg::LayoutPage", "Opacité max. du sélecteur"), layoutBox), 4,
                0);
  lg->addWidget(selMax_, 4, 1);
  auto* apply = Named(new QPushButton(QCoreApplication::translate("cfg::LayoutPage", "&Appliquer"), layoutBox), 1032);
  lg->addWidget(apply, 4, 2, 1, 2);
  connect(apply, &QPushButton::clicked, this, [this] { ApplyFields(); });
  AddHistoryButtons(lg, layoutBox);
  lg->addWidget(new QLabel(QCoreApplication::translate("cfg::LayoutPage", "Jeu de l'aperçu"), layoutBox), 6, 0);
  previewGame_ = Named(new QComboBox(layoutBox), 1204);
  previewGame_->addItem(QCoreApplication::translate("cfg::LayoutPage", kSampleGameItem));
  lg->addWidget(previewGame_, 6, 1, 1, 3);
  connect(previewGame_, &QComboBox::activated, this, [this](int row) { ChoosePreviewGame(row); });
  return layoutBox;
}

void LayoutPage::AddHistoryButtons(QGridLayout* lg, QGroupBox* layoutBox) {
  undo_ = Named(new QPushButton(QCoreApplication::translate("cfg::LayoutPage", "Annuler"), layoutBox), 1200);
  redo_ = Named(new QPushButton(QCoreApplication::translate("cfg::LayoutPage", "Rétablir"), layoutBox), 1201);
  lg->addWidget(undo_, 5, 2);
  lg->addWidget(redo_, 5, 3);
  // The keys work in the page and in the preview alike.
  auto* undoKeys = new QAction(QCoreApplication::translate("cfg::LayoutPage", "Annuler"), this);
  undoKeys->setShortcut(QKeySequence::Undo);
  auto* redoKeys = new QAction(QCoreApplication::translate("cfg::LayoutPage", "Rétablir"), this);
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

}  // namespace cfg
