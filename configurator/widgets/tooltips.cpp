#include "configurator/widgets/tooltips.h"

#include <QCoreApplication>
#include <QLabel>
#include <QWidget>

#include <string_view>

namespace cfg {
namespace {

struct TooltipRow {
  int id;
  const char* text;  // French, translated when shown
};

constexpr TooltipRow kTooltips[] = {
    {1003, QT_TRANSLATE_NOOP("cfg::Tooltips", "Sélectionner un objet à modifier")},
    {1004, QT_TRANSLATE_NOOP("cfg::Tooltips", "Coin supérieur gauche de l'objet")},
    {1005, QT_TRANSLATE_NOOP("cfg::Tooltips", "Coin supérieur gauche de l'objet")},
    {1006, QT_TRANSLATE_NOOP("cfg::Tooltips", "Largeur de l'objet")},
    {1007, QT_TRANSLATE_NOOP("cfg::Tooltips", "Hauteur de l'objet")},
    {1008, QT_TRANSLATE_NOOP("cfg::Tooltips", "Opacité de l'objet (0=Transparent, 255=Opaque)")},
    {1009, QT_TRANSLATE_NOOP("cfg::Tooltips", "Vitesse du défilement horizontal (1 lent -> 10 rapide)")},
    {10350, QT_TRANSLATE_NOOP("cfg::Tooltips", "Vitesse du défilement vertical (1 lent -> 10 rapide)")},
    {1010, QT_TRANSLATE_NOOP("cfg::Tooltips", "Objet visible ou non")},
    {1011,
     QT_TRANSLATE_NOOP("cfg::Tooltips", "Liste montrant les images du répertoire des marquees à la place du texte")},
    {1012, QT_TRANSLATE_NOOP("cfg::Tooltips", "Nombre de lignes dans la liste (texte ou marquee)")},
    {1013, QT_TRANSLATE_NOOP("cfg::Tooltips", "Alignement du texte")},
    {1014, QT_TRANSLATE_NOOP("cfg::Tooltips", "Alignement du texte")},
    {1015, QT_TRANSLATE_NOOP("cfg::Tooltips", "Alignement du texte")},
    {1017, QT_TRANSLATE_NOOP("cfg::Tooltips", "Choix de la police de caractères de l'objet")},
    {1018, QT_TRANSLATE_NOOP("cfg::Tooltips", "Taille en pixels de la police de caractères")},
    {1019, QT_TRANSLATE_NOOP("cfg::Tooltips", "Couleur du texte")},
    {1029, QT_TRANSLATE_NOOP("cfg::Tooltips", "Couleur du texte")},
    {1020, QT_TRANSLATE_NOOP("cfg::Tooltips", "Charger un layout")},
    {1021, QT_TRANSLATE_NOOP("cfg::Tooltips", "Couleur générale de transparence")},
    {1022, QT_TRANSLATE_NOOP("cfg::Tooltips", "Couleur générale de transparence")},
    {1023, QT_TRANSLATE_NOOP("cfg::Tooltips", "Largeur du layout")},
    {1024, QT_TRANSLATE_NOOP("cfg::Tooltips", "Hauteur du layout")},
    {1027, QT_TRANSLATE_NOOP("cfg::Tooltips", "Opacité minimale du sélecteur (0=Transparent, 255=Opaque)")},
    {1030, QT_TRANSLATE_NOOP("cfg::Tooltips", "Opacité maximale du sélecteur (0=Transparent, 255=Opaque)")},
    {1033, QT_TRANSLATE_NOOP("cfg::Tooltips", "Définir l'ordre d'affichage des objets")},
    {1200, QT_TRANSLATE_NOOP("cfg::Tooltips", "Annuler la dernière modification du layout (Ctrl+Z)")},
    {1201, QT_TRANSLATE_NOOP("cfg::Tooltips", "Rétablir la modification annulée (Ctrl+Y)")},
    {1203, QT_TRANSLATE_NOOP("cfg::Tooltips", "Commencer un layout vide (Enregistrer demande où l'écrire)")},
    {1204, QT_TRANSLATE_NOOP("cfg::Tooltips",
                             "Jeu montré par l'aperçu : l'exemple, ou un jeu de la configuration de Config Emus")},
    {1038, QT_TRANSLATE_NOOP("cfg::Tooltips", "Garder les proportions de l'image")},
    {10370, QT_TRANSLATE_NOOP("cfg::Tooltips", "Ajuster l'image à la zone")},
    {10360, QT_TRANSLATE_NOOP("cfg::Tooltips", "Défilement horizontal vers la gauche")},
    {1041, QT_TRANSLATE_NOOP("cfg::Tooltips", "Défilement horizontal vers la droite")},
    {10420, QT_TRANSLATE_NOOP("cfg::Tooltips", "Défilement vertical vers le haut")},
    {10430, QT_TRANSLATE_NOOP("cfg::Tooltips", "Défilement vertical vers le bas")},
    {1042, QT_TRANSLATE_NOOP("cfg::Tooltips", "Largeur de la fenêtre principale")},
    {1043, QT_TRANSLATE_NOOP("cfg::Tooltips", "Hauteur de la fenêtre principale")},
    {1044, QT_TRANSLATE_NOOP("cfg::Tooltips", "Affichage en mode fenêtré ou plein écran")},
    {1103, QT_TRANSLATE_NOOP("cfg::Tooltips",
                             "Hauteur maximale en pixels à laquelle le menu est dessiné (le petit côté de "
                             "l'écran), l'image étant ensuite agrandie à la taille de l'écran : un écran 4K "
                             "dessiné en 1080 coûte autant qu'un écran 1080p. 0 : la taille de l'écran")},
    {1045, QT_TRANSLATE_NOOP("cfg::Tooltips", "Configuration des touches")},
    {1046, QT_TRANSLATE_NOOP("cfg::Tooltips", "Défilement de la liste des jeux par page, sinon par lettre")},
    {1047, QT_TRANSLATE_NOOP("cfg::Tooltips", "Utiliser ou non les sons")},
    {1048, QT_TRANSLATE_NOOP("cfg::Tooltips", "Effet de transition entre les configurations")},
    {1049,
     QT_TRANSLATE_NOOP("cfg::Tooltips", "Configuration à afficher lors de l'appui sur la touche « Menu principal »")},
    {1050, QT_TRANSLATE_NOOP("cfg::Tooltips", "Éteindre l'ordinateur à la fermeture d'Orvanel")},
    {1093, QT_TRANSLATE_NOOP(
               "cfg::Tooltips",
               "Touches du panneau à taper après la touche Quitter pour revenir au bureau (codes joints par +)")},
    {1097, QT_TRANSLATE_NOOP("cfg::Tooltips",
                             "Touches à maintenir ensemble pendant un jeu pour le quitter (codes joints par +) ; vide "
                             ": la touche Quitter")},
    {1098, QT_TRANSLATE_NOOP("cfg::Tooltips", "Durée de maintien qui quitte le jeu, en millisecondes ; 0 : jamais")},
    {1094, QT_TRANSLATE_NOOP("cfg::Tooltips", "Touche de chaque action (double-clic : la changer seule)")},
    {1096,
     QT_TRANSLATE_NOOP("cfg::Tooltips",
                       "Choisir les jeux de la liste à afficher (catégories, joueurs, écran, contrôles, années)")},
    {1095, QT_TRANSLATE_NOOP("cfg::Tooltips", "Changer la touche de l'action choisie, sans toucher aux autres")},
    {1052, QT_TRANSLATE_NOOP("cfg::Tooltips", "Répertoire des ROMS")},
    {1053, QT_TRANSLATE_NOOP("cfg::Tooltips", "Charger une configuration")},
    {1054, QT_TRANSLATE_NOOP("cfg::Tooltips", "Répertoire des snapshots")},
    {1055, QT_TRANSLATE_NOOP("cfg::Tooltips", "Répertoire des marquees")},
    {1056, QT_TRANSLATE_NOOP("cfg::Tooltips", "Répertoire de l'émulateur")},
    {1057, QT_TRANSLATE_NOOP("cfg::Tooltips", "Répertoire des musiques")},
    {1058, QT_TRANSLATE_NOOP("cfg::Tooltips", "Répertoire des icônes")},
    {1059, QT_TRANSLATE_NOOP("cfg::Tooltips", "Choix du répertoire des ROMS")},
    {1060, QT_TRANSLATE_NOOP("cfg::Tooltips", "Choix du répertoire des snapshots (PNG;JPG;BMP ou GIF)")},
    {1061, QT_TRANSLATE_NOOP("cfg::Tooltips", "Choix du répertoire des marquees")},
    {1062, QT_TRANSLATE_NOOP("cfg::Tooltips", "Choix du répertoire des icônes")},
    {1063, QT_TRANSLATE_NOOP("cfg::Tooltips", "Choix de l'émulateur (programme ou script)")},
    {1064, QT_TRANSLATE_NOOP("cfg::Tooltips", "Choix du répertoire des musiques (MP3)")},
    {1065, QT_TRANSLATE_NOOP("cfg::Tooltips",
                             "Choix du répertoire des images du diaporama, s'il diffère de celui des snapshots")},
    {1066, QT_TRANSLATE_NOOP("cfg::Tooltips", "Sélection custom 1 à 6")},
    {1067,
     QT_TRANSLATE_NOOP("cfg::Tooltips", "Choix des répertoires custom (s'ils ne sont pas utilisés dans le layout)")},
    {1068, QT_TRANSLATE_NOOP("cfg::Tooltips", "Choix du layout à utiliser pour cette configuration")},
    {1069, QT_TRANSLATE_NOOP("cfg::Tooltips", "Choix de la liste des ROMS à utiliser")},
    {1070, QT_TRANSLATE_NOOP("cfg::Tooltips", "Créer la liste des ROMS à partir d'un émulateur")},
    {1071, QT_TRANSLATE_NOOP("cfg::Tooltips", "Configuration à afficher lors de l'appui sur la touche « Menu »")},
    {1075, QT_TRANSLATE_NOOP("cfg::Tooltips", "Défilement d'images au hasard")},
    {1076, QT_TRANSLATE_NOOP("cfg::Tooltips", "Démarrer un jeu au hasard")},
    {1077, QT_TRANSLATE_NOOP("cfg::Tooltips", "Délai en secondes avant le lancement de l'économiseur d'écran")},
    {1078,
     QT_TRANSLATE_NOOP("cfg::Tooltips", "Durée en secondes d'un élément de l'économiseur d'écran (image ou jeu)")},
    {1079, QT_TRANSLATE_NOOP("cfg::Tooltips", "Répertoire des images du diaporama")},
    {1080, QT_TRANSLATE_NOOP("cfg::Tooltips", "Parcourir également les sous-répertoires pour le diaporama")},
    {1081, QT_TRANSLATE_NOOP("cfg::Tooltips", "Parcourir également les sous-répertoires pour la musique")},
    {1082,
     QT_TRANSLATE_NOOP("cfg::Tooltips", "Volume par défaut de la musique de fond (0 pas de musique -> 1000 maximum)")},
    {1083, QT_TRANSLATE_NOOP("cfg::Tooltips", "Répertoires custom")},
    {1084, QT_TRANSLATE_NOOP("cfg::Tooltips", "Liste des ROMS à utiliser")},
    {1085, QT_TRANSLATE_NOOP("cfg::Tooltips", "Extension(s) des ROMS (séparées par un ; si plusieurs)")},
    {1086, QT_TRANSLATE_NOOP("cfg::Tooltips", "Pas d'économiseur d'écran")},
    {1087, QT_TRANSLATE_NOOP("cfg::Tooltips", "Angle de rotation du layout")},
    {1089, QT_TRANSLATE_NOOP("cfg::Tooltips", "Mettre l'écran en veille")},
    {1090, QT_TRANSLATE_NOOP("cfg::Tooltips", "Choix du répertoire des vidéos, jouées à la place du snapshot")},
    {1091, QT_TRANSLATE_NOOP("cfg::Tooltips", "Jouer le son des vidéos (la musique est baissée pendant ce temps)")},
    {1092, QT_TRANSLATE_NOOP("cfg::Tooltips", "Répertoire des vidéos (MP4;MKV;WEBM;AVI ou FLV)")},
    {1099, QT_TRANSLATE_NOOP("cfg::Tooltips",
                             "Arguments de l'émulateur : %ROM% (chemin complet de la ROM), %NAME% (nom du jeu), "
                             "%ROMDIR% (répertoire des ROMS, absolu), %EMUDIR% (répertoire de l'émulateur) ; "
                             "vide : le chemin de la ROM seul (entre guillemets selon « Rom entre \"\" »)")},
    {1100, QT_TRANSLATE_NOOP("cfg::Tooltips",
                             "Créer une configuration avec les réglages par défaut et sa propre liste de ROMS")},
    {10480,
     QT_TRANSLATE_NOOP("cfg::Tooltips", "Cette configuration ne lance pas de jeux mais est un menu de sélection")},
    {10481, QT_TRANSLATE_NOOP("cfg::Tooltips", "Mettre le nom de la ROM entre guillemets")},
    {10482, QT_TRANSLATE_NOOP("cfg::Tooltips", "Cacher la fenêtre en mode plein écran (pour MAME)")},
    {10490, QT_TRANSLATE_NOOP("cfg::Tooltips", "Envoyer l'extension des ROMS à l'émulateur")},
    {1101, QT_TRANSLATE_NOOP("cfg::Tooltips",
                             "Langue du menu et du configurateur ; « Selon le système » suit la langue de "
                             "l'ordinateur. Prend effet au prochain démarrage")},
    {1102, QT_TRANSLATE_NOOP("cfg::Tooltips",
                             "Vérifie l'installation, l'écran, les entrées, le son, le suivi des touches et "
                             "l'extinction, comme orvanel --check")},
    {1106, QT_TRANSLATE_NOOP("cfg::Tooltips",
                             "Mémoire que les images du menu peuvent occuper, en Mio ; au-delà, les images des jeux "
                             "affichées il y a le plus longtemps sont libérées (celles du modèle restent). 0 : sans "
                             "limite")},
};

}  // namespace

int ControlId(const QWidget* widget) {
  const QString name = widget->objectName();
  if (!name.startsWith(QLatin1String("id"))) return -1;
  bool ok = false;
  const int id = name.mid(2).toInt(&ok);
  return ok ? id : -1;
}

QString TooltipText(int controlId) {
  for (const TooltipRow& row : kTooltips)
    if (row.id == controlId) return QCoreApplication::translate("cfg::Tooltips", row.text);
  return {};
}

void InstallTooltips(QWidget* page) {
  for (QWidget* w : page->findChildren<QWidget*>()) {
    if (qobject_cast<QLabel*>(w)) continue;  // labels show nothing
    const int id = ControlId(w);
    if (id >= 0) w->setToolTip(TooltipText(id));
  }
}

}  // namespace cfg
