#include "configurator/listgen/game_list_generator.h"

#include <filesystem>
#include <optional>
#include <vector>

#include "configurator/listgen/game_list_builder.h"
#include "configurator/listgen/generator_messages.h"
#include "configurator/listgen/listinfo_reader.h"
#include "configurator/listgen/listing_watch.h"
#include "configurator/listgen/listxml_reader.h"
#include "configurator/listgen/pipe_copy.h"
#include "configurator/listgen/rom_folder.h"
#include "platform/file_writer.h"
#include "platform/files.h"
#include "platform/output_pipe.h"
#include "platform/paths.h"
#include "platform/process.h"

namespace cfg {
namespace {

// Grace given to the emulator's group between SIGTERM and SIGKILL.
constexpr std::uint32_t kEndGraceMs = 2000;

using ListingReader = bool (*)(const std::string& path, GameListBuilder& games);

struct Conversion {
  int games = 0;
  GenerationFailure failure = GenerationFailure::kNone;
};

Conversion ConvertListing(const ListingJob& job, const GeneratorHooks& hooks, ListingReader read) {
  std::optional<RomFolder> folder;
  if (job.existingOnly) folder = RomFolder::List(platform::ResolvePath(job.romDirectory));
  StatusThrottle throttle;
  GameListBuilder games(folder ? &*folder : nullptr, [&](int written, int seen) {
    if (!throttle.Due()) return;
    hooks.Status(GamesProgress(written, seen));
  });
  if (!read(job.listingFile, games)) {
    hooks.Message(job.listingFile, CannotRead());
    return {0, GenerationFailure::kNoListing};
  }
  // Stopped while converting: the old list stays.
  if (hooks.Stopped()) return {0, GenerationFailure::kStopped};
  if (games.written() == 0) return {0, GenerationFailure::kNoRomMatched};
  if (!platform::WriteFileAtomically(job.outputFile, games.text())) {
    hooks.Message(job.outputFile, CannotWrite());
    return {0, GenerationFailure::kFileNotWritten};
  }
  return {games.written(), GenerationFailure::kNone};
}

// The emulator started with one option, its output on a pipe, its errors discarded, in its
// own folder.
std::optional<platform::ProcessHandle> StartEmulator(const std::string& program, const char* option,
                                                     platform::OutputPipe& pipe) {
  const std::string directory(program.find('/') == std::string::npos ? std::string_view()
                                                                      : platform::DirectoryPart(program));
  platform::ChildStreams streams;
  streams.output = pipe.writeEnd();
  streams.error = platform::ChildStreams::kDiscard;
  std::optional<platform::ProcessHandle> process =
      platform::SpawnProcess(program, {program, option}, directory, nullptr, streams);
  pipe.CloseWriteEnd();
  return process;
}

struct RunOutcome {
  bool started = false;
  CopyResult copy = CopyResult::kNothingReceived;
  ListingWatch watch;
};

RunOutcome RunEmulator(const std::string& program, const char* option, const GeneratorRequest& request,
                       const GeneratorHooks& hooks) {
  RunOutcome outcome;
  std::optional<platform::OutputPipe> pipe = platform::OutputPipe::Create();
  if (!pipe) return outcome;
  std::optional<platform::ProcessHandle> process = StartEmulator(program, option, *pipe);
  if (!process) return outcome;
  outcome.started = true;
  outcome.copy = CopyPipeToFile(*pipe, request.temporaryFile, request.silenceLimitMs, hooks, &outcome.watch);
  // Whatever it left running in its group (or itself, when it went silent) ends here.
  platform::TerminateProcessGroup(*process, kEndGraceMs);
  return outcome;
}

std::string CountMessage(int games) { return GamesWritten(games); }

}  // namespace

std::string EmulatorToStart(const std::string& emulator) {
  if (emulator.find_first_of("/\\") == std::string::npos) return emulator;
  std::string path = platform::ToNativeSeparators(emulator);
  if (!path.starts_with('/')) path = platform::JoinPath(std::filesystem::current_path().string(), path);
  return platform::ResolvePath(path);
}

bool ListsAsMame(const std::string& emulator, std::uint32_t silenceLimitMs) {
  std::optional<platform::OutputPipe> pipe = platform::OutputPipe::Create();
  if (!pipe) return false;
  std::optional<platform::ProcessHandle> process = StartEmulator(EmulatorToStart(emulator), "-listxml", *pipe);
  if (!process) return false;
  ListingWatch watch;
  std::vector<char> buffer(1 << 16);
  // The DTD comes first; the root follows within a few kilobytes.
  while (!watch.rootSeen()) {
    const platform::OutputPipe::ReadResult r = pipe->Read(buffer, silenceLimitMs);
    if (r.status != platform::OutputPipe::Status::kData) break;
    watch.Feed(std::string_view(buffer.data(), r.bytes));
  }
  platform::TerminateProcessGroup(*process, kEndGraceMs);
  return watch.mame();
}

int ParseListXml(const ListingJob& job, const GeneratorHooks& hooks) {
  return ConvertListing(job, hooks, &ReadListXmlFile).games;
}

int ParseListInfo(const ListingJob& job, const GeneratorHooks& hooks) {
  return ConvertListing(job, hooks, &ReadListInfoFile).games;
}

std::string FailureMessage(GenerationFailure failure) {
  const char* cause = "";
  switch (failure) {
    case GenerationFailure::kNone: return "";
    case GenerationFailure::kNoRomFolder:
      return Tr("Répertoire des ROMS introuvable : liste non créée !");
    case GenerationFailure::kStopped:
      return GenerationStopped();
    case GenerationFailure::kEmulatorNotStarted:
      cause = EmulatorNotStarted();
      break;
    case GenerationFailure::kNoListing:
      cause = NoListing();
      break;
    case GenerationFailure::kNoRomMatched:
      cause = NoRomMatched();
      break;
    case GenerationFailure::kFileNotWritten:
      cause = ListNotWritten();
      break;
  }
  return ListNotCreated(cause);
}

std::string RomFolderRefusal(const GeneratorRequest& request) {
  if (!request.existingOnly) return {};
  if (!request.romDirectory.empty() && platform::DirectoryExists(platform::ResolvePath(request.romDirectory)))
    return {};
  return NoRomFolderMessage(request.romDirectory);
}

GenerationResult GenerateGameList(const GeneratorRequest& request, const GeneratorHooks& hooks) {
  // Existing-only against a wrong folder would replace the list with nearly nothing.
  if (std::string refusal = RomFolderRefusal(request); !refusal.empty()) {
    GenerationResult none;
    none.failure = GenerationFailure::kNoRomFolder;
    none.message = std::move(refusal);
    return none;
  }
  hooks.Status(CreatingList());
  const std::string program = EmulatorToStart(request.emulator);
  platform::RemoveRegularFile(request.temporaryFile);

  bool xml = true;
  RunOutcome run = RunEmulator(program, "-listxml", request, hooks);
  if (run.started && run.copy == CopyResult::kNothingReceived) {
    xml = false;
    hooks.Status(CreatingList());
    run = RunEmulator(program, "-listinfo", request, hooks);
  }

  GenerationResult result;
  result.machinesRead = run.watch.machines();
  result.mameListing = xml && run.watch.mame();
  if (!run.started || run.copy != CopyResult::kCopied) {
    hooks.Status("");
    platform::RemoveRegularFile(request.temporaryFile);
    result.failure = !run.started                         ? GenerationFailure::kEmulatorNotStarted
                     : run.copy == CopyResult::kFileFailed ? GenerationFailure::kFileNotWritten
                     : run.copy == CopyResult::kStopped    ? GenerationFailure::kStopped
                                                           : GenerationFailure::kNoListing;
    result.message = FailureMessage(result.failure);
    return result;
  }
  const ListingJob job{request.temporaryFile, request.outputFile, request.romDirectory, request.existingOnly};
  const Conversion conversion = ConvertListing(job, hooks, xml ? &ReadListXmlFile : &ReadListInfoFile);
  hooks.Status("");
  platform::RemoveRegularFile(request.temporaryFile);
  result.games = conversion.games;
  result.failure = conversion.failure;
  result.message = result.games > 0 ? CountMessage(result.games) : FailureMessage(result.failure);
  return result;
}

}  // namespace cfg
