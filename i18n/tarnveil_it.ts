<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AppLanguage</name>
    <message>
        <source>System</source>
        <extracomment>Language picker: follow the device&apos;s own language setting rather than overriding it.</extracomment>
        <translation>Sistema</translation>
    </message>
</context>
<context>
    <name>ChromeScrub</name>
    <message>
        <source>Menu Bar</source>
        <extracomment>The macOS menu bar at the top of the screen. Use Apple&apos;s own term for this language.</extracomment>
        <translation>Barra dei menu</translation>
    </message>
    <message>
        <source>Dock</source>
        <extracomment>The macOS Dock. Apple keeps this name in most languages.</extracomment>
        <translation>Dock</translation>
    </message>
    <message>
        <source>Browser Bar</source>
        <extracomment>A web browser&apos;s address/toolbar area, which may contain identifying URLs.</extracomment>
        <translation>Barra del browser</translation>
    </message>
    <message>
        <source>Title Bar</source>
        <extracomment>The title bar of a window, which often shows a path or hostname.</extracomment>
        <translation>Barra del titolo</translation>
    </message>
</context>
<context>
    <name>EditorModel</name>
    <message>
        <source>Paste a screenshot to begin  (Ctrl+V)</source>
        <extracomment>Shown before any image is loaded. Two spaces before the parenthesis.</extracomment>
        <translation>Incolla una schermata per iniziare  (Ctrl+V)</translation>
    </message>
    <message>
        <source>No image on the clipboard</source>
        <translation>Nessuna immagine negli appunti</translation>
    </message>
    <message>
        <source>Select an area to capture…</source>
        <extracomment>Shown while the user picks the screen area to capture.</extracomment>
        <translation>Seleziona un’area da catturare…</translation>
    </message>
    <message>
        <source>Capture cancelled</source>
        <translation>Cattura annullata</translation>
    </message>
    <message>
        <source>No detections — review manually before exporting</source>
        <translation>Nessun rilevamento — controlla manualmente prima di esportare</translation>
    </message>
    <message>
        <source>1 detection · %1</source>
        <extracomment>%1 is the name of the redaction profile.</extracomment>
        <translation>1 rilevamento · %1</translation>
    </message>
    <message>
        <source>%1 detections · %2</source>
        <extracomment>%1 is the number of detections (2 or more), %2 the name of the redaction profile.</extracomment>
        <translation>%1 rilevamenti · %2</translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation>Niente da esportare</translation>
    </message>
    <message>
        <source>Burning…</source>
        <translation>Incisione…</translation>
    </message>
    <message>
        <source>Burning 1 region…</source>
        <translation>Incisione di 1 area…</translation>
    </message>
    <message>
        <source>Burning %1 regions…</source>
        <extracomment>%1 is the number of regions (0, 2 or more).</extracomment>
        <translation>Incisione di %1 aree…</translation>
    </message>
    <message>
        <source>Mapping exported</source>
        <translation>Mappatura esportata</translation>
    </message>
    <message>
        <source>New session — pseudonyms reset</source>
        <translation>Nuova sessione — pseudonimi azzerati</translation>
    </message>
    <message>
        <source>Redacted image copied to clipboard</source>
        <translation>Immagine oscurata copiata negli appunti</translation>
    </message>
    <message>
        <source>Clipboard copy failed — please try again.</source>
        <translation>Copia negli appunti non riuscita — riprova.</translation>
    </message>
    <message>
        <source>Automatic detection failed</source>
        <translation>Rilevamento automatico non riuscito</translation>
    </message>
    <message>
        <source>Review every sensitive area manually. Export the current manual redactions?</source>
        <translation>Controlla manualmente ogni area sensibile. Esportare gli oscuramenti manuali attuali?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Export reviewed image</source>
        <translation>Esporta immagine controllata</translation>
    </message>
    <message>
        <source>Apply a reversible style to a secret?</source>
        <translation>Applicare uno stile reversibile a un segreto?</translation>
    </message>
    <message>
        <source>Blur and pixelate are reversible. Depixelation attacks can recover short secrets. Solid fill is safer.</source>
        <translation>Sfocatura e pixelatura sono reversibili. Gli attacchi di depixelatura possono recuperare segreti brevi. Il riempimento pieno è più sicuro.</translation>
    </message>
    <message>
        <source>Apply Anyway</source>
        <translation>Applica comunque</translation>
    </message>
    <message>
        <source>Could not find the display to capture.</source>
        <translation>Impossibile trovare lo schermo da catturare.</translation>
    </message>
    <message>
        <source>Tarnveil needs permission to capture the screen. Allow screenshots for Tarnveil in your desktop&apos;s privacy settings, then try again.</source>
        <translation>Tarnveil ha bisogno del permesso per catturare lo schermo. Consenti le schermate per Tarnveil nelle impostazioni della privacy del desktop, poi riprova.</translation>
    </message>
    <message>
        <source>Screen capture is not available on this desktop.</source>
        <extracomment>Shown when neither an X11 display nor the desktop&apos;s screenshot portal can be used.</extracomment>
        <translation>La cattura dello schermo non è disponibile su questo desktop.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service is not available.</source>
        <extracomment>The desktop portal (xdg-desktop-portal) that takes screenshots on Wayland is missing.</extracomment>
        <translation>Il servizio schermate del desktop non è disponibile.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer.</source>
        <translation>Il servizio schermate del desktop non ha risposto.</translation>
    </message>
    <message>
        <source>Screen capture failed.</source>
        <translation>Cattura dello schermo non riuscita.</translation>
    </message>
