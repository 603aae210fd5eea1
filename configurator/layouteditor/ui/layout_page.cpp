#include "configurator/layouteditor/ui/layout_page.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QWindow>

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

constexpr int kImportAtomicFe = 40006;
constexpr int kImportMamewah = 40007;

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
  BindFields();
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

void LayoutPage::UpdateStatus() {
  QString text;
  if (pointerX_ >= 0)
    text = QCoreApplication::translate("cfg::LayoutPage", "Pointeur : %1, %2").arg(pointerX_).arg(pointerY_);
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

QString LayoutPage::SaveFilter() const {
  return QCoreApplication::translate("cfg::LayoutPage", "Fichiers config (*.cfg *.CFG);;Tous les fichiers (*)");
}
QString LayoutPage::SaveTitle() const {
  return QCoreApplication::translate("cfg::LayoutPage", "Enregistrement d'une configuration de layout");
}

bool LayoutPage::Save() {
  std::string path = editor_.currentFilePath;
  if (path.empty() && !AskSaveFile(this, base_, path, SaveFilter(), SaveTitle())) return false;
  return SaveTo(path);
}

void LayoutPage::SaveAs() {
  std::string path = editor_.currentFilePath;
  if (AskSaveFile(this, base_, path, SaveFilter(), SaveTitle())) SaveTo(path);
}

platform::Answer LayoutPage::ConfirmSave(bool askQuit) {
  using platform::Answer;
  if (editor_.selected >= 0) CommitFields(editor_.selected);
  if (cfg::IsModified(editor_.layout)) {
    const Answer a = platform::AskQuestion(SaveQuestion(), Caption(), platform::QuestionButtons::kYesNoCancel);
    // A save that fails or a file dialog that is cancelled keeps the edits.
    if (a == Answer::kYes && !Save()) return Answer::kCancel;
    return a;
  }
  if (askQuit)
    return platform::AskQuestion(
        QCoreApplication::translate("cfg::LayoutPage", "Quitter l'application ?").toStdString(), Caption(),
        platform::QuestionButtons::kOkCancel);
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
    chosen = AskOpenFile(
        this, base_, path,
        QCoreApplication::translate("cfg::LayoutPage", "Fichiers config (*.cfg *.CFG);;Tous les fichiers (*)"),
        QCoreApplication::translate("cfg::LayoutPage", "Fichier de layout AtomicFe"));
  } else if (commandId == kImportMamewah) {
    path = platform::JoinPath(base_, "layout.lay");
    chosen = AskOpenFile(
        this, base_, path,
        QCoreApplication::translate("cfg::LayoutPage", "Fichiers layout (*.lay *.LAY);;Tous les fichiers (*)"),
        QCoreApplication::translate("cfg::LayoutPage", "Fichier de layout MAMEWAH"));
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
                               ? std::string(games_->list.AtPosition(row - 1).romName)
                               : std::string();
  preview_->ShowGame(nullptr, 0);
  games_ = std::make_unique<PreviewGames>(LoadPreviewGames(base_, emusPath_ ? emusPath_() : std::string()));
  const GameList& list = games_->list;
  QStringList names{QCoreApplication::translate("cfg::LayoutPage", kSampleGameItem)};
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
