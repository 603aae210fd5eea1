// Making a game list from the emulator's own listing: the emulator is run with "-listxml"
// (then "-listinfo" when that gives nothing), its output copied through a pipe into a
// scratch file, and the listing converted into the list's sections.
#pragma once

#include <cstdint>
#include <string>

#include "configurator/listgen/generator_hooks.h"

namespace cfg {

inline constexpr std::uint32_t kEmulatorSilenceLimitMs = 60000;

struct GeneratorRequest {
  std::string emulator;       // the program: a path, or a bare name looked up in PATH
  std::string outputFile;     // the game list to make
  std::string romDirectory;
  bool existingOnly = true;   // only the games whose ROMs are in romDirectory
  std::string temporaryFile;  // the scratch copy of the listing ("Infos.tmp")
  std::uint32_t silenceLimitMs = kEmulatorSilenceLimitMs;
};

struct ListingJob {
  std::string listingFile;
  std::string outputFile;
  std::string romDirectory;
  bool existingOnly = true;
};

// Convert a listing file (XML in either form / the old text form) and replace the game
// list with the result in one atomic write, but only when at least one game was written:
// a listing that yields nothing leaves the owner's list as it was. Return the games
// written; 0 when nothing was (a file that cannot be read or written is said so).
int ParseListXml(const ListingJob& job, const GeneratorHooks& hooks);
int ParseListInfo(const ListingJob& job, const GeneratorHooks& hooks);

// Why a generation wrote no list.
enum class GenerationFailure {
  kNone,
  kNoRomFolder,         // existing-only against a missing ROM folder
  kEmulatorNotStarted,
  kNoListing,           // the emulator printed nothing usable (or went silent)
  kNoRomMatched,        // the listing gave no game to keep
  kFileNotWritten,      // the scratch file or the list could not be written
  kStopped,             // the owner stopped it ("Arrêter")
};

struct GenerationResult {
  int games = -1;       // games written; -1 when no listing could be had, 0 when it gave none
  GenerationFailure failure = GenerationFailure::kNone;
  std::string message;  // the closing message: "<n> ROM(S) récupèrée(s)." or the failure and its cause
  int machinesRead = 0;   // the machines the emulator's listing described
  bool mameListing = false;  // its XML listing's root is <mame>: kMameEmuParams suit it
  bool ok() const { return games > 0; }
};

// "Erreur de création de la liste ! <cause>" (the ROM folder's failure and a stop have their
// own texts).
std::string FailureMessage(GenerationFailure failure);

// Why the request cannot run, said before anything is asked or started: existing-only
// against a ROM folder that is not there (an empty one is valid: the coin-taking machines
// that need no file are still kept). Empty when it can run.
std::string RomFolderRefusal(const GeneratorRequest& request);

// The emulator as a program to start: a bare name stays for the PATH search; a path is made
// absolute (the child starts in its own folder) and found in any letter case.
std::string EmulatorToStart(const std::string& emulator);

// Whether the emulator's -listxml has a <mame> root: only the listing's start is read, then
// the emulator is ended. False when it cannot start, prints no XML, or stays silent for
// silenceLimitMs.
bool ListsAsMame(const std::string& emulator, std::uint32_t silenceLimitMs = kEmulatorSilenceLimitMs);

// The whole generation. The closing message is returned for the caller to show; the
// others (file and pipe failures) go through the hooks as they happen.
GenerationResult GenerateGameList(const GeneratorRequest& request, const GeneratorHooks& hooks);

}  // namespace cfg
