#include "configurator/pagemodel/page_keys.h"

#include <array>

namespace cfg {
namespace {

using enum settings::SettingId;

constexpr std::array kGeneral{
    EmuBase, LargFen, HautFen, ModeFenetre, Transitions, ModeSortie, Verrouillage, SortieJeuDelai, Langue, MemoireImages,
    HauteurRendu,
    // [Touches] in the order of the file's table.
    DownKey, UpKey, LeftKey, RightKey, LaunchGameKey, RandomGameKey, MenuKey, MenuGenKey, InfosKey, VolumeUPKey,
    VolumeDownKey, NextZicKey, QuitKey, RotateKey, JeuxFavoris, RechercheKey, SortieJeu,
    // [Manettes], the same actions' joystick controls.
    PadDownKey, PadUpKey, PadLeftKey, PadRightKey, PadLaunchGameKey, PadRandomGameKey, PadMenuKey, PadMenuGenKey,
    PadInfosKey, PadVolumeUPKey, PadVolumeDownKey, PadNextZicKey, PadQuitKey, PadRotateKey, PadJeuxFavoris,
    PadRechercheKey};

constexpr std::array kEmus{
    TemplateDir, EmuExe, RomDir, RomsExt, SnapDir, MarqueesDir, IconsDir, MusicFond, SlideShowDir,
    RepCustom1, Custom1Dir, RepCustom2, Custom2Dir, RepCustom3, Custom3Dir,
    RepCustom4, Custom4Dir, RepCustom5, Custom5Dir, RepCustom6, Custom6Dir,
    FichierDescription, UtilExt, ScrType, ScrTimeOut, ScrDuration, MusicSousRep, SlideShowSousRep,
    Move1Page, MusicVolume, Sons, TypeMenu, Guillemets, CacherFenetre, Menu, Rotation, VideoDir, VideoSon, EmuParams};

}  // namespace

const PageKeys kGeneralPageKeys{settings::SettingFile::Main, kGeneral};
const PageKeys kEmusPageKeys{settings::SettingFile::Configuration, kEmus};

}  // namespace cfg
