<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppLanguage</name>
    <message>
        <source>System</source>
        <extracomment>Language picker: follow the device&apos;s own language setting rather than overriding it.</extracomment>
        <translation>Système</translation>
    </message>
</context>
<context>
    <name>ChromeScrub</name>
    <message>
        <source>Menu Bar</source>
        <extracomment>The macOS menu bar at the top of the screen. Use Apple&apos;s own term for this language.</extracomment>
        <translation>Barre des menus</translation>
    </message>
    <message>
        <source>Dock</source>
        <extracomment>The macOS Dock. Apple keeps this name in most languages.</extracomment>
        <translation>Dock</translation>
    </message>
    <message>
        <source>Browser Bar</source>
        <extracomment>A web browser&apos;s address/toolbar area, which may contain identifying URLs.</extracomment>
        <translation>Barre du navigateur</translation>
    </message>
    <message>
        <source>Title Bar</source>
        <extracomment>The title bar of a window, which often shows a path or hostname.</extracomment>
        <translation>Barre de titre</translation>
    </message>
</context>
<context>
    <name>EditorModel</name>
    <message>
        <source>Paste a screenshot to begin  (Ctrl+V)</source>
        <extracomment>Shown before any image is loaded. Two spaces before the parenthesis.</extracomment>
        <translation>Collez une capture d’écran pour commencer  (Ctrl+V)</translation>
    </message>
    <message>
        <source>No image on the clipboard</source>
        <translation>Aucune image dans le presse-papiers</translation>
    </message>
    <message>
        <source>Select an area to capture…</source>
        <extracomment>Shown while the user picks the screen area to capture.</extracomment>
        <translation>Sélectionnez une zone à capturer…</translation>
    </message>
    <message>
        <source>Capture cancelled</source>
        <translation>Capture annulée</translation>
    </message>
    <message>
        <source>No detections — review manually before exporting</source>
        <translation>Aucune détection — vérifiez manuellement avant d’exporter</translation>
    </message>
    <message>
        <source>1 detection · %1</source>
        <extracomment>%1 is the name of the redaction profile.</extracomment>
        <translation>1 détection · %1</translation>
    </message>
    <message>
        <source>%1 detections · %2</source>
        <extracomment>%1 is the number of detections (2 or more), %2 the name of the redaction profile.</extracomment>
        <translation>%1 détections · %2</translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation>Rien à exporter</translation>
    </message>
    <message>
        <source>Burning…</source>
        <translation>Gravure…</translation>
    </message>
    <message>
        <source>Burning 1 region…</source>
        <translation>Gravure d’une zone…</translation>
    </message>
    <message>
        <source>Burning %1 regions…</source>
        <extracomment>%1 is the number of regions (0, 2 or more).</extracomment>
        <translation>Gravure de %1 zones…</translation>
    </message>
    <message>
        <source>Mapping exported</source>
        <translation>Correspondances exportées</translation>
    </message>
    <message>
        <source>New session — pseudonyms reset</source>
        <translation>Nouvelle session — pseudonymes réinitialisés</translation>
    </message>
    <message>
        <source>Redacted image copied to clipboard</source>
        <translation>Image caviardée copiée dans le presse-papiers</translation>
    </message>
    <message>
        <source>Clipboard copy failed — please try again.</source>
        <translation>Échec de la copie dans le presse-papiers — veuillez réessayer.</translation>
    </message>
    <message>
        <source>Automatic detection failed</source>
        <translation>Échec de la détection automatique</translation>
    </message>
    <message>
        <source>Review every sensitive area manually. Export the current manual redactions?</source>
        <translation>Vérifiez manuellement chaque zone sensible. Exporter les caviardages manuels actuels&#x202f;?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Export reviewed image</source>
        <translation>Exporter l’image vérifiée</translation>
    </message>
    <message>
        <source>Apply a reversible style to a secret?</source>
        <translation>Appliquer un style réversible à un secret&#x202f;?</translation>
    </message>
    <message>
        <source>Blur and pixelate are reversible. Depixelation attacks can recover short secrets. Solid fill is safer.</source>
        <translation>Le flou et la pixellisation sont réversibles. Les attaques de dépixellisation peuvent retrouver des secrets courts. Le remplissage uni est plus sûr.</translation>
    </message>
    <message>
        <source>Apply Anyway</source>
        <translation>Appliquer quand même</translation>
    </message>
    <message>
        <source>Could not find the display to capture.</source>
        <translation>Impossible de trouver l’écran à capturer.</translation>
    </message>
    <message>
        <source>Tarnveil needs permission to capture the screen. Allow screenshots for Tarnveil in your desktop&apos;s privacy settings, then try again.</source>
        <translation>Tarnveil a besoin d’une autorisation pour capturer l’écran. Autorisez les captures d’écran pour Tarnveil dans les paramètres de confidentialité de votre bureau, puis réessayez.</translation>
    </message>
    <message>
        <source>Screen capture is not available on this desktop.</source>
        <extracomment>Shown when neither an X11 display nor the desktop&apos;s screenshot portal can be used.</extracomment>
        <translation>La capture d’écran n’est pas disponible sur ce bureau.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service is not available.</source>
        <extracomment>The desktop portal (xdg-desktop-portal) that takes screenshots on Wayland is missing.</extracomment>
        <translation>Le service de capture d’écran du bureau n’est pas disponible.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer.</source>
        <translation>Le service de capture d’écran du bureau n’a pas répondu.</translation>
    </message>
    <message>
        <source>Screen capture failed.</source>
        <translation>Échec de la capture d’écran.</translation>
    </message>
