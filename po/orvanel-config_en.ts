<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>SelfCheck</name>
    <message>
        <source>Vérification de la borne</source>
        <translation>Cabinet check</translation>
    </message>
    <message>
        <source>Le menu (orvanel) est introuvable à côté du configurateur ou ne répond pas.</source>
        <translation>The menu program (orvanel) is not beside the configurator or does not answer.</translation>
    </message>
</context>
<context>
    <name>cfg::BooksCharts</name>
    <message>
        <source>Pièces</source>
        <translation>Coins</translation>
    </message>
    <message>
        <source>Pièces par jour</source>
        <translation>Coins per day</translation>
    </message>
    <message>
        <source>du %1 au %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <source>Parties</source>
        <translation>Plays</translation>
    </message>
    <message>
        <source>Les 20 jeux qui rapportent le plus</source>
        <translation>The 20 games that earn the most</translation>
    </message>
    <message>
        <source>Les 20 jeux les plus joués</source>
        <translation>The 20 most played games</translation>
    </message>
    <message>
        <source>Pièces par monnayeur</source>
        <translation>Coins per coin slot</translation>
    </message>
</context>
<context>
    <name>cfg::ConfigWindow</name>
    <message>
        <source>Quitter l&apos;application ?</source>
        <translation>Quit the application?</translation>
    </message>
    <message>
        <source>Config Générale</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Config Emus</source>
        <translation>Emulators</translation>
    </message>
    <message>
        <source>Éditeur layout</source>
        <translation>Layout editor</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Importer</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Enregistrer &amp;sous...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Statistiques</source>
        <translation>Statistics</translation>
    </message>
