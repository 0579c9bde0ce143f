<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AppLanguage</name>
    <message>
        <source>System</source>
        <extracomment>Language picker: follow the device&apos;s own language setting rather than overriding it.</extracomment>
        <translation>Systeem</translation>
    </message>
</context>
<context>
    <name>ChromeScrub</name>
    <message>
        <source>Menu Bar</source>
        <extracomment>The macOS menu bar at the top of the screen. Use Apple&apos;s own term for this language.</extracomment>
        <translation>Menubalk</translation>
    </message>
    <message>
        <source>Dock</source>
        <extracomment>The macOS Dock. Apple keeps this name in most languages.</extracomment>
        <translation>Dock</translation>
    </message>
    <message>
        <source>Browser Bar</source>
        <extracomment>A web browser&apos;s address/toolbar area, which may contain identifying URLs.</extracomment>
        <translation>Browserbalk</translation>
    </message>
    <message>
        <source>Title Bar</source>
        <extracomment>The title bar of a window, which often shows a path or hostname.</extracomment>
        <translation>Titelbalk</translation>
    </message>
</context>
<context>
    <name>EditorModel</name>
    <message>
        <source>Paste a screenshot to begin  (Ctrl+V)</source>
        <extracomment>Shown before any image is loaded. Two spaces before the parenthesis.</extracomment>
        <translation>Plak een schermafbeelding om te beginnen  (Ctrl+V)</translation>
    </message>
    <message>
        <source>No image on the clipboard</source>
        <translation>Geen afbeelding op het klembord</translation>
    </message>
    <message>
        <source>Select an area to capture…</source>
        <extracomment>Shown while the user picks the screen area to capture.</extracomment>
        <translation>Selecteer een gebied om vast te leggen…</translation>
    </message>
    <message>
        <source>Capture cancelled</source>
        <translation>Vastleggen geannuleerd</translation>
    </message>
    <message>
        <source>No detections — review manually before exporting</source>
        <translation>Geen detecties — controleer handmatig vóór het exporteren</translation>
    </message>
    <message>
        <source>1 detection · %1</source>
        <extracomment>%1 is the name of the redaction profile.</extracomment>
        <translation>1 detectie · %1</translation>
    </message>
    <message>
        <source>%1 detections · %2</source>
        <extracomment>%1 is the number of detections (2 or more), %2 the name of the redaction profile.</extracomment>
        <translation>%1 detecties · %2</translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation>Niets om te exporteren</translation>
    </message>
    <message>
        <source>Burning…</source>
        <translation>Inbranden…</translation>
    </message>
    <message>
        <source>Burning 1 region…</source>
        <translation>1 gebied inbranden…</translation>
    </message>
    <message>
        <source>Burning %1 regions…</source>
        <extracomment>%1 is the number of regions (0, 2 or more).</extracomment>
        <translation>%1 gebieden inbranden…</translation>
    </message>
    <message>
        <source>Mapping exported</source>
        <translation>Toewijzing geëxporteerd</translation>
    </message>
    <message>
        <source>New session — pseudonyms reset</source>
        <translation>Nieuwe sessie — pseudoniemen gereset</translation>
    </message>
    <message>
        <source>Redacted image copied to clipboard</source>
        <translation>Weggelakte afbeelding naar klembord gekopieerd</translation>
    </message>
    <message>
        <source>Clipboard copy failed — please try again.</source>
        <translation>Kopiëren naar klembord mislukt — probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Automatic detection failed</source>
        <translation>Automatische detectie mislukt</translation>
    </message>
    <message>
        <source>Review every sensitive area manually. Export the current manual redactions?</source>
        <translation>Controleer elk gevoelig gebied handmatig. De huidige handmatige weglakkingen exporteren?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Export reviewed image</source>
        <translation>Gecontroleerde afbeelding exporteren</translation>
    </message>
    <message>
        <source>Apply a reversible style to a secret?</source>
        <translation>Omkeerbare stijl toepassen op een geheim?</translation>
    </message>
    <message>
        <source>Blur and pixelate are reversible. Depixelation attacks can recover short secrets. Solid fill is safer.</source>
        <translation>Vervagen en pixeleren zijn omkeerbaar. Depixelatie-aanvallen kunnen korte geheimen herstellen. Een effen vulling is veiliger.</translation>
    </message>
    <message>
        <source>Apply Anyway</source>
        <translation>Toch toepassen</translation>
    </message>
    <message>
        <source>Could not find the display to capture.</source>
        <translation>Het scherm om vast te leggen is niet gevonden.</translation>
    </message>
    <message>
        <source>Tarnveil needs permission to capture the screen. Allow screenshots for Tarnveil in your desktop&apos;s privacy settings, then try again.</source>
        <translation>Tarnveil heeft toestemming nodig om het scherm vast te leggen. Sta schermafbeeldingen voor Tarnveil toe in de privacyinstellingen van je bureaublad en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Screen capture is not available on this desktop.</source>
        <extracomment>Shown when neither an X11 display nor the desktop&apos;s screenshot portal can be used.</extracomment>
        <translation>Schermopname is niet beschikbaar op dit bureaublad.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service is not available.</source>
        <extracomment>The desktop portal (xdg-desktop-portal) that takes screenshots on Wayland is missing.</extracomment>
        <translation>De schermafbeeldingsdienst van het bureaublad is niet beschikbaar.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer.</source>
        <translation>De schermafbeeldingsdienst van het bureaublad reageerde niet.</translation>
    </message>
    <message>
        <source>Screen capture failed.</source>
        <translation>Schermopname mislukt.</translation>
    </message>
