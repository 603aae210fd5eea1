// "Editeur layout": the editor's layout shown one object at a time in fields, committed into
// the model, with the template list, the order dialog, saving, importing and the save
// questions; the preview window follows every commit.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "configurator/layouteditor/editor_session.h"
#include "configurator/layouteditor/preview_games.h"
#include "configurator/widgets/binders.h"
#include "configurator/widgets/page.h"
#include "platform/message_box.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace cfg {

class PreviewWindow;

// The first row of "Jeu de l'aperçu": the sample the preview shows without a game.
inline constexpr const char* kSampleGameItem = QT_TRANSLATE_NOOP("cfg::LayoutPage", "(Exemple)");

class LayoutPage : public Page {
  Q_OBJECT

 public:
  // `emusPath` gives the configuration file last opened or saved on the Emus page (the
  // preview shows the ScrollTexte.txt beside it).
  LayoutPage(const std::string& base, std::function<std::string()> emusPath, QWidget* parent = nullptr);
  ~LayoutPage() override;

  bool IsModified() const override;
  bool Save() override;
  void SaveAs() override;
  bool AsksWhenLeft() const override { return true; }
  void Shown() override;
  void Import(int commandId) override;

  // The screen size the resolutions are checked against (tests give their own).
  void SetDesktopSource(std::function<DesktopSize()> source) { desktop_ = std::move(source); }

  EditorSession& editor() { return editor_; }
  PreviewWindow* preview() const { return preview_.get(); }

  // The handlers of the page's controls, as the user reaches them.
  void CommitFields(int index);
  void ShowObject(int index);
  void ApplyFields();
  void SelectObject(int index);
  // The save question; a failed or cancelled save answers Cancel.
  platform::Answer ConfirmSave(bool askQuit);
  // The save dialog's filter and title.
  QString SaveFilter() const;
  QString SaveTitle() const;
  // A row of the template list chosen; false when the change was refused or cancelled.
  bool ChooseTemplate(int row);
  // The same by the template's directory name; false when it is not listed.
  bool ChooseTemplateNamed(const std::string& name);
  bool ImportFile(int commandId, const std::string& path);
  // "Nouveau": after the save question, an empty layout that belongs to no template yet
  // ("Enregistrer" asks where). False when the question was cancelled.
  bool NewLayout();
  void OpenOrderDialog();
  void StepScrollSpeed(int axis, int delta);
  // "Jeu de l'aperçu": row 0 is the sample, row n the configuration's n-th game in the
  // menu's order. False when there is no such row.
  bool ChoosePreviewGame(int row);
  // Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z), "Annuler" and "Rétablir": the fields pending are
  // committed first, then the layout steps back or forth and everything shown follows.
  void Undo();
  void Redo();

 protected:
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The group boxes (layout_page_boxes.cpp).
  void BuildControls();
  QGroupBox* CreateObjectsBox();
  QGroupBox* CreateFontBox();
  QGroupBox* CreateImageBox();
  QGroupBox* CreateLayoutBox();
  void AddScrollAxis(QGridLayout* grid, int axis);
  void AddHistoryButtons(QGridLayout* grid, QGroupBox* box);
  void ChooseFont();
  void ChooseColour(QLineEdit* field);
  void ConnectControls();
  // The fields' binders (layout_page_fields.cpp), over the object `bound_`.
  void BindFields();
  void BindListFlag(QCheckBox* box, int LayoutWideSettings::*flag);
  void BindStretch();
  void BindScrollSpeed(int axis, float EditorObject::*speed);
  EditorObject& Bound() { return editor_.layout.objects[std::size_t(bound_)]; }
  void ShowGroups(int index);
  void CheckField(QLineEdit* edit);
  bool SaveQuestionForChange();
  void RestoreTemplateRow();
  // A refused load or import: the template list and the name go back to the loaded one.
  void KeepLoadedTemplate();
  bool SaveTo(const std::string& path);
  // The template list read again (a save may have made a folder); the template holding
  // the current file becomes the loaded one.
  void RefreshTemplates();
  DesktopSize Desktop() const;
  int Number(const QLineEdit* edit) const;
  // The face the field holds for an object whose face is `face`.
  std::string FaceOfField(const std::string& face) const;
  void SetNumber(QLineEdit* edit, int value);
  // An edit is complete (applied, dragged, reordered, imported): one step to undo.
  void RecordEdit();
  void StepHistory(bool redo);
  void UpdateHistoryButtons();
  // The status line: the pointer's place in the layout and the selected object's rectangle.
  void UpdateStatus();
  // The games of the configuration the Emus page has open, read again each time the page
  // is shown; the game chosen stays chosen while the list still holds it.
  void ReadPreviewGames();
  // The page's window as the preview's transient (kept above it) while the page is shown.
  void KeepAbovePreview(bool above);

  std::string base_;
  std::function<std::string()> emusPath_;
  std::function<DesktopSize()> desktop_;
  EditorSession editor_;
  // A window of its own, not a child: the page's window is made its transient so that
  // the page stays above the preview.
  std::unique_ptr<PreviewWindow> preview_;
  std::unique_ptr<PreviewGames> games_;

  // The object the fields show and commit: the selected one, or the one being left.
  int bound_ = 0;
  Binders binders_{CommitMode::kOnApply};

  QComboBox* objects_ = nullptr;
  QComboBox* templates_ = nullptr;
  QLineEdit *x_ = nullptr, *y_ = nullptr, *w_ = nullptr, *h_ = nullptr, *alpha_ = nullptr;
  QCheckBox *visible_ = nullptr, *listeImages_ = nullptr, *listeIcons_ = nullptr;
  QLabel* nbLabel_ = nullptr;
  QLineEdit* nbItems_ = nullptr;
  QGroupBox* fontGroup_ = nullptr;
  QLineEdit *face_ = nullptr, *size_ = nullptr, *colour_ = nullptr;
  QRadioButton* align_[3] = {};
  QGroupBox* imageGroup_ = nullptr;
  QCheckBox *stretch_ = nullptr, *proportional_ = nullptr;
  QWidget* scrollGroup_ = nullptr;
  QLineEdit* speed_[2] = {};
  QRadioButton* direction_[2][2] = {};  // [axis][0 = Gauche/Haut, 1 = Droite/Bas]
  QPushButton *undo_ = nullptr, *redo_ = nullptr;
  QLabel* status_ = nullptr;
  QComboBox* previewGame_ = nullptr;
  int pointerX_ = -1, pointerY_ = -1;  // -1: the pointer has not been over the preview
  QLineEdit *transparent_ = nullptr, *resX_ = nullptr, *resY_ = nullptr, *selMin_ = nullptr, *selMax_ = nullptr;
};

}  // namespace cfg