</context>
<context>
    <name>cfg::EmusPage</name>
    <message>
        <source>=== PAS DE MENU ===</source>
        <translation>=== NO MENU ===</translation>
    </message>
    <message>
        <source>Nouvelle</source>
        <translation>New</translation>
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
        <translation>&amp;Emulator</translation>
    </message>
    <message>
        <source>Tous les fichiers (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Exécutable de l&apos;émulateur</source>
        <translation>Emulator program</translation>
    </message>
    <message>
        <source>&amp;Roms</source>
        <translation>&amp;ROMs</translation>
    </message>
    <message>
        <source>Répertoire des ROMS</source>
        <translation>ROM folder</translation>
    </message>
    <message>
        <source>Utiliser Roms Ext.</source>
        <translation>Use ROM ext.</translation>
    </message>
    <message>
        <source>Roms Ext.</source>
        <translation>ROM ext.</translation>
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
        <translation>Snapshot folder</translation>
    </message>
    <message>
        <source>&amp;Marquees</source>
        <translation>&amp;Marquees</translation>
    </message>
    <message>
        <source>Répertoire des marquees</source>
        <translation>Marquee folder</translation>
    </message>
    <message>
        <source>&amp;Icônes</source>
        <translation>&amp;Icons</translation>
    </message>
    <message>
        <source>Répertoire des icônes</source>
        <translation>Icon folder</translation>
    </message>
    <message>
        <source>&amp;Musique</source>
        <translation>M&amp;usic</translation>
    </message>
    <message>
        <source>Répertoire des musiques</source>
        <translation>Music folder</translation>
    </message>
    <message>
        <source>Sous-rép.</source>
        <translation>Subfolders</translation>
    </message>
    <message>
        <source>&amp;Diaporama</source>
        <translation>S&amp;lideshow</translation>
    </message>
    <message>
        <source>Répertoire des images de l&apos;économiseur d&apos;écran</source>
        <translation>Screensaver picture folder</translation>
    </message>
    <message>
        <source>&amp;Vidéos</source>
        <translation>&amp;Videos</translation>
    </message>
    <message>
        <source>Répertoire des vidéos</source>
        <translation>Video folder</translation>
    </message>
    <message>
        <source>Son des vidéos</source>
        <translation>Video sound</translation>
    </message>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Custom</translation>
    </message>
    <message>
        <source>Répertoire des images custom (flyers, borne, etc.)</source>
        <translation>Custom picture folder (flyers, cabinet, etc.)</translation>
    </message>
    <message>
        <source>Liste de ROMS</source>
        <translation>ROM list</translation>
    </message>
    <message>
        <source>Créer</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Filtre</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Fichiers texte (*.txt *.TXT);;Tous les fichiers (*)</source>
        <translation>Text files (*.txt *.TXT);;All files (*)</translation>
    </message>
    <message>
        <source>Liste des ROMS</source>
        <translation>ROM list</translation>
    </message>
    <message>
        <source>Économiseur d&apos;écran</source>
        <translation>Screensaver</translation>
    </message>
    <message>
        <source>Aucun</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Lance une ROM (MAME)</source>
        <translation>Runs a ROM (MAME)</translation>
    </message>
    <message>
        <source>Diaporama</source>
        <translation>Slideshow</translation>
    </message>
    <message>
        <source>Veille de l&apos;écran</source>
        <translation>Screen off</translation>
    </message>
    <message>
        <source>Délai</source>
        <translation>Delay</translation>
    </message>
    <message>
        <source>Durée</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Défilement liste / page</source>
        <translation>Scroll list by page</translation>
    </message>
    <message>
        <source>Activer les sons</source>
        <translation>Sounds on</translation>
    </message>
    <message>
        <source>Rom entre &quot;&quot;</source>
        <translation>ROM in &quot;&quot;</translation>
    </message>
    <message>
        <source>Cacher la fenêtre</source>
        <translation>Hide the window</translation>
    </message>
    <message>
        <source>Vol. musique</source>
        <translation>Music vol.</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Nom de la nouvelle configuration :</source>
        <translation>Name of the new configuration:</translation>
    </message>
    <message>
        <source>Cette configuration n&apos;a pas de liste de ROMS à filtrer.</source>
        <translation>This configuration has no ROM list to filter.</translation>
    </message>
    <message>
        <source>Fichiers de paramètres (*.ini *.INI);;Tous les fichiers (*)</source>
        <translation>Settings files (*.ini *.INI);;All files (*)</translation>
    </message>
    <message>
        <source>Enregistrement d&apos;une configuration d&apos;émulateur</source>
        <translation>Save an emulator configuration</translation>
    </message>
    <message>
        <source>Fichiers ini (*.ini *.INI);;Tous les fichiers (*)</source>
        <translation>INI files (*.ini *.INI);;All files (*)</translation>
    </message>
</context>
<context>
    <name>cfg::FilterDialog</name>
    <message>
        <source>Liste</source>
        <translation>List</translation>
    </message>
    <message>
        <source>Catégories (aucune cochée : toutes)</source>
        <translation>Categories (none ticked: all)</translation>
    </message>
    <message>
        <source>Sans les jeux pour adultes</source>
        <translation>No adult games</translation>
    </message>
    <message>
        <source>Tous les écrans</source>
        <translation>Any screen</translation>
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
        <translation>Parent games only</translation>
    </message>
    <message>
        <source>Années de</source>
        <translation>Years from</translation>
    </message>
    <message>
        <source>à</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Contrôles (aucun coché : tous)</source>
        <translation>Controls (none ticked: all)</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>aucun</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Fichiers ini (*.ini *.INI);;Tous les fichiers (*)</source>
        <translation>INI files (*.ini *.INI);;All files (*)</translation>
    </message>
    <message>
        <source>Impossible de lire %1</source>
        <translation>Cannot read %1</translation>
    </message>
    <message>
        <source>(sans sous-catégorie)</source>
        <translation>(no subcategory)</translation>
    </message>
    <message>
        <source>Tous les nombres de joueurs</source>
        <translation>Any number of players</translation>
    </message>
    <message>
        <source>1 joueur</source>
        <translation>1 player</translation>
    </message>
    <message>
        <source>%1 joueurs</source>
        <translation>%1 players</translation>
    </message>
    <message>
        <source>(aucun)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>%1 jeux sur %2</source>
        <translation>%1 of %2 games</translation>
    </message>
    <message>
        <source>Aucun jeu ne passe le filtre : %1 reste tel qu&apos;il était.</source>
        <translation>No game passes the filter: %1 is left as it was.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire %1</source>
        <translation>Cannot write %1</translation>
    </message>
    <message>
        <source>%1 jeux enregistrés dans %2</source>
        <translation>%1 games saved to %2</translation>
    </message>
    <message>
        <source>Filtre</source>
        <translation>Filter</translation>
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
        <translation>Game</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Parties</source>
        <translation>Plays</translation>
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
        <translation>Coins</translation>
    </message>
    <message>
        <source>Temps de jeu</source>
        <translation>Play time</translation>
    </message>
    <message>
        <source>Dernière partie</source>
        <translation>Last played</translation>
    </message>
</context>
<context>
    <name>cfg::GeneralPage</name>
    <message>
        <source>Fenêtré</source>
        <translation>Windowed</translation>
    </message>
    <message>
        <source>Transitions entre écrans</source>
        <translation>Screen transitions</translation>
    </message>
    <message>
        <source>Résolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Éteindre l&apos;ordinateur en quittant</source>
        <translation>Power off on exit</translation>
    </message>
    <message>
        <source>Config. touches</source>
        <translation>Set up keys</translation>
    </message>
    <message>
        <source>Config. du « menu principal »</source>
        <translation>&quot;Main menu&quot; configuration</translation>
    </message>
    <message>
        <source>vide : pas de verrouillage</source>
        <translation>empty: no lock</translation>
    </message>
    <message>
        <source>Verrouillage (codes des touches, ex. 672+672)</source>
        <translation>Lock (key codes, e.g. 672+672)</translation>
    </message>
    <message>
        <source>vide : la touche Quitter seule</source>
        <translation>empty: the Quit key alone</translation>
    </message>
    <message>
        <source>Sortie d&apos;un jeu : touches maintenues (ex. 2+4)</source>
        <translation>Leaving a game: keys held (e.g. 2+4)</translation>
    </message>
    <message>
        <source>pendant (ms, 0 : jamais)</source>
        <translation>for (ms, 0: never)</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Selon le système</source>
        <translation>System default</translation>
    </message>
    <message>
        <source>Touches</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Changer la touche</source>
        <translation>Change the key</translation>
    </message>
    <message>
        <source>Fichiers ini (*.ini *.INI);;Tous les fichiers (*)</source>
        <translation>INI files (*.ini *.INI);;All files (*)</translation>
    </message>
    <message>
        <source>Enregistrement d&apos;une configuration principale</source>
        <translation>Save the main configuration</translation>
    </message>
    <message>
        <source>Vérifier</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Mémoire des images (Mio, 0 : sans limite)</source>
        <translation>Picture memory (MiB, 0: no limit)</translation>
    </message>
    <message>
        <source>Hauteur de rendu</source>
        <translation>Render height</translation>
    </message>
</context>
<context>
    <name>cfg::GeneratorDialog</name>
    <message>
        <source>Enregistrement d&apos;une liste de ROMS</source>
        <translation>Save a ROM list</translation>
    </message>
    <message>
        <source>Fichiers texte (*.txt *.TXT);;Tous les fichiers (*)</source>
        <translation>Text files (*.txt *.TXT);;All files (*)</translation>
    </message>
    <message>
        <source>Création de listes de ROMS</source>
        <translation>Create ROM lists</translation>
    </message>
    <message>
        <source>Uniquement les Roms existantes</source>
        <translation>Only the ROMs present</translation>
    </message>
    <message>
        <source>&amp;Créer liste</source>
        <translation>&amp;Create list</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Émulateur</source>
        <translation>Emulator</translation>
    </message>
</context>
<context>
    <name>cfg::KeyCaptureDialog</name>
    <message>
        <source>Aucune touche</source>
        <translation>No key</translation>
    </message>
    <message>
        <source>Configuration des touches</source>
        <translation>Key setup</translation>
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
        <translation>Key</translation>
    </message>
    <message>
        <source>Manette</source>
        <translation>Joystick</translation>
    </message>
    <message>
        <source>Pièce %1 (C%1, fixe)</source>
        <translation>Coin %1 (C%1, fixed)</translation>
    </message>
</context>
<context>
    <name>cfg::LayoutPage</name>
    <message>
        <source>Valeur incorrecte ! (Ne peut être négative ou supérieure à la largeur du layout)</source>
        <translation>Invalid value! (It cannot be negative or wider than the layout)</translation>
    </message>
    <message>
        <source>Valeur incorrecte ! (Ne peut être négative ou supérieure à la hauteur du layout)</source>
        <translation>Invalid value! (It cannot be negative or taller than the layout)</translation>
    </message>
    <message>
        <source>Valeur incorrecte ! (0 Transparent -&gt; 255 opaque)</source>
        <translation>Invalid value! (0 transparent -&gt; 255 opaque)</translation>
    </message>
    <message>
        <source>Valeur incorrecte !</source>
        <translation>Invalid value!</translation>
    </message>
    <message>
        <source>Valeur incorrecte ! (Ne peut être &gt; à la résolution actuelle)</source>
        <translation>Invalid value! (It cannot exceed the current resolution)</translation>
    </message>
    <message>
        <source>Pointeur : %1, %2</source>
        <translation>Pointer: %1, %2</translation>
    </message>
    <message>
        <source>Fichiers config (*.cfg *.CFG);;Tous les fichiers (*)</source>
        <translation>Config files (*.cfg *.CFG);;All files (*)</translation>
    </message>
    <message>
        <source>Enregistrement d&apos;une configuration de layout</source>
        <translation>Save a layout configuration</translation>
    </message>
    <message>
        <source>Quitter l&apos;application ?</source>
        <translation>Quit the application?</translation>
    </message>
    <message>
        <source>Fichier de layout AtomicFe</source>
        <translation>AtomicFe layout file</translation>
    </message>
    <message>
        <source>Fichiers layout (*.lay *.LAY);;Tous les fichiers (*)</source>
        <translation>Layout files (*.lay *.LAY);;All files (*)</translation>
    </message>
    <message>
        <source>Fichier de layout MAMEWAH</source>
        <translation>MAMEWAH layout file</translation>
    </message>
    <message>
        <source>Objets</source>
        <translation>Objects</translation>
    </message>
    <message>
        <source>Largeur</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Opacité</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Liste de marquees</source>
        <translation>Marquee list</translation>
    </message>
    <message>
        <source>Afficher les icônes</source>
        <translation>Show icons</translation>
    </message>
    <message>
        <source>Nb de lignes</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>&amp;Ordre</source>
        <translation>&amp;Order</translation>
    </message>
    <message>
        <source>Police de caractères</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Taille</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Gauche</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Droite</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Couleur texte</source>
        <translation>Text colour</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Étirer</source>
        <translation>Stretch</translation>
    </message>
    <message>
        <source>Proportionnel</source>
        <translation>Keep proportions</translation>
    </message>
    <message>
        <source>Haut</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Bas</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Nouveau</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Couleur transparente</source>
        <translation>Transparent colour</translation>
    </message>
    <message>
        <source>Résolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Opacité min. du sélecteur</source>
        <translation>Selector min. opacity</translation>
    </message>
    <message>
        <source>Opacité max. du sélecteur</source>
        <translation>Selector max. opacity</translation>
    </message>
    <message>
        <source>&amp;Appliquer</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>Jeu de l&apos;aperçu</source>
        <translation>Preview game</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Rétablir</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>(Exemple)</source>
        <translation>(Sample)</translation>
    </message>
</context>
<context>
    <name>cfg::MessageBoxes</name>
    <message>
        <source>Oui</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>cfg::OrderDialog</name>
    <message>
        <source>Ordre d&apos;affichage des objets</source>
        <translation>Drawing order of the objects</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Premier plan</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Arrière-plan</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>cfg::Page</name>
    <message>
        <source>Configurateur Orvanel</source>
        <translation>Orvanel Configurator</translation>
    </message>
    <message>
        <source>Enregistrer les modifications ?</source>
        <translation>Save the changes?</translation>
    </message>
</context>
<context>
    <name>cfg::StatisticsPage</name>
    <message>
        <source>Filtrer les jeux (nom, configuration)</source>
        <translation>Filter games (name, configuration)</translation>
    </message>
    <message>
        <source>Période en cours</source>
        <translation>Current period</translation>
    </message>
    <message>
        <source>Période archivée : %1</source>
        <translation>Archived period: %1</translation>
    </message>
    <message>
        <source>Ce mois-ci</source>
        <translation>This month</translation>
    </message>
    <message>
        <source>Le mois dernier</source>
        <translation>Last month</translation>
    </message>
    <message>
        <source>Cette année</source>
        <translation>This year</translation>
    </message>
    <message>
        <source>Tout</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Du… au…</source>
        <translation>From… to…</translation>
    </message>
    <message>
        <source>Top 20 par pièces</source>
        <translation>Top 20 by coins</translation>
    </message>
    <message>
        <source>Top 20 par parties</source>
        <translation>Top 20 by plays</translation>
    </message>
    <message>
        <source>Exporter CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Une ligne par jeu…</source>
        <translation>One line per game…</translation>
    </message>
    <message>
        <source>Une ligne par jour…</source>
        <translation>One line per day…</translation>
    </message>
    <message>
        <source>Remise à zéro…</source>
        <translation>Reset…</translation>
    </message>
    <message>
        <source>Période</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Pièces par jour</source>
        <translation>Coins per day</translation>
    </message>
    <message>
        <source>Top 20</source>
        <translation>Top 20</translation>
    </message>
    <message>
        <source>Par monnayeur</source>
        <translation>Per coin slot</translation>
    </message>
    <message>
        <source>Lecture du journal des parties… %1 %</source>
        <translation>Reading the game journal… %1 %</translation>
    </message>
    <message>
        <source>Toutes les configurations</source>
        <translation>All configurations</translation>
    </message>
    <message>
        <source>Pas encore de journal des parties : totaux des fichiers .sta depuis leur début ; les chiffres par jour et par période commencent avec le journal.</source>
        <translation>No game journal yet: totals of the .sta files since they began; figures per day and per period start with the journal.</translation>
    </message>
    <message>
        <source>Une partie du journal n&apos;a pas pu être lue.</source>
        <translation>Part of the journal could not be read.</translation>
    </message>
    <message numerus="yes">
        <source>%n ligne(s) du journal ignorée(s) (coupée(s) ou illisible(s)).</source>
        <translation>
            <numerusform>%n journal line skipped (cut short or unreadable).</numerusform>
            <numerusform>%n journal lines skipped (cut short or unreadable).</numerusform>
        </translation>
    </message>
    <message>
        <source>Pièces : %1    Parties : %2    Temps de jeu : %3    Temps au menu : %4</source>
        <translation>Coins: %1    Plays: %2    Play time: %3    Menu time: %4</translation>
    </message>
    <message>
        <source>Écriture impossible : %1</source>
        <translation>Cannot write %1</translation>
    </message>
    <message>
        <source>Fichiers CSV (*.csv);;Tous les fichiers (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Remettre à zéro les compteurs de pièces et de parties ?

L&apos;ancienne période sera d&apos;abord archivée dans le dossier
%1
et restera lisible ici (« Période archivée »).</source>
        <translation>Reset the coin and play counters?

The current period is first archived in the folder
%1
and stays readable here (&quot;Archived period&quot;).</translation>
    </message>
    <message>
        <source>Remise à zéro impossible (%1) : rien n&apos;a été modifié.</source>
        <translation>Could not reset (%1): nothing was changed.</translation>
    </message>
    <message>
        <source>Remise à zéro interrompue (%1) : l&apos;archive garde l&apos;ancienne période.</source>
        <translation>Reset interrupted (%1): the archive keeps the previous period.</translation>
    </message>
</context>
<context>
    <name>cfg::StatusBox</name>
    <message>
        <source>Infos</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Arrêter</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>cfg::Tooltips</name>
    <message>
        <source>Sélectionner un objet à modifier</source>
        <translation>Select an object to edit</translation>
    </message>
    <message>
        <source>Coin supérieur gauche de l&apos;objet</source>
        <translation>Top left corner of the object</translation>
    </message>
    <message>
        <source>Largeur de l&apos;objet</source>
        <translation>Width of the object</translation>
    </message>
    <message>
        <source>Hauteur de l&apos;objet</source>
        <translation>Height of the object</translation>
    </message>
    <message>
        <source>Opacité de l&apos;objet (0=Transparent, 255=Opaque)</source>
        <translation>Opacity of the object (0=transparent, 255=opaque)</translation>
    </message>
    <message>
        <source>Vitesse du défilement horizontal (1 lent -&gt; 10 rapide)</source>
        <translation>Horizontal scrolling speed (1 slow -&gt; 10 fast)</translation>
    </message>
    <message>
        <source>Vitesse du défilement vertical (1 lent -&gt; 10 rapide)</source>
        <translation>Vertical scrolling speed (1 slow -&gt; 10 fast)</translation>
    </message>
    <message>
        <source>Objet visible ou non</source>
        <translation>Whether the object is shown</translation>
    </message>
    <message>
        <source>Liste montrant les images du répertoire des marquees à la place du texte</source>
        <translation>List showing the pictures of the marquee folder instead of text</translation>
    </message>
    <message>
        <source>Nombre de lignes dans la liste (texte ou marquee)</source>
        <translation>Number of rows in the list (text or marquee)</translation>
    </message>
    <message>
        <source>Alignement du texte</source>
        <translation>Text alignment</translation>
    </message>
    <message>
        <source>Choix de la police de caractères de l&apos;objet</source>
        <translation>Choose the object&apos;s font</translation>
    </message>
    <message>
        <source>Taille en pixels de la police de caractères</source>
        <translation>Font size in pixels</translation>
    </message>
    <message>
        <source>Couleur du texte</source>
        <translation>Text colour</translation>
    </message>
    <message>
        <source>Charger un layout</source>
        <translation>Load a layout</translation>
    </message>
    <message>
        <source>Couleur générale de transparence</source>
        <translation>Transparency colour of the whole layout</translation>
    </message>
    <message>
        <source>Largeur du layout</source>
        <translation>Width of the layout</translation>
    </message>
    <message>
        <source>Hauteur du layout</source>
        <translation>Height of the layout</translation>
    </message>
    <message>
        <source>Opacité minimale du sélecteur (0=Transparent, 255=Opaque)</source>
        <translation>Lowest opacity of the selector (0=transparent, 255=opaque)</translation>
    </message>
    <message>
        <source>Opacité maximale du sélecteur (0=Transparent, 255=Opaque)</source>
        <translation>Highest opacity of the selector (0=transparent, 255=opaque)</translation>
    </message>
    <message>
        <source>Définir l&apos;ordre d&apos;affichage des objets</source>
        <translation>Set the order in which the objects are drawn</translation>
    </message>
    <message>
        <source>Annuler la dernière modification du layout (Ctrl+Z)</source>
        <translation>Undo the last change to the layout (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Rétablir la modification annulée (Ctrl+Y)</source>
        <translation>Redo the change undone (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Commencer un layout vide (Enregistrer demande où l&apos;écrire)</source>
        <translation>Start an empty layout (Save asks where to write it)</translation>
    </message>
    <message>
        <source>Jeu montré par l&apos;aperçu : l&apos;exemple, ou un jeu de la configuration de Config Emus</source>
        <translation>Game the preview shows: the sample, or a game of the configuration chosen under Emulators</translation>
    </message>
    <message>
        <source>Garder les proportions de l&apos;image</source>
        <translation>Keep the picture&apos;s proportions</translation>
    </message>
    <message>
        <source>Ajuster l&apos;image à la zone</source>
        <translation>Fit the picture to the area</translation>
    </message>
    <message>
        <source>Défilement horizontal vers la gauche</source>
        <translation>Scroll horizontally to the left</translation>
    </message>
    <message>
        <source>Défilement horizontal vers la droite</source>
        <translation>Scroll horizontally to the right</translation>
    </message>
    <message>
        <source>Défilement vertical vers le haut</source>
        <translation>Scroll vertically upwards</translation>
    </message>
    <message>
        <source>Défilement vertical vers le bas</source>
        <translation>Scroll vertically downwards</translation>
    </message>
    <message>
        <source>Largeur de la fenêtre principale</source>
        <translation>Width of the main window</translation>
    </message>
    <message>
        <source>Hauteur de la fenêtre principale</source>
        <translation>Height of the main window</translation>
    </message>
    <message>
        <source>Affichage en mode fenêtré ou plein écran</source>
        <translation>Windowed or full screen display</translation>
    </message>
    <message>
        <source>Configuration des touches</source>
        <translation>Set up the keys</translation>
    </message>
    <message>
        <source>Défilement de la liste des jeux par page, sinon par lettre</source>
        <translation>Scroll the game list by page, otherwise by letter</translation>
    </message>
    <message>
        <source>Utiliser ou non les sons</source>
        <translation>Whether to play sounds</translation>
    </message>
    <message>
        <source>Effet de transition entre les configurations</source>
        <translation>Transition effect between configurations</translation>
    </message>
    <message>
        <source>Configuration à afficher lors de l&apos;appui sur la touche « Menu principal »</source>
        <translation>Configuration shown when the &quot;Main menu&quot; key is pressed</translation>
    </message>
    <message>
        <source>Éteindre l&apos;ordinateur à la fermeture d&apos;Orvanel</source>
        <translation>Power off the computer when Orvanel closes</translation>
    </message>
    <message>
        <source>Touches du panneau à taper après la touche Quitter pour revenir au bureau (codes joints par +)</source>
        <translation>Panel keys to type after the Quit key to get back to the desktop (codes joined by +)</translation>
    </message>
    <message>
        <source>Touches à maintenir ensemble pendant un jeu pour le quitter (codes joints par +) ; vide : la touche Quitter</source>
        <translation>Keys to hold together during a game to leave it (codes joined by +); empty: the Quit key</translation>
    </message>
    <message>
        <source>Durée de maintien qui quitte le jeu, en millisecondes ; 0 : jamais</source>
        <translation>How long they must be held to leave the game, in milliseconds; 0: never</translation>
    </message>
    <message>
        <source>Touche de chaque action (double-clic : la changer seule)</source>
        <translation>The key of each action (double-click: change that one alone)</translation>
    </message>
    <message>
        <source>Choisir les jeux de la liste à afficher (catégories, joueurs, écran, contrôles, années)</source>
        <translation>Choose which games of the list to show (categories, players, screen, controls, years)</translation>
    </message>
    <message>
        <source>Changer la touche de l&apos;action choisie, sans toucher aux autres</source>
        <translation>Change the key of the chosen action, leaving the others alone</translation>
    </message>
    <message>
        <source>Répertoire des ROMS</source>
        <translation>ROM folder</translation>
    </message>
    <message>
        <source>Charger une configuration</source>
        <translation>Load a configuration</translation>
    </message>
    <message>
        <source>Répertoire des snapshots</source>
        <translation>Snapshot folder</translation>
    </message>
    <message>
        <source>Répertoire des marquees</source>
        <translation>Marquee folder</translation>
    </message>
    <message>
        <source>Répertoire de l&apos;émulateur</source>
        <translation>Emulator folder</translation>
    </message>
    <message>
        <source>Répertoire des musiques</source>
        <translation>Music folder</translation>
    </message>
    <message>
        <source>Répertoire des icônes</source>
        <translation>Icon folder</translation>
    </message>
    <message>
        <source>Choix du répertoire des ROMS</source>
        <translation>Choose the ROM folder</translation>
    </message>
    <message>
        <source>Choix du répertoire des snapshots (PNG;JPG;BMP ou GIF)</source>
        <translation>Choose the snapshot folder (PNG, JPG, BMP or GIF)</translation>
    </message>
    <message>
        <source>Choix du répertoire des marquees</source>
        <translation>Choose the marquee folder</translation>
    </message>
    <message>
        <source>Choix du répertoire des icônes</source>
        <translation>Choose the icon folder</translation>
    </message>
    <message>
        <source>Choix de l&apos;émulateur (programme ou script)</source>
        <translation>Choose the emulator (program or script)</translation>
    </message>
    <message>
        <source>Choix du répertoire des musiques (MP3)</source>
        <translation>Choose the music folder (MP3)</translation>
    </message>
    <message>
        <source>Choix du répertoire des images du diaporama, s&apos;il diffère de celui des snapshots</source>
        <translation>Choose the slideshow picture folder, if not the snapshot folder</translation>
    </message>
    <message>
        <source>Sélection custom 1 à 6</source>
        <translation>Custom choice 1 to 6</translation>
    </message>
    <message>
        <source>Choix des répertoires custom (s&apos;ils ne sont pas utilisés dans le layout)</source>
        <translation>Choose the custom folders (when the layout does not use them)</translation>
    </message>
    <message>
        <source>Choix du layout à utiliser pour cette configuration</source>
        <translation>Choose the layout this configuration uses</translation>
    </message>
    <message>
        <source>Choix de la liste des ROMS à utiliser</source>
        <translation>Choose the ROM list to use</translation>
    </message>
    <message>
        <source>Créer la liste des ROMS à partir d&apos;un émulateur</source>
        <translation>Create the ROM list from an emulator</translation>
    </message>
    <message>
        <source>Configuration à afficher lors de l&apos;appui sur la touche « Menu »</source>
        <translation>Configuration shown when the &quot;Menu&quot; key is pressed</translation>
    </message>
    <message>
        <source>Défilement d&apos;images au hasard</source>
        <translation>Random pictures</translation>
    </message>
    <message>
        <source>Démarrer un jeu au hasard</source>
        <translation>Start a random game</translation>
    </message>
    <message>
        <source>Délai en secondes avant le lancement de l&apos;économiseur d&apos;écran</source>
        <translation>Delay in seconds before the screensaver starts</translation>
    </message>
    <message>
        <source>Durée en secondes d&apos;un élément de l&apos;économiseur d&apos;écran (image ou jeu)</source>
        <translation>Seconds each screensaver item is shown (picture or game)</translation>
    </message>
    <message>
        <source>Répertoire des images du diaporama</source>
        <translation>Slideshow picture folder</translation>
    </message>
    <message>
        <source>Parcourir également les sous-répertoires pour le diaporama</source>
        <translation>Also look in subfolders for the slideshow</translation>
    </message>
    <message>
        <source>Parcourir également les sous-répertoires pour la musique</source>
        <translation>Also look in subfolders for music</translation>
    </message>
    <message>
        <source>Volume par défaut de la musique de fond (0 pas de musique -&gt; 1000 maximum)</source>
        <translation>Default background music volume (0 no music -&gt; 1000 loudest)</translation>
    </message>
    <message>
        <source>Répertoires custom</source>
        <translation>Custom folders</translation>
    </message>
    <message>
        <source>Liste des ROMS à utiliser</source>
        <translation>ROM list to use</translation>
    </message>
    <message>
        <source>Extension(s) des ROMS (séparées par un ; si plusieurs)</source>
        <translation>ROM extension(s) (separated by ; if several)</translation>
    </message>
    <message>
        <source>Pas d&apos;économiseur d&apos;écran</source>
        <translation>No screensaver</translation>
    </message>
    <message>
        <source>Angle de rotation du layout</source>
        <translation>Rotation angle of the layout</translation>
    </message>
    <message>
        <source>Mettre l&apos;écran en veille</source>
        <translation>Turn the screen off</translation>
    </message>
    <message>
        <source>Choix du répertoire des vidéos, jouées à la place du snapshot</source>
        <translation>Choose the video folder; videos play instead of the snapshot</translation>
    </message>
    <message>
        <source>Jouer le son des vidéos (la musique est baissée pendant ce temps)</source>
        <translation>Play the videos&apos; sound (the music is turned down meanwhile)</translation>
    </message>
    <message>
        <source>Répertoire des vidéos (MP4;MKV;WEBM;AVI ou FLV)</source>
        <translation>Video folder (MP4, MKV, WEBM, AVI or FLV)</translation>
    </message>
    <message>
        <source>Arguments de l&apos;émulateur : %ROM% (chemin complet de la ROM), %NAME% (nom du jeu), %ROMDIR% (répertoire des ROMS, absolu), %EMUDIR% (répertoire de l&apos;émulateur) ; vide : le chemin de la ROM seul (entre guillemets selon « Rom entre &quot;&quot; »)</source>
        <translation>Emulator arguments: %ROM% (full path of the ROM), %NAME% (game name), %ROMDIR% (ROM folder, absolute), %EMUDIR% (emulator folder); empty: the ROM path alone (quoted as &quot;ROM in &quot;&quot;&quot; says)</translation>
    </message>
    <message>
        <source>Créer une configuration avec les réglages par défaut et sa propre liste de ROMS</source>
        <translation>Create a configuration with the default settings and its own ROM list</translation>
    </message>
    <message>
        <source>Cette configuration ne lance pas de jeux mais est un menu de sélection</source>
        <translation>This configuration starts no games: it is a menu to choose from</translation>
    </message>
    <message>
        <source>Mettre le nom de la ROM entre guillemets</source>
        <translation>Put the ROM name in quotes</translation>
    </message>
    <message>
        <source>Cacher la fenêtre en mode plein écran (pour MAME)</source>
        <translation>Hide the window in full screen mode (for MAME)</translation>
    </message>
    <message>
        <source>Envoyer l&apos;extension des ROMS à l&apos;émulateur</source>
        <translation>Pass the ROM extension to the emulator</translation>
    </message>
    <message>
        <source>Langue du menu et du configurateur ; « Selon le système » suit la langue de l&apos;ordinateur. Prend effet au prochain démarrage</source>
        <translation>Language of the menu and the configurator; &quot;System default&quot; follows the computer&apos;s language. Takes effect at the next start</translation>
    </message>
    <message>
        <source>Vérifie l&apos;installation, l&apos;écran, les entrées, le son, le suivi des touches et l&apos;extinction, comme orvanel --check</source>
        <translation>Checks the installation, the screen, the input devices, the sound, the key tracker and the power-off, as orvanel --check does</translation>
    </message>
    <message>
        <source>Mémoire que les images du menu peuvent occuper, en Mio ; au-delà, les images des jeux affichées il y a le plus longtemps sont libérées (celles du modèle restent). 0 : sans limite</source>
        <translation>Memory the menu&apos;s pictures may take, in MiB; beyond it, the games&apos; pictures shown longest ago are released (the template&apos;s stay). 0: no limit</translation>
    </message>
    <message>
        <source>Hauteur maximale en pixels à laquelle le menu est dessiné (le petit côté de l&apos;écran), l&apos;image étant ensuite agrandie à la taille de l&apos;écran : un écran 4K dessiné en 1080 coûte autant qu&apos;un écran 1080p. 0 : la taille de l&apos;écran</source>
        <translation>Largest height in pixels the menu is drawn at (the screen&apos;s shorter side), the picture then enlarged to the screen&apos;s size: a 4K screen drawn at 1080 costs as much as a 1080p screen. 0: the screen&apos;s size</translation>
    </message>
</context>
</TS>