</context>
<context>
    <name>InspectorView</name>
    <message>
        <source>Add “%1” to allowlist</source>
        <extracomment>%1 is the matched value, cut to 16 characters.</extracomment>
        <translation>Ajouter «&#x202f;%1&#x202f;» à la liste d’autorisation</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Uni</translation>
    </message>
    <message>
        <source>Labeled</source>
        <translation>Étiqueté</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Flou</translation>
    </message>
    <message>
        <source>Pixelate</source>
        <translation>Pixellisé</translation>
    </message>
</context>
<context>
    <name>QtEditorPlatform</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valeurs séparées par des virgules (*.csv)</translation>
    </message>
</context>
<context>
    <name>tarnveil::AboutDialog</name>
    <message>
        <source>About Tarnveil</source>
        <extracomment>Title of the about window.</extracomment>
        <translation>À propos de Tarnveil</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number, such as 1.1.1.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Destructive screenshot redaction. 100% offline.</source>
        <translation>Caviardage destructif de captures d’écran. 100&#x202f;% hors ligne.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>tarnveil::EditorToolBar</name>
    <message>
        <source>Daylight</source>
        <extracomment>Name of a light colour theme.</extracomment>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Hacker</source>
        <extracomment>Name of a green-on-black terminal-style colour theme.</extracomment>
        <translation>Hacker</translation>
    </message>
    <message>
        <source>Midnight</source>
        <extracomment>Name of a dark colour theme.</extracomment>
        <translation>Minuit</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capturer</translation>
    </message>
    <message>
        <source>Capture a region of the screen (Ctrl+Shift+2)</source>
        <translation>Capturer une zone de l’écran (Ctrl+Shift+2)</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Paste screenshot and run the pipeline (Ctrl+V)</source>
        <translation>Coller une capture d’écran et lancer le traitement (Ctrl+V)</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Chrome Scrub</source>
        <translation>Nettoyage UI</translation>
    </message>
    <message>
        <source>Add a heuristic strip over UI chrome</source>
        <translation>Ajouter une bande heuristique sur les éléments d’interface</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Fit (Ctrl+0)</source>
        <translation>Ajuster (Ctrl+0)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>BURN</source>
        <translation>GRAVER</translation>
    </message>
    <message>
        <source>Burn and export</source>
        <translation>Graver et exporter</translation>
    </message>
    <message>
        <source>Burn the redactions into the pixels and export (Ctrl+Shift+E)</source>
        <translation>Graver les caviardages dans les pixels et exporter (Ctrl+Shift+E)</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Toggle Inspector</source>
        <translation>Basculer l’inspecteur</translation>
    </message>
    <message>
        <source>Toggle inspector (Ctrl+Alt+I)</source>
        <translation>Afficher/masquer l’inspecteur (Ctrl+Alt+I)</translation>
    </message>
</context>
<context>
    <name>tarnveil::EmptyStateView</name>
    <message>
        <source>awaiting input</source>
        <translation>en attente d’entrée</translation>
    </message>
    <message>
        <source>Ctrl+Shift+2 to capture  ·  Ctrl+V to paste  ·  or drop a screenshot</source>
        <extracomment>Two spaces on each side of each middle dot.</extracomment>
        <translation>Ctrl+Shift+2 pour capturer  ·  Ctrl+V pour coller  ·  ou déposez une capture</translation>
    </message>
</context>
<context>
    <name>tarnveil::InspectorView</name>
    <message>
        <source>No selection</source>
        <translation>Aucune sélection</translation>
    </message>
    <message>
        <source>Select a region on the canvas.</source>
        <translation>Sélectionnez une zone sur le canevas.</translation>
    </message>
    <message>
        <source>Press 1–4 to set the style of all selected regions.</source>
        <translation>Appuyez sur 1–4 pour définir le style de toutes les zones sélectionnées.</translation>
    </message>
    <message>
        <source>%1 regions selected</source>
        <extracomment>%1 is the number of selected regions (2 or more).</extracomment>
        <translation>%1 zones sélectionnées</translation>
    </message>
