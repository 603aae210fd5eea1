#include "configurator/widgets/common_dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QScreen>

#include "configurator/widgets/setting_text.h"
#include "platform/paths.h"

namespace cfg {
namespace {

QString StartPath(const std::string& base, const std::string& path) {
  if (path.empty()) return FromSettingText(platform::JoinPath(base, "Templates/Layout.cfg"));
  return FromSettingText(platform::ToNativeSeparators(path));
}

bool RunFileDialog(QFileDialog& dialog, std::string& path) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  path = ToSettingText(dialog.selectedFiles().front());
  return true;
}

}  // namespace

bool AskOpenFile(QWidget* owner, const std::string& base, std::string& path, const QString& filter,
                 const QString& title) {
  QFileDialog dialog(owner, title, StartPath(base, path), filter);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  return RunFileDialog(dialog, path);
}

bool AskSaveFile(QWidget* owner, const std::string& base, std::string& path, const QString& filter,
                 const QString& title, const char* defaultSuffix) {
  QFileDialog dialog(owner, title, StartPath(base, path), filter);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QString::fromUtf8(defaultSuffix));
  return RunFileDialog(dialog, path);
}

std::optional<std::string> AskFolder(QWidget* owner, const std::string& start, const QString& title) {
  const QString chosen = QFileDialog::getExistingDirectory(owner, title, FromSettingText(start));
  if (chosen.isEmpty()) return std::nullopt;
  return ToSettingText(chosen);
}

bool AskColour(QWidget* owner, std::uint32_t& colour) {
  const QColor start((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
  const QColor c = QColorDialog::getColor(start, owner);
  if (!c.isValid()) return false;
  colour = (std::uint32_t(c.red()) << 16) | (std::uint32_t(c.green()) << 8) | std::uint32_t(c.blue());
  return true;
}

bool AskFont(QWidget* owner, std::string& face, int& size) {
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, QFont(FromSettingText(face), size > 0 ? size : 10), owner);
  if (!ok) return false;
  face = ToSettingText(chosen.family());
  int points = chosen.pointSize();
  if (points <= 0 && owner && owner->screen())
    points = int(chosen.pixelSize() * 72 / owner->screen()->logicalDotsPerInchY());
  size = points;
  return true;
}

}  // namespace cfg
