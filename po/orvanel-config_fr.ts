<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>SelfCheck</name>
    <message>
        <source>Vérification de la borne</source>
        <translation>Vérification de la borne</translation>
    </message>
    <message>
        <source>Le menu (orvanel) est introuvable à côté du configurateur ou ne répond pas.</source>
        <translation>Le menu (orvanel) est introuvable à côté du configurateur ou ne répond pas.</translation>
    </message>
</context>
<context>
    <name>cfg::BooksCharts</name>
    <message>
        <source>Pièces</source>
        <translation>Pièces</translation>
    </message>
    <message>
        <source>Pièces par jour</source>
        <translation>Pièces par jour</translation>
    </message>
    <message>
        <source>du %1 au %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>Parties</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Les 20 jeux qui rapportent le plus</source>
        <translation>Les 20 jeux qui rapportent le plus</translation>
    </message>
    <message>
        <source>Les 20 jeux les plus joués</source>
        <translation>Les 20 jeux les plus joués</translation>
    </message>
    <message>
        <source>Pièces par monnayeur</source>
        <translation>Pièces par monnayeur</translation>
    </message>
</context>
<context>
    <name>cfg::ConfigWindow</name>
    <message>
        <source>Quitter l&apos;application ?</source>
        <translation>Quitter l&apos;application ?</translation>
    </message>
    <message>
        <source>Config Générale</source>
        <translation>Config Générale</translation>
    </message>
    <message>
        <source>Config Emus</source>
        <translation>Config Emus</translation>
    </message>
    <message>
        <source>Éditeur layout</source>
        <translation>Éditeur layout</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Importer</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Enregistrer &amp;sous...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Statistiques</source>
        <translation>Statistiques</translation>
    </message>
