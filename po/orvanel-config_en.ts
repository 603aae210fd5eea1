<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>cfg::ConfigWindow</name>
    <message>
        <source>Quitter l&apos;application ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config Générale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config Emus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Éditeur layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrer &amp;sous...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cfg::EmusPage</name>
    <message>
        <source>=== PAS DE MENU ===</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nouvelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Émulateur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tous les fichiers (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exécutable de l&apos;émulateur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Roms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Répertoire des ROMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utiliser Roms Ext.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roms Ext.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Snap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Répertoire des snapshots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Marquees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Répertoire des marquees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Icônes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Répertoire des icônes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Musique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Répertoire des musiques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sous-rép.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Diaporama</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Répertoire des images de l&apos;économiseur d&apos;écran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vidéos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Répertoire des vidéos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Son des vidéos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Répertoire des images custom (flyers, borne, etc.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste de ROMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Créer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichiers texte (*.txt *.TXT);;Tous les fichiers (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste des ROMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Économiseur d&apos;écran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lance une ROM (MAME)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diaporama</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Veille de l&apos;écran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Délai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Durée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Défilement liste / page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activer les sons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rom entre &quot;&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cacher la fenêtre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vol. musique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nom de la nouvelle configuration :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cette configuration n&apos;a pas de liste de ROMS à filtrer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichiers de paramètres (*.ini *.INI);;Tous les fichiers (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrement d&apos;une configuration d&apos;émulateur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichiers ini (*.ini *.INI);;Tous les fichiers (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cfg::FilterDialog</name>
    <message>
        <source>Liste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catégories (aucune cochée : toutes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sans les jeux pour adultes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tous les écrans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jeux parents uniquement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Années de</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>à</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contrôles (aucun coché : tous)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aucun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichiers ini (*.ini *.INI);;Tous les fichiers (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible de lire %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(sans sous-catégorie)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tous les nombres de joueurs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 joueur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 joueurs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(aucun)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 jeux sur %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aucun jeu ne passe le filtre : %1 reste tel qu&apos;il était.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 jeux enregistrés dans %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cfg::GeneralPage</name>
    <message>
        <source>Fenêtré</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transitions entre écrans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Résolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Éteindre l&apos;ordinateur en quittant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config. touches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config. du « menu principal »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vide : pas de verrouillage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verrouillage (codes des touches, ex. 672+672)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vide : la touche Quitter seule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sortie d&apos;un jeu : touches maintenues (ex. 2+4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pendant (ms, 0 : jamais)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Langue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selon le système</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Touches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changer la touche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichiers ini (*.ini *.INI);;Tous les fichiers (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrement d&apos;une configuration principale</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cfg::GeneratorDialog</name>
    <message>
        <source>Enregistrement d&apos;une liste de ROMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichiers texte (*.txt *.TXT);;Tous les fichiers (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Création de listes de ROMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uniquement les Roms existantes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Créer liste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Émulateur</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cfg::KeyCaptureDialog</name>
    <message>
        <source>Aucune touche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration des touches</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cfg::KeyTableModel</name>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Touche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pièce %1 (C%1, fixe)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cfg::LayoutPage</name>
    <message>
        <source>Valeur incorrecte ! (Ne peut être négative ou supérieure à la largeur du layout)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valeur incorrecte ! (Ne peut être négative ou supérieure à la hauteur du layout)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valeur incorrecte ! (0 Transparent -&gt; 255 opaque)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valeur incorrecte !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valeur incorrecte ! (Ne peut être &gt; à la résolution actuelle)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointeur : %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichiers config (*.cfg *.CFG);;Tous les fichiers (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrement d&apos;une configuration de layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quitter l&apos;application ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichier de layout AtomicFe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichiers layout (*.lay *.LAY);;Tous les fichiers (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichier de layout MAMEWAH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Objets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largeur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opacité</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste de marquees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Afficher les icônes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nb de lignes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ordre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Police de caractères</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taille</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gauche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Droite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couleur texte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Étirer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proportionnel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Haut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nouveau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couleur transparente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Résolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opacité min. du sélecteur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opacité max. du sélecteur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Appliquer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jeu de l&apos;aperçu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rétablir</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cfg::MessageBoxes</name>
    <message>
        <source>Oui</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cfg::OrderDialog</name>
    <message>
        <source>Ordre d&apos;affichage des objets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Premier plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrière-plan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cfg::Page</name>
    <message>
        <source>Configurateur Orvanel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrer les modifications ?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cfg::StatusBox</name>
    <message>
        <source>Infos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrêter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cfg::Tooltips</name>
    <message>
        <source>Sélectionner un objet à modifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coin supérieur gauche de l&apos;objet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largeur de l&apos;objet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur de l&apos;objet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opacité de l&apos;objet (0=Transparent, 255=Opaque)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vitesse du défilement horizontal (1 lent -&gt; 10 rapide)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vitesse du défilement vertical (1 lent -&gt; 10 rapide)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Objet visible ou non</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste montrant les images du répertoire des marquees à la place du texte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre de lignes dans la liste (texte ou marquee)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alignement du texte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choix de la police de caractères de l&apos;objet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taille en pixels de la police de caractères</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couleur du texte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charger un layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couleur générale de transparence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largeur du layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur du layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opacité minimale du sélecteur (0=Transparent, 255=Opaque)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opacité maximale du sélecteur (0=Transparent, 255=Opaque)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Définir l&apos;ordre d&apos;affichage des objets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annuler la dernière modification du layout (Ctrl+Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rétablir la modification annulée (Ctrl+Y)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commencer un layout vide (Enregistrer demande où l&apos;écrire)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jeu montré par l&apos;aperçu : l&apos;exemple, ou un jeu de la configuration de Config Emus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Garder les proportions de l&apos;image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ajuster l&apos;image à la zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Défilement horizontal vers la gauche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Défilement horizontal vers la droite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Défilement vertical vers le haut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Défilement vertical vers le bas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largeur de la fenêtre principale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur de la fenêtre principale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Affichage en mode fenêtré ou plein écran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration des touches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Défilement de la liste des jeux par page, sinon par lettre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utiliser ou non les sons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effet de transition entre les configurations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration à afficher lors de l&apos;appui sur la touche « Menu principal »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Éteindre l&apos;ordinateur à la fermeture d&apos;Orvanel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Touches du panneau à taper après la touche Quitter pour revenir au bureau (codes joints par +)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Touches à maintenir ensemble pendant un jeu pour le quitter (codes joints par +) ; vide : la touche Quitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Durée de maintien qui quitte le jeu, en millisecondes ; 0 : jamais</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Touche de chaque action (double-clic : la changer seule)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choisir les jeux de la liste à afficher (catégories, joueurs, écran, contrôles, années)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changer la touche de l&apos;action choisie, sans toucher aux autres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Répertoire des ROMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charger une configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Répertoire des snapshots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Répertoire des marquees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Répertoire de l&apos;émulateur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Répertoire des musiques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Répertoire des icônes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choix du répertoire des ROMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choix du répertoire des snapshots (PNG;JPG;BMP ou GIF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choix du répertoire des marquees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choix du répertoire des icônes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choix de l&apos;émulateur (programme ou script)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choix du répertoire des musiques (MP3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choix du répertoire des images du diaporama, s&apos;il diffère de celui des snapshots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sélection custom 1 à 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choix des répertoires custom (s&apos;ils ne sont pas utilisés dans le layout)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choix du layout à utiliser pour cette configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choix de la liste des ROMS à utiliser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Créer la liste des ROMS à partir d&apos;un émulateur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration à afficher lors de l&apos;appui sur la touche « Menu »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Défilement d&apos;images au hasard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Démarrer un jeu au hasard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Délai en secondes avant le lancement de l&apos;économiseur d&apos;écran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Durée en secondes d&apos;un élément de l&apos;économiseur d&apos;écran (image ou jeu)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Répertoire des images du diaporama</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parcourir également les sous-répertoires pour le diaporama</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parcourir également les sous-répertoires pour la musique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume par défaut de la musique de fond (0 pas de musique -&gt; 1000 maximum)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Répertoires custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liste des ROMS à utiliser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extension(s) des ROMS (séparées par un ; si plusieurs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pas d&apos;économiseur d&apos;écran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle de rotation du layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mettre l&apos;écran en veille</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choix du répertoire des vidéos, jouées à la place du snapshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jouer le son des vidéos (la musique est baissée pendant ce temps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Répertoire des vidéos (MP4;MKV;WEBM;AVI ou FLV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arguments de l&apos;émulateur : %ROM% (chemin complet de la ROM), %NAME% (nom du jeu), %ROMDIR% (répertoire des ROMS, absolu), %EMUDIR% (répertoire de l&apos;émulateur) ; vide : le chemin de la ROM seul (entre guillemets selon « Rom entre &quot;&quot; »)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Créer une configuration avec les réglages par défaut et sa propre liste de ROMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cette configuration ne lance pas de jeux mais est un menu de sélection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mettre le nom de la ROM entre guillemets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cacher la fenêtre en mode plein écran (pour MAME)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envoyer l&apos;extension des ROMS à l&apos;émulateur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Langue du menu et du configurateur ; « Selon le système » suit la langue de l&apos;ordinateur. Prend effet au prochain démarrage</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
