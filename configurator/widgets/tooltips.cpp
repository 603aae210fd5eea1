#include "configurator/widgets/tooltips.h"

#include <QLabel>
#include <QWidget>

#include <string_view>

namespace cfg {
namespace {

struct TooltipRow {
  int id;
  std::string_view text;  // UTF-8
};

constexpr TooltipRow kTooltips[] = {
    {1003, "Selectionner un objet à éditer"},
    {1004, "Coin supérieur gauche de l'objet"},
    {1005, "Coin supérieur gauche de l'objet"},
    {1006, "Largeur de l'objet"},
    {1007, "Hauteur de l'objet"},
    {1008, "Opacité de l'objet (0=Transparent, 255=Opaque)"},
    {1009, "Vitesse du défilement horizontal (1 lent -> 10 rapide)"},
    {10350, "Vitesse du défilement vertical (1 lent -> 10 rapide)"},
    {1010, "Objet visible ou non"},
    {1011, "Liste faisant apparaître les images du répertoire des marquees à la place du texte"},
    {1012, "Nombre de lignes dans la liste (texte ou marquee)"},
    {1013, "Alignement du texte"},
    {1014, "Alignement du texte"},
    {1015, "Alignement du texte"},
    {1017, "Choix de la police de caractères de l'objet"},
    {1018, "Taille en pixels de la police de caractères"},
    {1019, "Couleur du texte"},
    {1029, "Couleur du texte"},
    {1020, "Charger un layout"},
    {1021, "Couleur générale de transparence"},
    {1022, "Couleur générale de transparence"},
    {1023, "Largeur du layout"},
    {1024, "Hauteur du layout"},
    {1027, "Opacité minimum du selecteur (0=Transparent, 255=Opaque)"},
    {1030, "Opacité maximum du selecteur (0=Transparent, 255=Opaque)"},
    {1033, "Définir l'ordre d'affichage des objets"},
    {1200, "Annuler la dernière modification du layout (Ctrl+Z)"},
    {1201, "Rétablir la modification annulée (Ctrl+Y)"},
    {1203, "Commencer un layout vide (Enregistrer demande où l'écrire)"},
    {1204, "Jeu montré par l'aperçu : l'exemple, ou un jeu de la configuration de Config Emus"},
    {1038, "Garder les proportions de l'image"},
    {10370, "Ajuster l'image à la zone"},
    {10360, "Défilement horizontal vers la gauche"},
    {1041, "Défilement horizontal vers la droite"},
    {10420, "Défilement vertical vers le haut"},
    {10430, "Défilement vertical vers le bas"},
    {1042, "Largeur de la fenêtre principale"},
    {1043, "Hauteur de la fenêtre principale"},
    {1044, "Affichage en mode fenêtré ou plein écran"},
    {1045, "Configuration des touches"},
    {1046, "Défilement de la liste des jeux par page, sinon par lettre"},
    {1047, "Utiliser ou non les sons"},
    {1048, "Effet de transition entre les config"},
    {1049, "Configuration à afficher lors de l'appui sur la touche 'Menu principal'"},
    {1050, "Quitter Windows lors de la fermeture de Orvanel"},
    {1093, "Touches du panneau à taper après la touche Quitter pour revenir au bureau (codes joints par +)"},
    {1097, "Touches à maintenir ensemble pendant un jeu pour le quitter (codes joints par +) ; vide : la touche Quitter"},
    {1098, "Durée de maintien qui quitte le jeu, en millisecondes ; 0 : jamais"},
    {1094, "Touche de chaque action (double-clic : la changer seule)"},
    {1096, "Choisir les jeux de la liste à afficher (catégories, joueurs, écran, contrôles, années)"},
    {1095, "Changer la touche de l'action choisie, sans toucher aux autres"},
    {1052, "Répertoire des ROMS"},
    {1053, "Charger une configuration"},
    {1054, "Répertoire des snapshots"},
    {1055, "Répertoire des marquees"},
    {1056, "Répertoire de l'émulateur"},
    {1057, "Répertoire des musiques"},
    {1058, "Répertoire des icons"},
    {1059, "Choix du répertoire des ROMS"},
    {1060, "Choix du répertoire des snapshots (PNG;JPG;BMP ou GIF)"},
    {1061, "Choix du répertoire des marquees"},
    {1062, "Choix du répertoire des icons"},
    {1063, "Choix de l'émulateur (EXE ou BATCH)"},
    {1064, "Choix du répertoire des musiques (MP3)"},
    {1065, "Choix du répertoires des images pour le slideshow si différent des snapshot"},
    {1066, "Sélection custom 1 à 6"},
    {1067, "Choix des répertoires custom (si pas utilisé dans le layout)"},
    {1068, "Choix du layout à utiliser pour cette configuration"},
    {1069, "Choix de la liste des ROMS à utiliser"},
    {1070, "Créer la liste des ROMS à partir d'un émulateur"},
    {1071, "Configuration à afficher lors de l'appui sur la touche MENU"},
    {1075, "Défilement d'images au hazard"},
    {1076, "Démarrer un jeux au hazard"},
    {1077, "Délai en secondes avant le lancement du screensaver"},
    {1078, "Durée en secondes d'un élément du screensaver (image ou jeux)"},
    {1079, "répertoires des images pour le slideshow"},
    {1080, "Parcourir également les sous-répertoires pour le slideshow"},
    {1081, "Parcourir également les sous-répertoires pour la musique"},
    {1082, "Volume par défaut de la musique de fond (0 pas de musique -> 1000 maximum)"},
    {1083, "Répertoires custom"},
    {1084, "Liste des ROMS à utiliser"},
    {1085, "Extension(s) des ROMS (séparées par un ; si plusieurs)"},
    {1086, "Pas de screensaver"},
    {1087, "Angle de rotation du layout"},
    {1089, "Mettre l'écran en veille"},
    {1090, "Choix du répertoire des vidéos, jouées à la place du snapshot"},
    {1091, "Jouer le son des vidéos (la musique est baissée pendant ce temps)"},
    {1092, "Répertoire des vidéos (MP4;MKV;WEBM;AVI ou FLV)"},
    {1099, "Arguments de l'émulateur : %ROM% (chemin complet de la ROM), %NAME% (nom du jeu), "
           "%ROMDIR% (répertoire des ROMS, absolu), %EMUDIR% (répertoire de l'émulateur) ; "
           "vide : le chemin de la ROM seul (entre guillemets selon « Rom entre \"\" »)"},
    {1100, "Créer une configuration avec les réglages par défaut et sa propre liste de ROMS"},
    {10480, "Cette configuration ne lance pas de jeux mais est un menu de sélection"},
    {10481, "Mettre le nom de la ROM entre guillemets"},
    {10482, "Cacher la fenêtre en mode plein écran (pour MAME)"},
    {10490, "Envoyer l'extension des ROMS à l'émulateur"},
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
    if (row.id == controlId) return QString::fromUtf8(row.text.data(), qsizetype(row.text.size()));
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