</context>
<context>
    <name>InspectorView</name>
    <message>
        <source>Add “%1” to allowlist</source>
        <extracomment>%1 is the matched value, cut to 16 characters.</extracomment>
        <translation>„%1” aan uitzonderingslijst toevoegen</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Effen</translation>
    </message>
    <message>
        <source>Labeled</source>
        <translation>Met label</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Vervaagd</translation>
    </message>
    <message>
        <source>Pixelate</source>
        <translation>Gepixeld</translation>
    </message>
</context>
<context>
    <name>QtEditorPlatform</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-afbeelding (*.png)</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Kommagescheiden waarden (*.csv)</translation>
    </message>
</context>
<context>
    <name>tarnveil::AboutDialog</name>
    <message>
        <source>About Tarnveil</source>
        <extracomment>Title of the about window.</extracomment>
        <translation>Over Tarnveil</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number, such as 1.1.1.</extracomment>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Destructive screenshot redaction. 100% offline.</source>
        <translation>Destructief weglakken in schermafbeeldingen. 100% offline.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Controleren op updates…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>tarnveil::EditorToolBar</name>
    <message>
        <source>Daylight</source>
        <extracomment>Name of a light colour theme.</extracomment>
        <translation>Daglicht</translation>
    </message>
    <message>
        <source>Hacker</source>
        <extracomment>Name of a green-on-black terminal-style colour theme.</extracomment>
        <translation>Hacker</translation>
    </message>
    <message>
        <source>Midnight</source>
        <extracomment>Name of a dark colour theme.</extracomment>
        <translation>Middernacht</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Vastleggen</translation>
    </message>
    <message>
        <source>Capture a region of the screen (Ctrl+Shift+2)</source>
        <translation>Een schermgebied vastleggen (Ctrl+Shift+2)</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Paste screenshot and run the pipeline (Ctrl+V)</source>
        <translation>Schermafbeelding plakken en de pipeline uitvoeren (Ctrl+V)</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profiel</translation>
    </message>
    <message>
        <source>Chrome Scrub</source>
        <translation>UI-opschoning</translation>
    </message>
    <message>
        <source>Add a heuristic strip over UI chrome</source>
        <translation>Heuristische strook over UI-elementen leggen</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Passend</translation>
    </message>
    <message>
        <source>Fit (Ctrl+0)</source>
        <translation>Passend (Ctrl+0)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>BURN</source>
        <translation>INBRANDEN</translation>
    </message>
    <message>
        <source>Burn and export</source>
        <translation>Inbranden en exporteren</translation>
    </message>
    <message>
        <source>Burn the redactions into the pixels and export (Ctrl+Shift+E)</source>
        <translation>Weglakkingen in de pixels inbranden en exporteren (Ctrl+Shift+E)</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Uiterlijk</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>Toggle Inspector</source>
        <translation>Inspector aan/uit</translation>
    </message>
    <message>
        <source>Toggle inspector (Ctrl+Alt+I)</source>
        <translation>Inspector aan/uit (Ctrl+Alt+I)</translation>
    </message>
</context>
<context>
    <name>tarnveil::EmptyStateView</name>
    <message>
        <source>awaiting input</source>
        <translation>wacht op invoer</translation>
    </message>
    <message>
        <source>Ctrl+Shift+2 to capture  ·  Ctrl+V to paste  ·  or drop a screenshot</source>
        <extracomment>Two spaces on each side of each middle dot.</extracomment>
        <translation>Ctrl+Shift+2 om vast te leggen  ·  Ctrl+V om te plakken  ·  of sleep een afbeelding</translation>
    </message>
</context>
<context>
    <name>tarnveil::InspectorView</name>
    <message>
        <source>No selection</source>
        <translation>Geen selectie</translation>
    </message>
    <message>
        <source>Select a region on the canvas.</source>
        <translation>Selecteer een gebied op het canvas.</translation>
    </message>
    <message>
        <source>Press 1–4 to set the style of all selected regions.</source>
        <translation>Druk op 1–4 om de stijl van alle geselecteerde gebieden in te stellen.</translation>
    </message>
    <message>
        <source>%1 regions selected</source>
        <extracomment>%1 is the number of selected regions (2 or more).</extracomment>
        <translation>%1 gebieden geselecteerd</translation>
    </message>