</context>
<context>
    <name>InspectorView</name>
    <message>
        <source>Add “%1” to allowlist</source>
        <extracomment>%1 is the matched value, cut to 16 characters.</extracomment>
        <translation>Aggiungi «%1» all’elenco consentiti</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Pieno</translation>
    </message>
    <message>
        <source>Labeled</source>
        <translation>Etichettato</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Sfocato</translation>
    </message>
    <message>
        <source>Pixelate</source>
        <translation>Pixelato</translation>
    </message>
</context>
<context>
    <name>QtEditorPlatform</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valori separati da virgola (*.csv)</translation>
    </message>
</context>
<context>
    <name>tarnveil::AboutDialog</name>
    <message>
        <source>About Tarnveil</source>
        <extracomment>Title of the about window.</extracomment>
        <translation>Informazioni su Tarnveil</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number, such as 1.1.1.</extracomment>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Destructive screenshot redaction. 100% offline.</source>
        <translation>Oscuramento distruttivo di schermate. 100% offline.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Controlla aggiornamenti…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>tarnveil::EditorToolBar</name>
    <message>
        <source>Daylight</source>
        <extracomment>Name of a light colour theme.</extracomment>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Hacker</source>
        <extracomment>Name of a green-on-black terminal-style colour theme.</extracomment>
        <translation>Hacker</translation>
    </message>
    <message>
        <source>Midnight</source>
        <extracomment>Name of a dark colour theme.</extracomment>
        <translation>Mezzanotte</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Cattura</translation>
    </message>
    <message>
        <source>Capture a region of the screen (Ctrl+Shift+2)</source>
        <translation>Cattura un’area dello schermo (Ctrl+Shift+2)</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Paste screenshot and run the pipeline (Ctrl+V)</source>
        <translation>Incolla una schermata e avvia l’elaborazione (Ctrl+V)</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profilo</translation>
    </message>
    <message>
        <source>Chrome Scrub</source>
        <translation>Pulizia UI</translation>
    </message>
    <message>
        <source>Add a heuristic strip over UI chrome</source>
        <translation>Aggiungi una striscia euristica sugli elementi dell’interfaccia</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>Fit (Ctrl+0)</source>
        <translation>Adatta (Ctrl+0)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>BURN</source>
        <translation>INCIDI</translation>
    </message>
    <message>
        <source>Burn and export</source>
        <translation>Incidi ed esporta</translation>
    </message>
    <message>
        <source>Burn the redactions into the pixels and export (Ctrl+Shift+E)</source>
        <translation>Incidi gli oscuramenti nei pixel ed esporta (Ctrl+Shift+E)</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Toggle Inspector</source>
        <translation>Alterna ispettore</translation>
    </message>
    <message>
        <source>Toggle inspector (Ctrl+Alt+I)</source>
        <translation>Mostra/nascondi ispettore (Ctrl+Alt+I)</translation>
    </message>
</context>
<context>
    <name>tarnveil::EmptyStateView</name>
    <message>
        <source>awaiting input</source>
        <translation>in attesa di input</translation>
    </message>
    <message>
        <source>Ctrl+Shift+2 to capture  ·  Ctrl+V to paste  ·  or drop a screenshot</source>
        <extracomment>Two spaces on each side of each middle dot.</extracomment>
        <translation>Ctrl+Shift+2 per catturare  ·  Ctrl+V per incollare  ·  o trascina una schermata</translation>
    </message>
</context>
<context>
    <name>tarnveil::InspectorView</name>
    <message>
        <source>No selection</source>
        <translation>Nessuna selezione</translation>
    </message>
    <message>
        <source>Select a region on the canvas.</source>
        <translation>Seleziona un’area sulla tela.</translation>
    </message>
    <message>
        <source>Press 1–4 to set the style of all selected regions.</source>
        <translation>Premi 1–4 per impostare lo stile di tutte le aree selezionate.</translation>
    </message>
    <message>
        <source>%1 regions selected</source>
        <extracomment>%1 is the number of selected regions (2 or more).</extracomment>
        <translation>%1 aree selezionate</translation>
    </message>
