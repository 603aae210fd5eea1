#include "configurator/listgen/ui/generator_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

#include "configurator/listgen/game_list_generator.h"
#include "configurator/listgen/generator_messages.h"
#include "configurator/listgen/ui/status_box.h"
#include "platform/message_box.h"
#include "platform/paths.h"

namespace cfg {
namespace {

constexpr const char* kEmulatorName = "MAME";

std::string ToPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString FromPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string ConfigDirectory(const std::string& base) {
  return platform::ResolvePath(platform::JoinPath(base, "Config"));
}

// The list file to write, or nothing when the owner cancels.
std::optional<std::string> AskListFile(QWidget* owner, const std::string& proposed) {
  QFileDialog dialog(
      owner, QCoreApplication::translate("cfg::GeneratorDialog", "Enregistrement d'une liste de ROMS"),
      FromPath(proposed),
      QCoreApplication::translate("cfg::GeneratorDialog", "Fichiers texte (*.txt *.TXT);;Tous les fichiers (*)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix("txt");
  dialog.selectFile(FromPath(proposed));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ToPath(dialog.selectedFiles().front());
}

class GeneratorDialog : public QDialog {
 public:
  GeneratorDialog(QWidget* owner, std::string baseDirectory, std::function<GeneratorSources()> sources,
                  ListCreated created)
      : QDialog(owner), base_(std::move(baseDirectory)), sources_(std::move(sources)), created_(std::move(created)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QCoreApplication::translate("cfg::GeneratorDialog", "Création de listes de ROMS"));
    emulator_ = new QComboBox(this);
    emulator_->setObjectName("emulator");
    emulator_->addItem(kEmulatorName);
    emulator_->setCurrentIndex(0);
    existingOnly_ =
        new QCheckBox(QCoreApplication::translate("cfg::GeneratorDialog", "Uniquement les Roms existantes"), this);
    existingOnly_->setObjectName("existingOnly");
    existingOnly_->setChecked(true);
    create_ = new QPushButton(QCoreApplication::translate("cfg::GeneratorDialog", "&Créer liste"), this);
    create_->setObjectName("create");
    create_->setDefault(true);
    close_ = new QPushButton(QCoreApplication::translate("cfg::GeneratorDialog", "&Fermer"), this);
    close_->setObjectName("close");

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QCoreApplication::translate("cfg::GeneratorDialog", "Émulateur"), this));
    row->addWidget(emulator_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(create_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(existingOnly_);
    layout->addLayout(buttons);

    connect(create_, &QPushButton::clicked, this, [this] { CreateList(); });
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
  }

 private:
  void CreateList() {
    const bool existingOnly = existingOnly_->isChecked();
    GeneratorSources sources = sources_ ? sources_() : GeneratorSources{};
    if (sources.listFile.empty())
      sources.listFile = platform::JoinPath(ConfigDirectory(base_), emulator_->currentText().toStdString() + ".txt");
    GeneratorRequest request;
    request.emulator = sources.emulator;
    request.romDirectory = sources.romDirectory;
    request.existingOnly = existingOnly;
    request.temporaryFile = platform::JoinPath(ConfigDirectory(base_), "Infos.tmp");
    // A missing ROM folder is said before the owner is asked where the list goes.
    if (const std::string refusal = RomFolderRefusal(request); !refusal.empty()) {
      platform::ShowMessageBox(refusal, GeneratorCaption());
      return;
    }
    const std::optional<std::string> file = AskListFile(this, sources.listFile);
    if (!file) return;
    request.outputFile = *file;
    GenerateGameList(this, request);
  }

  // One run to its end; only the status box is repainted meanwhile, and this dialog takes
  // no click until it is over.
  void GenerateGameList(QWidget* owner, const GeneratorRequest& request) {
    const std::string& listFile = request.outputFile;
    // "Arrêter" in the status box: the copy sees it within a status interval and ends the emulator.
    bool stop = false;
    GeneratorHooks hooks;
    hooks.status = [owner, &stop](const std::string& text) { ShowStatusBox(text, owner, [&stop] { stop = true; }); };
    hooks.stopped = [&stop] { return stop; };
    setEnabled(false);
    const GenerationResult result = cfg::GenerateGameList(request, hooks);
    ShowStatusBox("", owner);
    setEnabled(true);
    platform::ShowMessageBox(result.message, GeneratorCaption());
    if (result.ok() && created_) created_(listFile, result.mameListing);
  }

  std::string base_;
  std::function<GeneratorSources()> sources_;
  ListCreated created_;
  QComboBox* emulator_;
  QCheckBox* existingOnly_;
  QPushButton* create_;
  QPushButton* close_;
};

}  // namespace

void OpenGeneratorDialog(QWidget* owner, const std::string& baseDirectory, std::function<GeneratorSources()> sources,
                         ListCreated created) {
  static QPointer<QDialog> dialog;
  if (!dialog) dialog = new GeneratorDialog(owner, baseDirectory, std::move(sources), std::move(created));
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
}

}  // namespace cfg