</context>
<context>
    <name>tarnveil::MenuBarContent</name>
    <message>
        <source>Capture Region</source>
        <translation>Capturer une zone</translation>
    </message>
    <message>
        <source>Paste from Clipboard</source>
        <translation>Coller depuis le presse-papiers</translation>
    </message>
    <message>
        <source>Show Tarnveil</source>
        <translation>Afficher Tarnveil</translation>
    </message>
    <message>
        <source>Quit Tarnveil</source>
        <translation>Quitter Tarnveil</translation>
    </message>
</context>
<context>
    <name>tarnveil::RegionForm</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplissage</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Correspondance</translation>
    </message>
    <message>
        <source>Manual region</source>
        <translation>Zone manuelle</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Détecteur</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Gravité</translation>
    </message>
    <message>
        <source>Pseudonym</source>
        <translation>Pseudonyme</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Reversible — not safe for secrets. Use for faces and screenshots only.</source>
        <translation>Réversible — non sûr pour les secrets. À utiliser uniquement pour les visages et les captures d’écran.</translation>
    </message>
    <message>
        <source>Protect (never redact inside)</source>
        <translation>Protéger (aucun caviardage dedans)</translation>
    </message>
    <message>
        <source>Allowlist</source>
        <translation>Liste d’autorisation</translation>
    </message>
    <message>
        <source>Never redact this value again</source>
        <translation>Ne plus jamais caviarder cette valeur</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>Révéler</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Secret</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>Contextual</source>
        <translation>Contextuel</translation>
    </message>
</context>
<context>
    <name>tarnveil::RegionListView</name>
    <message>
        <source>REGIONS</source>
        <translation>ZONES</translation>
    </message>
    <message>
        <source>No regions yet</source>
        <translation>Aucune zone pour l’instant</translation>
    </message>
    <message>
        <source>No image</source>
        <translation>Aucune image</translation>
    </message>
    <message>
        <source>Drag on the canvas to add one</source>
        <translation>Faites glisser sur le canevas pour en ajouter une</translation>
    </message>
    <message>
        <source>Paste a screenshot</source>
        <translation>Collez une capture d’écran</translation>
    </message>
    <message>
        <source>%1 regions</source>
        <extracomment>%1 is the number of regions in the list.</extracomment>
        <translation>%1 zones</translation>
    </message>
    <message>
        <source>Manual / chrome</source>
        <translation>Manuel / interface</translation>
    </message>
    <message>
        <source>Remove all %1</source>
        <extracomment>%1 is the name of a detection category, such as Secret.</extracomment>
        <translation>Tout supprimer&#x202f;: %1</translation>
    </message>
</context>
<context>
    <name>tarnveil::StatusBarView</name>
    <message>
        <source>[space] preview   [1-4] style   [alt] protect</source>
        <translation>[espace] aperçu   [1-4] style   [alt] protéger</translation>
    </message>
</context>
<context>
    <name>tarnveil::TarnveilCommands</name>
    <message>
        <source>Open Image</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff)</source>
        <translation>Images (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open Image…</source>
        <translation>Ouvrir une image…</translation>
    </message>
    <message>
        <source>Capture Screenshot</source>
        <translation>Capturer l’écran</translation>
    </message>
    <message>
        <source>Paste Screenshot</source>
        <translation>Coller une capture</translation>
    </message>
    <message>
        <source>Export to Desktop &amp;&amp; Copy</source>
        <translation>Exporter sur le Bureau &amp;&amp; copier</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refaire</translation>
    </message>
    <message>
        <source>Copy Redacted</source>
        <translation>Copier l’image caviardée</translation>
    </message>
    <message>
        <source>Select All Regions</source>
        <translation>Sélectionner toutes les zones</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Supprimer la sélection</translation>
    </message>
    <message>
        <source>&amp;Redact</source>
        <translation>&amp;Caviardage</translation>
    </message>
    <message>
        <source>Chrome Scrub</source>
        <translation>Nettoyage UI</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>Ajuster à la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Session</source>
        <translation>&amp;Session</translation>
    </message>
    <message>
        <source>New Session</source>
        <translation>Nouvelle session</translation>
    </message>
    <message>
        <source>Export Mapping…</source>
        <translation>Exporter les correspondances…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>About Tarnveil</source>
        <translation>À propos de Tarnveil</translation>
    </message>
    <message>
        <source>Hide Inspector</source>
        <translation>Masquer l’inspecteur</translation>
    </message>
    <message>
        <source>Show Inspector</source>
        <translation>Afficher l’inspecteur</translation>
    </message>
</context>
</TS>