</context>
<context>
    <name>tarnveil::MenuBarContent</name>
    <message>
        <source>Capture Region</source>
        <translation>Gebied vastleggen</translation>
    </message>
    <message>
        <source>Paste from Clipboard</source>
        <translation>Plakken van klembord</translation>
    </message>
    <message>
        <source>Show Tarnveil</source>
        <translation>Tarnveil tonen</translation>
    </message>
    <message>
        <source>Quit Tarnveil</source>
        <translation>Tarnveil afsluiten</translation>
    </message>
</context>
<context>
    <name>tarnveil::RegionForm</name>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grijs</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Vulling</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Overeenkomst</translation>
    </message>
    <message>
        <source>Manual region</source>
        <translation>Handmatig gebied</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detector</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Ernst</translation>
    </message>
    <message>
        <source>Pseudonym</source>
        <translation>Pseudoniem</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stijl</translation>
    </message>
    <message>
        <source>Reversible — not safe for secrets. Use for faces and screenshots only.</source>
        <translation>Omkeerbaar — onveilig voor geheimen. Alleen voor gezichten en schermafbeeldingen.</translation>
    </message>
    <message>
        <source>Protect (never redact inside)</source>
        <translation>Beschermen (nooit binnenin weglakken)</translation>
    </message>
    <message>
        <source>Allowlist</source>
        <translation>Uitzonderingslijst</translation>
    </message>
    <message>
        <source>Never redact this value again</source>
        <translation>Deze waarde nooit meer weglakken</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Verbergen</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>Tonen</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Geheim</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identificator</translation>
    </message>
    <message>
        <source>Contextual</source>
        <translation>Contextueel</translation>
    </message>
</context>
<context>
    <name>tarnveil::RegionListView</name>
    <message>
        <source>REGIONS</source>
        <translation>GEBIEDEN</translation>
    </message>
    <message>
        <source>No regions yet</source>
        <translation>Nog geen gebieden</translation>
    </message>
    <message>
        <source>No image</source>
        <translation>Geen afbeelding</translation>
    </message>
    <message>
        <source>Drag on the canvas to add one</source>
        <translation>Sleep op het canvas om er een toe te voegen</translation>
    </message>
    <message>
        <source>Paste a screenshot</source>
        <translation>Plak een schermafbeelding</translation>
    </message>
    <message>
        <source>%1 regions</source>
        <extracomment>%1 is the number of regions in the list.</extracomment>
        <translation>%1 gebieden</translation>
    </message>
    <message>
        <source>Manual / chrome</source>
        <translation>Handmatig / UI</translation>
    </message>
    <message>
        <source>Remove all %1</source>
        <extracomment>%1 is the name of a detection category, such as Secret.</extracomment>
        <translation>Alles verwijderen: %1</translation>
    </message>
</context>
<context>
    <name>tarnveil::StatusBarView</name>
    <message>
        <source>[space] preview   [1-4] style   [alt] protect</source>
        <translation>[spatie] voorbeeld   [1-4] stijl   [alt] beschermen</translation>
    </message>
</context>
<context>
    <name>tarnveil::TarnveilCommands</name>
    <message>
        <source>Open Image</source>
        <translation>Afbeelding openen</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff)</source>
        <translation>Afbeeldingen (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>Open Image…</source>
        <translation>Afbeelding openen…</translation>
    </message>
    <message>
        <source>Capture Screenshot</source>
        <translation>Schermafbeelding maken</translation>
    </message>
    <message>
        <source>Paste Screenshot</source>
        <translation>Schermafbeelding plakken</translation>
    </message>
    <message>
        <source>Export to Desktop &amp;&amp; Copy</source>
        <translation>Naar bureaublad exporteren &amp;&amp; kopiëren</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Copy Redacted</source>
        <translation>Weggelakt kopiëren</translation>
    </message>
    <message>
        <source>Select All Regions</source>
        <translation>Alle gebieden selecteren</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Selectie verwijderen</translation>
    </message>
    <message>
        <source>&amp;Redact</source>
        <translation>Weg&amp;lakken</translation>
    </message>
    <message>
        <source>Chrome Scrub</source>
        <translation>UI-opschoning</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>Aan venster aanpassen</translation>
    </message>
    <message>
        <source>&amp;Session</source>
        <translation>&amp;Sessie</translation>
    </message>
    <message>
        <source>New Session</source>
        <translation>Nieuwe sessie</translation>
    </message>
    <message>
        <source>Export Mapping…</source>
        <translation>Toewijzing exporteren…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>About Tarnveil</source>
        <translation>Over Tarnveil</translation>
    </message>
    <message>
        <source>Hide Inspector</source>
        <translation>Inspector verbergen</translation>
    </message>
    <message>
        <source>Show Inspector</source>
        <translation>Inspector tonen</translation>
    </message>
</context>
</TS>