</context>
<context>
    <name>tarnveil::MenuBarContent</name>
    <message>
        <source>Capture Region</source>
        <translation>Cattura area</translation>
    </message>
    <message>
        <source>Paste from Clipboard</source>
        <translation>Incolla dagli appunti</translation>
    </message>
    <message>
        <source>Show Tarnveil</source>
        <translation>Mostra Tarnveil</translation>
    </message>
    <message>
        <source>Quit Tarnveil</source>
        <translation>Esci da Tarnveil</translation>
    </message>
</context>
<context>
    <name>tarnveil::RegionForm</name>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grigio</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Riempimento</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Corrispondenza</translation>
    </message>
    <message>
        <source>Manual region</source>
        <translation>Area manuale</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Rilevatore</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Gravità</translation>
    </message>
    <message>
        <source>Pseudonym</source>
        <translation>Pseudonimo</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Reversible — not safe for secrets. Use for faces and screenshots only.</source>
        <translation>Reversibile — non sicuro per i segreti. Usare solo per volti e schermate.</translation>
    </message>
    <message>
        <source>Protect (never redact inside)</source>
        <translation>Proteggi (non oscurare mai all’interno)</translation>
    </message>
    <message>
        <source>Allowlist</source>
        <translation>Elenco consentiti</translation>
    </message>
    <message>
        <source>Never redact this value again</source>
        <translation>Non oscurare più questo valore</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Nascondi</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Segreto</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identificativo</translation>
    </message>
    <message>
        <source>Contextual</source>
        <translation>Contestuale</translation>
    </message>
</context>
<context>
    <name>tarnveil::RegionListView</name>
    <message>
        <source>REGIONS</source>
        <translation>AREE</translation>
    </message>
    <message>
        <source>No regions yet</source>
        <translation>Ancora nessuna area</translation>
    </message>
    <message>
        <source>No image</source>
        <translation>Nessuna immagine</translation>
    </message>
    <message>
        <source>Drag on the canvas to add one</source>
        <translation>Trascina sulla tela per aggiungerne una</translation>
    </message>
    <message>
        <source>Paste a screenshot</source>
        <translation>Incolla una schermata</translation>
    </message>
    <message>
        <source>%1 regions</source>
        <extracomment>%1 is the number of regions in the list.</extracomment>
        <translation>%1 aree</translation>
    </message>
    <message>
        <source>Manual / chrome</source>
        <translation>Manuale / interfaccia</translation>
    </message>
    <message>
        <source>Remove all %1</source>
        <extracomment>%1 is the name of a detection category, such as Secret.</extracomment>
        <translation>Rimuovi tutto: %1</translation>
    </message>
</context>
<context>
    <name>tarnveil::StatusBarView</name>
    <message>
        <source>[space] preview   [1-4] style   [alt] protect</source>
        <translation>[spazio] anteprima   [1-4] stile   [alt] proteggi</translation>
    </message>
</context>
<context>
    <name>tarnveil::TarnveilCommands</name>
    <message>
        <source>Open Image</source>
        <translation>Apri immagine</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff)</source>
        <translation>Immagini (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Open Image…</source>
        <translation>Apri immagine…</translation>
    </message>
    <message>
        <source>Capture Screenshot</source>
        <translation>Cattura schermata</translation>
    </message>
    <message>
        <source>Paste Screenshot</source>
        <translation>Incolla schermata</translation>
    </message>
    <message>
        <source>Export to Desktop &amp;&amp; Copy</source>
        <translation>Esporta sulla Scrivania &amp;&amp; copia</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Copy Redacted</source>
        <translation>Copia immagine oscurata</translation>
    </message>
    <message>
        <source>Select All Regions</source>
        <translation>Seleziona tutte le aree</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Elimina selezionate</translation>
    </message>
    <message>
        <source>&amp;Redact</source>
        <translation>&amp;Oscura</translation>
    </message>
    <message>
        <source>Chrome Scrub</source>
        <translation>Pulizia UI</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>Adatta alla finestra</translation>
    </message>
    <message>
        <source>&amp;Session</source>
        <translation>&amp;Sessione</translation>
    </message>
    <message>
        <source>New Session</source>
        <translation>Nuova sessione</translation>
    </message>
    <message>
        <source>Export Mapping…</source>
        <translation>Esporta mappatura…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>About Tarnveil</source>
        <translation>Informazioni su Tarnveil</translation>
    </message>
    <message>
        <source>Hide Inspector</source>
        <translation>Nascondi ispettore</translation>
    </message>
    <message>
        <source>Show Inspector</source>
        <translation>Mostra ispettore</translation>
    </message>
</context>
</TS>