</context>
<context>
    <name>cfg::EmusPage</name>
    <message>
        <source>=== PAS DE MENU ===</source>
        <translation>=== PAS DE MENU ===</translation>
    </message>
    <message>
        <source>Nouvelle</source>
        <translation>Nouvelle</translation>
    </message>
    <message>
        <source>Config.</source>
        <translation>Config.</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>&amp;Émulateur</source>
        <translation>&amp;Émulateur</translation>
    </message>
    <message>
        <source>Tous les fichiers (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Exécutable de l&apos;émulateur</source>
        <translation>Exécutable de l&apos;émulateur</translation>
    </message>
    <message>
        <source>&amp;Roms</source>
        <translation>&amp;Roms</translation>
    </message>
    <message>
        <source>Répertoire des ROMS</source>
        <translation>Répertoire des ROMS</translation>
    </message>
    <message>
        <source>Utiliser Roms Ext.</source>
        <translation>Utiliser Roms Ext.</translation>
    </message>
    <message>
        <source>Roms Ext.</source>
        <translation>Roms Ext.</translation>
    </message>
    <message>
        <source>Arguments</source>
        <translation>Arguments</translation>
    </message>
    <message>
        <source>&amp;Snap</source>
        <translation>&amp;Snap</translation>
    </message>
    <message>
        <source>Répertoire des snapshots</source>
        <translation>Répertoire des snapshots</translation>
    </message>
    <message>
        <source>&amp;Marquees</source>
        <translation>&amp;Marquees</translation>
    </message>
    <message>
        <source>Répertoire des marquees</source>
        <translation>Répertoire des marquees</translation>
    </message>
    <message>
        <source>&amp;Icônes</source>
        <translation>&amp;Icônes</translation>
    </message>
    <message>
        <source>Répertoire des icônes</source>
        <translation>Répertoire des icônes</translation>
    </message>
    <message>
        <source>&amp;Musique</source>
        <translation>&amp;Musique</translation>
    </message>
    <message>
        <source>Répertoire des musiques</source>
        <translation>Répertoire des musiques</translation>
    </message>
    <message>
        <source>Sous-rép.</source>
        <translation>Sous-rép.</translation>
    </message>
    <message>
        <source>&amp;Diaporama</source>
        <translation>&amp;Diaporama</translation>
    </message>
    <message>
        <source>Répertoire des images de l&apos;économiseur d&apos;écran</source>
        <translation>Répertoire des images de l&apos;économiseur d&apos;écran</translation>
    </message>
    <message>
        <source>&amp;Vidéos</source>
        <translation>&amp;Vidéos</translation>
    </message>
    <message>
        <source>Répertoire des vidéos</source>
        <translation>Répertoire des vidéos</translation>
    </message>
    <message>
        <source>Son des vidéos</source>
        <translation>Son des vidéos</translation>
    </message>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Custom</translation>
    </message>
    <message>
        <source>Répertoire des images custom (flyers, borne, etc.)</source>
        <translation>Répertoire des images custom (flyers, borne, etc.)</translation>
    </message>
    <message>
        <source>Liste de ROMS</source>
        <translation>Liste de ROMS</translation>
    </message>
    <message>
        <source>Créer</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Filtre</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Fichiers texte (*.txt *.TXT);;Tous les fichiers (*)</source>
        <translation>Fichiers texte (*.txt *.TXT);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Liste des ROMS</source>
        <translation>Liste des ROMS</translation>
    </message>
    <message>
        <source>Économiseur d&apos;écran</source>
        <translation>Économiseur d&apos;écran</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Lance une ROM (MAME)</source>
        <translation>Lance une ROM (MAME)</translation>
    </message>
    <message>
        <source>Diaporama</source>
        <translation>Diaporama</translation>
    </message>
    <message>
        <source>Veille de l&apos;écran</source>
        <translation>Veille de l&apos;écran</translation>
    </message>
    <message>
        <source>Délai</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Durée</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Défilement liste / page</source>
        <translation>Défilement liste / page</translation>
    </message>
    <message>
        <source>Activer les sons</source>
        <translation>Activer les sons</translation>
    </message>
    <message>
        <source>Rom entre &quot;&quot;</source>
        <translation>Rom entre &quot;&quot;</translation>
    </message>
    <message>
        <source>Cacher la fenêtre</source>
        <translation>Cacher la fenêtre</translation>
    </message>
    <message>
        <source>Vol. musique</source>
        <translation>Vol. musique</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Nom de la nouvelle configuration :</source>
        <translation>Nom de la nouvelle configuration :</translation>
    </message>
    <message>
        <source>Cette configuration n&apos;a pas de liste de ROMS à filtrer.</source>
        <translation>Cette configuration n&apos;a pas de liste de ROMS à filtrer.</translation>
    </message>
    <message>
        <source>Fichiers de paramètres (*.ini *.INI);;Tous les fichiers (*)</source>
        <translation>Fichiers de paramètres (*.ini *.INI);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Enregistrement d&apos;une configuration d&apos;émulateur</source>
        <translation>Enregistrement d&apos;une configuration d&apos;émulateur</translation>
    </message>
    <message>
        <source>Fichiers ini (*.ini *.INI);;Tous les fichiers (*)</source>
        <translation>Fichiers ini (*.ini *.INI);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>cfg::FilterDialog</name>
    <message>
        <source>Liste</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Catégories (aucune cochée : toutes)</source>
        <translation>Catégories (aucune cochée : toutes)</translation>
    </message>
    <message>
        <source>Sans les jeux pour adultes</source>
        <translation>Sans les jeux pour adultes</translation>
    </message>
    <message>
        <source>Tous les écrans</source>
        <translation>Tous les écrans</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Jeux parents uniquement</source>
        <translation>Jeux parents uniquement</translation>
    </message>
    <message>
        <source>Années de</source>
        <translation>Années de</translation>
    </message>
    <message>
        <source>à</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Contrôles (aucun coché : tous)</source>
        <translation>Contrôles (aucun coché : tous)</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>aucun</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Fichiers ini (*.ini *.INI);;Tous les fichiers (*)</source>
        <translation>Fichiers ini (*.ini *.INI);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Impossible de lire %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message>
        <source>(sans sous-catégorie)</source>
        <translation>(sans sous-catégorie)</translation>
    </message>
    <message>
        <source>Tous les nombres de joueurs</source>
        <translation>Tous les nombres de joueurs</translation>
    </message>
    <message>
        <source>1 joueur</source>
        <translation>1 joueur</translation>
    </message>
    <message>
        <source>%1 joueurs</source>
        <translation>%1 joueurs</translation>
    </message>
    <message>
        <source>(aucun)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>%1 jeux sur %2</source>
        <translation>%1 jeux sur %2</translation>
    </message>
    <message>
        <source>Aucun jeu ne passe le filtre : %1 reste tel qu&apos;il était.</source>
        <translation>Aucun jeu ne passe le filtre : %1 reste tel qu&apos;il était.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire %1</source>
        <translation>Impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>%1 jeux enregistrés dans %2</source>
        <translation>%1 jeux enregistrés dans %2</translation>
    </message>
    <message>
        <source>Filtre</source>
        <translation>Filtre</translation>
    </message>
</context>
<context>
    <name>cfg::GamesTableModel</name>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Jeu</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Parties</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>C1</source>
        <translation>C1</translation>
    </message>
    <message>
        <source>C2</source>
        <translation>C2</translation>
    </message>
    <message>
        <source>C3</source>
        <translation>C3</translation>
    </message>
    <message>
        <source>C4</source>
        <translation>C4</translation>
    </message>
    <message>
        <source>Pièces</source>
        <translation>Pièces</translation>
    </message>
    <message>
        <source>Temps de jeu</source>
        <translation>Temps de jeu</translation>
    </message>
    <message>
        <source>Dernière partie</source>
        <translation>Dernière partie</translation>
    </message>
</context>
<context>
    <name>cfg::GeneralPage</name>
    <message>
        <source>Fenêtré</source>
        <translation>Fenêtré</translation>
    </message>
    <message>
        <source>Transitions entre écrans</source>
        <translation>Transitions entre écrans</translation>
    </message>
    <message>
        <source>Résolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Éteindre l&apos;ordinateur en quittant</source>
        <translation>Éteindre l&apos;ordinateur en quittant</translation>
    </message>
    <message>
        <source>Config. touches</source>
        <translation>Config. touches</translation>
    </message>
    <message>
        <source>Config. du « menu principal »</source>
        <translation>Config. du « menu principal »</translation>
    </message>
    <message>
        <source>vide : pas de verrouillage</source>
        <translation>vide : pas de verrouillage</translation>
    </message>
    <message>
        <source>Verrouillage (codes des touches, ex. 672+672)</source>
        <translation>Verrouillage (codes des touches, ex. 672+672)</translation>
    </message>
    <message>
        <source>vide : la touche Quitter seule</source>
        <translation>vide : la touche Quitter seule</translation>
    </message>
    <message>
        <source>Sortie d&apos;un jeu : touches maintenues (ex. 2+4)</source>
        <translation>Sortie d&apos;un jeu : touches maintenues (ex. 2+4)</translation>
    </message>
    <message>
        <source>pendant (ms, 0 : jamais)</source>
        <translation>pendant (ms, 0 : jamais)</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Selon le système</source>
        <translation>Selon le système</translation>
    </message>
    <message>
        <source>Touches</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Changer la touche</source>
        <translation>Changer la touche</translation>
    </message>
    <message>
        <source>Fichiers ini (*.ini *.INI);;Tous les fichiers (*)</source>
        <translation>Fichiers ini (*.ini *.INI);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Enregistrement d&apos;une configuration principale</source>
        <translation>Enregistrement d&apos;une configuration principale</translation>
    </message>
    <message>
        <source>Vérifier</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Mémoire des images (Mio, 0 : sans limite)</source>
        <translation>Mémoire des images (Mio, 0 : sans limite)</translation>
    </message>
    <message>
        <source>Hauteur de rendu</source>
        <translation>Hauteur de rendu</translation>
    </message>
</context>
<context>
    <name>cfg::GeneratorDialog</name>
    <message>
        <source>Enregistrement d&apos;une liste de ROMS</source>
        <translation>Enregistrement d&apos;une liste de ROMS</translation>
    </message>
    <message>
        <source>Fichiers texte (*.txt *.TXT);;Tous les fichiers (*)</source>
        <translation>Fichiers texte (*.txt *.TXT);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Création de listes de ROMS</source>
        <translation>Création de listes de ROMS</translation>
    </message>
    <message>
        <source>Uniquement les Roms existantes</source>
        <translation>Uniquement les Roms existantes</translation>
    </message>
    <message>
        <source>&amp;Créer liste</source>
        <translation>&amp;Créer liste</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Émulateur</source>
        <translation>Émulateur</translation>
    </message>
</context>
<context>
    <name>cfg::KeyCaptureDialog</name>
    <message>
        <source>Aucune touche</source>
        <translation>Aucune touche</translation>
    </message>
    <message>
        <source>Configuration des touches</source>
        <translation>Configuration des touches</translation>
    </message>
</context>
<context>
    <name>cfg::KeyTableModel</name>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Touche</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Manette</source>
        <translation>Manette</translation>
    </message>
    <message>
        <source>Pièce %1 (C%1, fixe)</source>
        <translation>Pièce %1 (C%1, fixe)</translation>
    </message>
</context>
<context>
    <name>cfg::LayoutPage</name>
    <message>
        <source>Valeur incorrecte ! (Ne peut être négative ou supérieure à la largeur du layout)</source>
        <translation>Valeur incorrecte ! (Ne peut être négative ou supérieure à la largeur du layout)</translation>
    </message>
    <message>
        <source>Valeur incorrecte ! (Ne peut être négative ou supérieure à la hauteur du layout)</source>
        <translation>Valeur incorrecte ! (Ne peut être négative ou supérieure à la hauteur du layout)</translation>
    </message>
    <message>
        <source>Valeur incorrecte ! (0 Transparent -&gt; 255 opaque)</source>
        <translation>Valeur incorrecte ! (0 Transparent -&gt; 255 opaque)</translation>
    </message>
    <message>
        <source>Valeur incorrecte !</source>
        <translation>Valeur incorrecte !</translation>
    </message>
    <message>
        <source>Valeur incorrecte ! (Ne peut être &gt; à la résolution actuelle)</source>
        <translation>Valeur incorrecte ! (Ne peut être &gt; à la résolution actuelle)</translation>
    </message>
    <message>
        <source>Pointeur : %1, %2</source>
        <translation>Pointeur : %1, %2</translation>
    </message>
    <message>
        <source>Fichiers config (*.cfg *.CFG);;Tous les fichiers (*)</source>
        <translation>Fichiers config (*.cfg *.CFG);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Enregistrement d&apos;une configuration de layout</source>
        <translation>Enregistrement d&apos;une configuration de layout</translation>
    </message>
    <message>
        <source>Quitter l&apos;application ?</source>
        <translation>Quitter l&apos;application ?</translation>
    </message>
    <message>
        <source>Fichier de layout AtomicFe</source>
        <translation>Fichier de layout AtomicFe</translation>
    </message>
    <message>
        <source>Fichiers layout (*.lay *.LAY);;Tous les fichiers (*)</source>
        <translation>Fichiers layout (*.lay *.LAY);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Fichier de layout MAMEWAH</source>
        <translation>Fichier de layout MAMEWAH</translation>
    </message>
    <message>
        <source>Objets</source>
        <translation>Objets</translation>
    </message>
    <message>
        <source>Largeur</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Opacité</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Liste de marquees</source>
        <translation>Liste de marquees</translation>
    </message>
    <message>
        <source>Afficher les icônes</source>
        <translation>Afficher les icônes</translation>
    </message>
    <message>
        <source>Nb de lignes</source>
        <translation>Nb de lignes</translation>
    </message>
    <message>
        <source>&amp;Ordre</source>
        <translation>&amp;Ordre</translation>
    </message>
    <message>
        <source>Police de caractères</source>
        <translation>Police de caractères</translation>
    </message>
    <message>
        <source>Taille</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Gauche</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Droite</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Couleur texte</source>
        <translation>Couleur texte</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Étirer</source>
        <translation>Étirer</translation>
    </message>
    <message>
        <source>Proportionnel</source>
        <translation>Proportionnel</translation>
    </message>
    <message>
        <source>Haut</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Bas</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Nouveau</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Couleur transparente</source>
        <translation>Couleur transparente</translation>
    </message>
    <message>
        <source>Résolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Opacité min. du sélecteur</source>
        <translation>Opacité min. du sélecteur</translation>
    </message>
    <message>
        <source>Opacité max. du sélecteur</source>
        <translation>Opacité max. du sélecteur</translation>
    </message>
    <message>
        <source>&amp;Appliquer</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>Jeu de l&apos;aperçu</source>
        <translation>Jeu de l&apos;aperçu</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Rétablir</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>(Exemple)</source>
        <translation>(Exemple)</translation>
    </message>
</context>
<context>
    <name>cfg::MessageBoxes</name>
    <message>
        <source>Oui</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>cfg::OrderDialog</name>
    <message>
        <source>Ordre d&apos;affichage des objets</source>
        <translation>Ordre d&apos;affichage des objets</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Premier plan</source>
        <translation>Premier plan</translation>
    </message>
    <message>
        <source>Arrière-plan</source>
        <translation>Arrière-plan</translation>
    </message>
</context>
<context>
    <name>cfg::Page</name>
    <message>
        <source>Configurateur Orvanel</source>
        <translation>Configurateur Orvanel</translation>
    </message>
    <message>
        <source>Enregistrer les modifications ?</source>
        <translation>Enregistrer les modifications ?</translation>
    </message>
</context>
<context>
    <name>cfg::StatisticsPage</name>
    <message>
        <source>Filtrer les jeux (nom, configuration)</source>
        <translation>Filtrer les jeux (nom, configuration)</translation>
    </message>
    <message>
        <source>Période en cours</source>
        <translation>Période en cours</translation>
    </message>
    <message>
        <source>Période archivée : %1</source>
        <translation>Période archivée : %1</translation>
    </message>
    <message>
        <source>Ce mois-ci</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>Le mois dernier</source>
        <translation>Le mois dernier</translation>
    </message>
    <message>
        <source>Cette année</source>
        <translation>Cette année</translation>
    </message>
    <message>
        <source>Tout</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Du… au…</source>
        <translation>Du… au…</translation>
    </message>
    <message>
        <source>Top 20 par pièces</source>
        <translation>Top 20 par pièces</translation>
    </message>
    <message>
        <source>Top 20 par parties</source>
        <translation>Top 20 par parties</translation>
    </message>
    <message>
        <source>Exporter CSV</source>
        <translation>Exporter CSV</translation>
    </message>
    <message>
        <source>Une ligne par jeu…</source>
        <translation>Une ligne par jeu…</translation>
    </message>
    <message>
        <source>Une ligne par jour…</source>
        <translation>Une ligne par jour…</translation>
    </message>
    <message>
        <source>Remise à zéro…</source>
        <translation>Remise à zéro…</translation>
    </message>
    <message>
        <source>Période</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Pièces par jour</source>
        <translation>Pièces par jour</translation>
    </message>
    <message>
        <source>Top 20</source>
        <translation>Top 20</translation>
    </message>
    <message>
        <source>Par monnayeur</source>
        <translation>Par monnayeur</translation>
    </message>
    <message>
        <source>Lecture du journal des parties… %1 %</source>
        <translation>Lecture du journal des parties… %1 %</translation>
    </message>
    <message>
        <source>Toutes les configurations</source>
        <translation>Toutes les configurations</translation>
    </message>
    <message>
        <source>Pas encore de journal des parties : totaux des fichiers .sta depuis leur début ; les chiffres par jour et par période commencent avec le journal.</source>
        <translation>Pas encore de journal des parties : totaux des fichiers .sta depuis leur début ; les chiffres par jour et par période commencent avec le journal.</translation>
    </message>
    <message>
        <source>Une partie du journal n&apos;a pas pu être lue.</source>
        <translation>Une partie du journal n&apos;a pas pu être lue.</translation>
    </message>
    <message numerus="yes">
        <source>%n ligne(s) du journal ignorée(s) (coupée(s) ou illisible(s)).</source>
        <translation>
            <numerusform>%n ligne(s) du journal ignorée(s) (coupée(s) ou illisible(s)).</numerusform>
            <numerusform>%n ligne(s) du journal ignorée(s) (coupée(s) ou illisible(s)).</numerusform>
        </translation>
    </message>
    <message>
        <source>Pièces : %1    Parties : %2    Temps de jeu : %3    Temps au menu : %4</source>
        <translation>Pièces : %1    Parties : %2    Temps de jeu : %3    Temps au menu : %4</translation>
    </message>
    <message>
        <source>Écriture impossible : %1</source>
        <translation>Écriture impossible : %1</translation>
    </message>
    <message>
        <source>Fichiers CSV (*.csv);;Tous les fichiers (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Remettre à zéro les compteurs de pièces et de parties ?

L&apos;ancienne période sera d&apos;abord archivée dans le dossier
%1
et restera lisible ici (« Période archivée »).</source>
        <translation>Remettre à zéro les compteurs de pièces et de parties ?

L&apos;ancienne période sera d&apos;abord archivée dans le dossier
%1
et restera lisible ici (« Période archivée »).</translation>
    </message>
    <message>
        <source>Remise à zéro impossible (%1) : rien n&apos;a été modifié.</source>
        <translation>Remise à zéro impossible (%1) : rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Remise à zéro interrompue (%1) : l&apos;archive garde l&apos;ancienne période.</source>
        <translation>Remise à zéro interrompue (%1) : l&apos;archive garde l&apos;ancienne période.</translation>
    </message>
</context>
<context>
    <name>cfg::StatusBox</name>
    <message>
        <source>Infos</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Arrêter</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>cfg::Tooltips</name>
    <message>
        <source>Sélectionner un objet à modifier</source>
        <translation>Sélectionner un objet à modifier</translation>
    </message>
    <message>
        <source>Coin supérieur gauche de l&apos;objet</source>
        <translation>Coin supérieur gauche de l&apos;objet</translation>
    </message>
    <message>
        <source>Largeur de l&apos;objet</source>
        <translation>Largeur de l&apos;objet</translation>
    </message>
    <message>
        <source>Hauteur de l&apos;objet</source>
        <translation>Hauteur de l&apos;objet</translation>
    </message>
    <message>
        <source>Opacité de l&apos;objet (0=Transparent, 255=Opaque)</source>
        <translation>Opacité de l&apos;objet (0=Transparent, 255=Opaque)</translation>
    </message>
    <message>
        <source>Vitesse du défilement horizontal (1 lent -&gt; 10 rapide)</source>
        <translation>Vitesse du défilement horizontal (1 lent -&gt; 10 rapide)</translation>
    </message>
    <message>
        <source>Vitesse du défilement vertical (1 lent -&gt; 10 rapide)</source>
        <translation>Vitesse du défilement vertical (1 lent -&gt; 10 rapide)</translation>
    </message>
    <message>
        <source>Objet visible ou non</source>
        <translation>Objet visible ou non</translation>
    </message>
    <message>
        <source>Liste montrant les images du répertoire des marquees à la place du texte</source>
        <translation>Liste montrant les images du répertoire des marquees à la place du texte</translation>
    </message>
    <message>
        <source>Nombre de lignes dans la liste (texte ou marquee)</source>
        <translation>Nombre de lignes dans la liste (texte ou marquee)</translation>
    </message>
    <message>
        <source>Alignement du texte</source>
        <translation>Alignement du texte</translation>
    </message>
    <message>
        <source>Choix de la police de caractères de l&apos;objet</source>
        <translation>Choix de la police de caractères de l&apos;objet</translation>
    </message>
    <message>
        <source>Taille en pixels de la police de caractères</source>
        <translation>Taille en pixels de la police de caractères</translation>
    </message>
    <message>
        <source>Couleur du texte</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Charger un layout</source>
        <translation>Charger un layout</translation>
    </message>
    <message>
        <source>Couleur générale de transparence</source>
        <translation>Couleur générale de transparence</translation>
    </message>
    <message>
        <source>Largeur du layout</source>
        <translation>Largeur du layout</translation>
    </message>
    <message>
        <source>Hauteur du layout</source>
        <translation>Hauteur du layout</translation>
    </message>
    <message>
        <source>Opacité minimale du sélecteur (0=Transparent, 255=Opaque)</source>
        <translation>Opacité minimale du sélecteur (0=Transparent, 255=Opaque)</translation>
    </message>
    <message>
        <source>Opacité maximale du sélecteur (0=Transparent, 255=Opaque)</source>
        <translation>Opacité maximale du sélecteur (0=Transparent, 255=Opaque)</translation>
    </message>
    <message>
        <source>Définir l&apos;ordre d&apos;affichage des objets</source>
        <translation>Définir l&apos;ordre d&apos;affichage des objets</translation>
    </message>
    <message>
        <source>Annuler la dernière modification du layout (Ctrl+Z)</source>
        <translation>Annuler la dernière modification du layout (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Rétablir la modification annulée (Ctrl+Y)</source>
        <translation>Rétablir la modification annulée (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Commencer un layout vide (Enregistrer demande où l&apos;écrire)</source>
        <translation>Commencer un layout vide (Enregistrer demande où l&apos;écrire)</translation>
    </message>
    <message>
        <source>Jeu montré par l&apos;aperçu : l&apos;exemple, ou un jeu de la configuration de Config Emus</source>
        <translation>Jeu montré par l&apos;aperçu : l&apos;exemple, ou un jeu de la configuration de Config Emus</translation>
    </message>
    <message>
        <source>Garder les proportions de l&apos;image</source>
        <translation>Garder les proportions de l&apos;image</translation>
    </message>
    <message>
        <source>Ajuster l&apos;image à la zone</source>
        <translation>Ajuster l&apos;image à la zone</translation>
    </message>
    <message>
        <source>Défilement horizontal vers la gauche</source>
        <translation>Défilement horizontal vers la gauche</translation>
    </message>
    <message>
        <source>Défilement horizontal vers la droite</source>
        <translation>Défilement horizontal vers la droite</translation>
    </message>
    <message>
        <source>Défilement vertical vers le haut</source>
        <translation>Défilement vertical vers le haut</translation>
    </message>
    <message>
        <source>Défilement vertical vers le bas</source>
        <translation>Défilement vertical vers le bas</translation>
    </message>
    <message>
        <source>Largeur de la fenêtre principale</source>
        <translation>Largeur de la fenêtre principale</translation>
    </message>
    <message>
        <source>Hauteur de la fenêtre principale</source>
        <translation>Hauteur de la fenêtre principale</translation>
    </message>
    <message>
        <source>Affichage en mode fenêtré ou plein écran</source>
        <translation>Affichage en mode fenêtré ou plein écran</translation>
    </message>
    <message>
        <source>Configuration des touches</source>
        <translation>Configuration des touches</translation>
    </message>
    <message>
        <source>Défilement de la liste des jeux par page, sinon par lettre</source>
        <translation>Défilement de la liste des jeux par page, sinon par lettre</translation>
    </message>
    <message>
        <source>Utiliser ou non les sons</source>
        <translation>Utiliser ou non les sons</translation>
    </message>
    <message>
        <source>Effet de transition entre les configurations</source>
        <translation>Effet de transition entre les configurations</translation>
    </message>
    <message>
        <source>Configuration à afficher lors de l&apos;appui sur la touche « Menu principal »</source>
        <translation>Configuration à afficher lors de l&apos;appui sur la touche « Menu principal »</translation>
    </message>
    <message>
        <source>Éteindre l&apos;ordinateur à la fermeture d&apos;Orvanel</source>
        <translation>Éteindre l&apos;ordinateur à la fermeture d&apos;Orvanel</translation>
    </message>
    <message>
        <source>Touches du panneau à taper après la touche Quitter pour revenir au bureau (codes joints par +)</source>
        <translation>Touches du panneau à taper après la touche Quitter pour revenir au bureau (codes joints par +)</translation>
    </message>
    <message>
        <source>Touches à maintenir ensemble pendant un jeu pour le quitter (codes joints par +) ; vide : la touche Quitter</source>
        <translation>Touches à maintenir ensemble pendant un jeu pour le quitter (codes joints par +) ; vide : la touche Quitter</translation>
    </message>
    <message>
        <source>Durée de maintien qui quitte le jeu, en millisecondes ; 0 : jamais</source>
        <translation>Durée de maintien qui quitte le jeu, en millisecondes ; 0 : jamais</translation>
    </message>
    <message>
        <source>Touche de chaque action (double-clic : la changer seule)</source>
        <translation>Touche de chaque action (double-clic : la changer seule)</translation>
    </message>
    <message>
        <source>Choisir les jeux de la liste à afficher (catégories, joueurs, écran, contrôles, années)</source>
        <translation>Choisir les jeux de la liste à afficher (catégories, joueurs, écran, contrôles, années)</translation>
    </message>
    <message>
        <source>Changer la touche de l&apos;action choisie, sans toucher aux autres</source>
        <translation>Changer la touche de l&apos;action choisie, sans toucher aux autres</translation>
    </message>
    <message>
        <source>Répertoire des ROMS</source>
        <translation>Répertoire des ROMS</translation>
    </message>
    <message>
        <source>Charger une configuration</source>
        <translation>Charger une configuration</translation>
    </message>
    <message>
        <source>Répertoire des snapshots</source>
        <translation>Répertoire des snapshots</translation>
    </message>
    <message>
        <source>Répertoire des marquees</source>
        <translation>Répertoire des marquees</translation>
    </message>
    <message>
        <source>Répertoire de l&apos;émulateur</source>
        <translation>Répertoire de l&apos;émulateur</translation>
    </message>
    <message>
        <source>Répertoire des musiques</source>
        <translation>Répertoire des musiques</translation>
    </message>
    <message>
        <source>Répertoire des icônes</source>
        <translation>Répertoire des icônes</translation>
    </message>
    <message>
        <source>Choix du répertoire des ROMS</source>
        <translation>Choix du répertoire des ROMS</translation>
    </message>
    <message>
        <source>Choix du répertoire des snapshots (PNG;JPG;BMP ou GIF)</source>
        <translation>Choix du répertoire des snapshots (PNG;JPG;BMP ou GIF)</translation>
    </message>
    <message>
        <source>Choix du répertoire des marquees</source>
        <translation>Choix du répertoire des marquees</translation>
    </message>
    <message>
        <source>Choix du répertoire des icônes</source>
        <translation>Choix du répertoire des icônes</translation>
    </message>
    <message>
        <source>Choix de l&apos;émulateur (programme ou script)</source>
        <translation>Choix de l&apos;émulateur (programme ou script)</translation>
    </message>
    <message>
        <source>Choix du répertoire des musiques (MP3)</source>
        <translation>Choix du répertoire des musiques (MP3)</translation>
    </message>
    <message>
        <source>Choix du répertoire des images du diaporama, s&apos;il diffère de celui des snapshots</source>
        <translation>Choix du répertoire des images du diaporama, s&apos;il diffère de celui des snapshots</translation>
    </message>
    <message>
        <source>Sélection custom 1 à 6</source>
        <translation>Sélection custom 1 à 6</translation>
    </message>
    <message>
        <source>Choix des répertoires custom (s&apos;ils ne sont pas utilisés dans le layout)</source>
        <translation>Choix des répertoires custom (s&apos;ils ne sont pas utilisés dans le layout)</translation>
    </message>
    <message>
        <source>Choix du layout à utiliser pour cette configuration</source>
        <translation>Choix du layout à utiliser pour cette configuration</translation>
    </message>
    <message>
        <source>Choix de la liste des ROMS à utiliser</source>
        <translation>Choix de la liste des ROMS à utiliser</translation>
    </message>
    <message>
        <source>Créer la liste des ROMS à partir d&apos;un émulateur</source>
        <translation>Créer la liste des ROMS à partir d&apos;un émulateur</translation>
    </message>
    <message>
        <source>Configuration à afficher lors de l&apos;appui sur la touche « Menu »</source>
        <translation>Configuration à afficher lors de l&apos;appui sur la touche « Menu »</translation>
    </message>
    <message>
        <source>Défilement d&apos;images au hasard</source>
        <translation>Défilement d&apos;images au hasard</translation>
    </message>
    <message>
        <source>Démarrer un jeu au hasard</source>
        <translation>Démarrer un jeu au hasard</translation>
    </message>
    <message>
        <source>Délai en secondes avant le lancement de l&apos;économiseur d&apos;écran</source>
        <translation>Délai en secondes avant le lancement de l&apos;économiseur d&apos;écran</translation>
    </message>
    <message>
        <source>Durée en secondes d&apos;un élément de l&apos;économiseur d&apos;écran (image ou jeu)</source>
        <translation>Durée en secondes d&apos;un élément de l&apos;économiseur d&apos;écran (image ou jeu)</translation>
    </message>
    <message>
        <source>Répertoire des images du diaporama</source>
        <translation>Répertoire des images du diaporama</translation>
    </message>
    <message>
        <source>Parcourir également les sous-répertoires pour le diaporama</source>
        <translation>Parcourir également les sous-répertoires pour le diaporama</translation>
    </message>
    <message>
        <source>Parcourir également les sous-répertoires pour la musique</source>
        <translation>Parcourir également les sous-répertoires pour la musique</translation>
    </message>
    <message>
        <source>Volume par défaut de la musique de fond (0 pas de musique -&gt; 1000 maximum)</source>
        <translation>Volume par défaut de la musique de fond (0 pas de musique -&gt; 1000 maximum)</translation>
    </message>
    <message>
        <source>Répertoires custom</source>
        <translation>Répertoires custom</translation>
    </message>
    <message>
        <source>Liste des ROMS à utiliser</source>
        <translation>Liste des ROMS à utiliser</translation>
    </message>
    <message>
        <source>Extension(s) des ROMS (séparées par un ; si plusieurs)</source>
        <translation>Extension(s) des ROMS (séparées par un ; si plusieurs)</translation>
    </message>
    <message>
        <source>Pas d&apos;économiseur d&apos;écran</source>
        <translation>Pas d&apos;économiseur d&apos;écran</translation>
    </message>
    <message>
        <source>Angle de rotation du layout</source>
        <translation>Angle de rotation du layout</translation>
    </message>
    <message>
        <source>Mettre l&apos;écran en veille</source>
        <translation>Mettre l&apos;écran en veille</translation>
    </message>
    <message>
        <source>Choix du répertoire des vidéos, jouées à la place du snapshot</source>
        <translation>Choix du répertoire des vidéos, jouées à la place du snapshot</translation>
    </message>
    <message>
        <source>Jouer le son des vidéos (la musique est baissée pendant ce temps)</source>
        <translation>Jouer le son des vidéos (la musique est baissée pendant ce temps)</translation>
    </message>
    <message>
        <source>Répertoire des vidéos (MP4;MKV;WEBM;AVI ou FLV)</source>
        <translation>Répertoire des vidéos (MP4;MKV;WEBM;AVI ou FLV)</translation>
    </message>
    <message>
        <source>Arguments de l&apos;émulateur : %ROM% (chemin complet de la ROM), %NAME% (nom du jeu), %ROMDIR% (répertoire des ROMS, absolu), %EMUDIR% (répertoire de l&apos;émulateur) ; vide : le chemin de la ROM seul (entre guillemets selon « Rom entre &quot;&quot; »)</source>
        <translation>Arguments de l&apos;émulateur : %ROM% (chemin complet de la ROM), %NAME% (nom du jeu), %ROMDIR% (répertoire des ROMS, absolu), %EMUDIR% (répertoire de l&apos;émulateur) ; vide : le chemin de la ROM seul (entre guillemets selon « Rom entre &quot;&quot; »)</translation>
    </message>
    <message>
        <source>Créer une configuration avec les réglages par défaut et sa propre liste de ROMS</source>
        <translation>Créer une configuration avec les réglages par défaut et sa propre liste de ROMS</translation>
    </message>
    <message>
        <source>Cette configuration ne lance pas de jeux mais est un menu de sélection</source>
        <translation>Cette configuration ne lance pas de jeux mais est un menu de sélection</translation>
    </message>
    <message>
        <source>Mettre le nom de la ROM entre guillemets</source>
        <translation>Mettre le nom de la ROM entre guillemets</translation>
    </message>
    <message>
        <source>Cacher la fenêtre en mode plein écran (pour MAME)</source>
        <translation>Cacher la fenêtre en mode plein écran (pour MAME)</translation>
    </message>
    <message>
        <source>Envoyer l&apos;extension des ROMS à l&apos;émulateur</source>
        <translation>Envoyer l&apos;extension des ROMS à l&apos;émulateur</translation>
    </message>
    <message>
        <source>Langue du menu et du configurateur ; « Selon le système » suit la langue de l&apos;ordinateur. Prend effet au prochain démarrage</source>
        <translation>Langue du menu et du configurateur ; « Selon le système » suit la langue de l&apos;ordinateur. Prend effet au prochain démarrage</translation>
    </message>
    <message>
        <source>Vérifie l&apos;installation, l&apos;écran, les entrées, le son, le suivi des touches et l&apos;extinction, comme orvanel --check</source>
        <translation>Vérifie l&apos;installation, l&apos;écran, les entrées, le son, le suivi des touches et l&apos;extinction, comme orvanel --check</translation>
    </message>
    <message>
        <source>Mémoire que les images du menu peuvent occuper, en Mio ; au-delà, les images des jeux affichées il y a le plus longtemps sont libérées (celles du modèle restent). 0 : sans limite</source>
        <translation>Mémoire que les images du menu peuvent occuper, en Mio ; au-delà, les images des jeux affichées il y a le plus longtemps sont libérées (celles du modèle restent). 0 : sans limite</translation>
    </message>
    <message>
        <source>Hauteur maximale en pixels à laquelle le menu est dessiné (le petit côté de l&apos;écran), l&apos;image étant ensuite agrandie à la taille de l&apos;écran : un écran 4K dessiné en 1080 coûte autant qu&apos;un écran 1080p. 0 : la taille de l&apos;écran</source>
        <translation>Hauteur maximale en pixels à laquelle le menu est dessiné (le petit côté de l&apos;écran), l&apos;image étant ensuite agrandie à la taille de l&apos;écran : un écran 4K dessiné en 1080 coûte autant qu&apos;un écran 1080p. 0 : la taille de l&apos;écran</translation>
    </message>
</context>
</TS>
