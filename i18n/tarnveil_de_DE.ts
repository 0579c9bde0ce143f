<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppLanguage</name>
    <message>
        <source>System</source>
        <extracomment>Language picker: follow the device&apos;s own language setting rather than overriding it.</extracomment>
        <translation>System</translation>
    </message>
</context>
<context>
    <name>ChromeScrub</name>
    <message>
        <source>Menu Bar</source>
        <extracomment>The macOS menu bar at the top of the screen. Use Apple&apos;s own term for this language.</extracomment>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>Dock</source>
        <extracomment>The macOS Dock. Apple keeps this name in most languages.</extracomment>
        <translation>Dock</translation>
    </message>
    <message>
        <source>Browser Bar</source>
        <extracomment>A web browser&apos;s address/toolbar area, which may contain identifying URLs.</extracomment>
        <translation>Browserleiste</translation>
    </message>
    <message>
        <source>Title Bar</source>
        <extracomment>The title bar of a window, which often shows a path or hostname.</extracomment>
        <translation>Titelleiste</translation>
    </message>
</context>
<context>
    <name>EditorModel</name>
    <message>
        <source>Paste a screenshot to begin  (Ctrl+V)</source>
        <extracomment>Shown before any image is loaded. Two spaces before the parenthesis.</extracomment>
        <translation>Bildschirmfoto einfügen, um zu beginnen  (Strg+V)</translation>
    </message>
    <message>
        <source>No image on the clipboard</source>
        <translation>Kein Bild in der Zwischenablage</translation>
    </message>
    <message>
        <source>Select an area to capture…</source>
        <extracomment>Shown while the user picks the screen area to capture.</extracomment>
        <translation>Bereich zum Aufnehmen auswählen…</translation>
    </message>
    <message>
        <source>Capture cancelled</source>
        <translation>Aufnahme abgebrochen</translation>
    </message>
    <message>
        <source>No detections — review manually before exporting</source>
        <translation>Keine Treffer — vor dem Export manuell prüfen</translation>
    </message>
    <message>
        <source>1 detection · %1</source>
        <extracomment>%1 is the name of the redaction profile.</extracomment>
        <translation>1 Treffer · %1</translation>
    </message>
    <message>
        <source>%1 detections · %2</source>
        <extracomment>%1 is the number of detections (2 or more), %2 the name of the redaction profile.</extracomment>
        <translation>%1 Treffer · %2</translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation>Nichts zu exportieren</translation>
    </message>
    <message>
        <source>Burning…</source>
        <translation>Wird eingebrannt…</translation>
    </message>
    <message>
        <source>Burning 1 region…</source>
        <translation>1 Bereich wird eingebrannt…</translation>
    </message>
    <message>
        <source>Burning %1 regions…</source>
        <extracomment>%1 is the number of regions (0, 2 or more).</extracomment>
        <translation>%1 Bereiche werden eingebrannt…</translation>
    </message>
    <message>
        <source>Mapping exported</source>
        <translation>Zuordnung exportiert</translation>
    </message>
    <message>
        <source>New session — pseudonyms reset</source>
        <translation>Neue Sitzung — Pseudonyme zurückgesetzt</translation>
    </message>
    <message>
        <source>Redacted image copied to clipboard</source>
        <translation>Geschwärztes Bild in Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>Clipboard copy failed — please try again.</source>
        <translation>Kopieren fehlgeschlagen — bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Automatic detection failed</source>
        <translation>Automatische Erkennung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Review every sensitive area manually. Export the current manual redactions?</source>
        <translation>Prüfen Sie jeden sensiblen Bereich manuell. Aktuelle manuelle Schwärzungen exportieren?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Export reviewed image</source>
        <translation>Geprüftes Bild exportieren</translation>
    </message>
    <message>
        <source>Apply a reversible style to a secret?</source>
        <translation>Umkehrbaren Stil auf ein Geheimnis anwenden?</translation>
    </message>
    <message>
        <source>Blur and pixelate are reversible. Depixelation attacks can recover short secrets. Solid fill is safer.</source>
        <translation>Unschärfe und Verpixelung sind umkehrbar. Depixel-Angriffe können kurze Geheimnisse rekonstruieren. Deckende Füllung ist sicherer.</translation>
    </message>
    <message>
        <source>Apply Anyway</source>
        <translation>Trotzdem anwenden</translation>
    </message>
    <message>
        <source>Could not find the display to capture.</source>
        <translation>Der Bildschirm für die Aufnahme wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Tarnveil needs permission to capture the screen. Allow screenshots for Tarnveil in your desktop&apos;s privacy settings, then try again.</source>
        <translation>Tarnveil benötigt die Berechtigung, den Bildschirm aufzunehmen. Erlauben Sie Bildschirmfotos für Tarnveil in den Datenschutzeinstellungen Ihrer Arbeitsumgebung und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Screen capture is not available on this desktop.</source>
        <extracomment>Shown when neither an X11 display nor the desktop&apos;s screenshot portal can be used.</extracomment>
        <translation>Bildschirmaufnahmen sind in dieser Arbeitsumgebung nicht verfügbar.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service is not available.</source>
        <extracomment>The desktop portal (xdg-desktop-portal) that takes screenshots on Wayland is missing.</extracomment>
        <translation>Der Bildschirmfoto-Dienst der Arbeitsumgebung ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer.</source>
        <translation>Der Bildschirmfoto-Dienst der Arbeitsumgebung antwortet nicht.</translation>
    </message>
    <message>
        <source>Screen capture failed.</source>
        <translation>Bildschirmaufnahme fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>InspectorView</name>
    <message>
        <source>Add “%1” to allowlist</source>
        <extracomment>%1 is the matched value, cut to 16 characters.</extracomment>
        <translation>„%1“ zur Ausnahmeliste hinzufügen</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Deckend</translation>
    </message>
    <message>
        <source>Labeled</source>
        <translation>Beschriftet</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Unscharf</translation>
    </message>
    <message>
        <source>Pixelate</source>
        <translation>Verpixelt</translation>
    </message>
</context>
<context>
    <name>QtEditorPlatform</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
</context>
<context>
    <name>tarnveil::AboutDialog</name>
    <message>
        <source>About Tarnveil</source>
        <extracomment>Title of the about window.</extracomment>
        <translation>Über Tarnveil</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number, such as 1.1.1.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Destructive screenshot redaction. 100% offline.</source>
        <translation>Destruktive Schwärzung von Bildschirmfotos. 100 % offline.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Aktualisierungen suchen…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>tarnveil::EditorToolBar</name>
    <message>
        <source>Daylight</source>
        <extracomment>Name of a light colour theme.</extracomment>
        <translation>Tageslicht</translation>
    </message>
    <message>
        <source>Hacker</source>
        <extracomment>Name of a green-on-black terminal-style colour theme.</extracomment>
        <translation>Hacker</translation>
    </message>
    <message>
        <source>Midnight</source>
        <extracomment>Name of a dark colour theme.</extracomment>
        <translation>Mitternacht</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Capture a region of the screen (Ctrl+Shift+2)</source>
        <translation>Bildschirmbereich aufnehmen (Strg+Umschalt+2)</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Paste screenshot and run the pipeline (Ctrl+V)</source>
        <translation>Bildschirmfoto einfügen und Pipeline ausführen (Strg+V)</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Chrome Scrub</source>
        <translation>UI-Bereinigung</translation>
    </message>
    <message>
        <source>Add a heuristic strip over UI chrome</source>
        <translation>Heuristischen Streifen über UI-Elemente legen</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Fit (Ctrl+0)</source>
        <translation>Einpassen (Strg+0)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>BURN</source>
        <translation>EINBRENNEN</translation>
    </message>
    <message>
        <source>Burn and export</source>
        <translation>Einbrennen und exportieren</translation>
    </message>
    <message>
        <source>Burn the redactions into the pixels and export (Ctrl+Shift+E)</source>
        <translation>Schwärzungen in die Pixel einbrennen und exportieren (Strg+Umschalt+E)</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Toggle Inspector</source>
        <translation>Inspektor ein/aus</translation>
    </message>
    <message>
        <source>Toggle inspector (Ctrl+Alt+I)</source>
        <translation>Inspektor ein/aus (Strg+Alt+I)</translation>
    </message>
</context>
<context>
    <name>tarnveil::EmptyStateView</name>
    <message>
        <source>awaiting input</source>
        <translation>warte auf Eingabe</translation>
    </message>
    <message>
        <source>Ctrl+Shift+2 to capture  ·  Ctrl+V to paste  ·  or drop a screenshot</source>
        <extracomment>Two spaces on each side of each middle dot.</extracomment>
        <translation>Strg+Umschalt+2 zum Aufnehmen  ·  Strg+V zum Einfügen  ·  oder Bildschirmfoto ablegen</translation>
    </message>
</context>
<context>
    <name>tarnveil::InspectorView</name>
    <message>
        <source>No selection</source>
        <translation>Keine Auswahl</translation>
    </message>
    <message>
        <source>Select a region on the canvas.</source>
        <translation>Bereich auf der Arbeitsfläche auswählen.</translation>
    </message>
    <message>
        <source>Press 1–4 to set the style of all selected regions.</source>
        <translation>1–4 drücken, um den Stil aller gewählten Bereiche festzulegen.</translation>
    </message>
    <message>
        <source>%1 regions selected</source>
        <extracomment>%1 is the number of selected regions (2 or more).</extracomment>
        <translation>%1 Bereiche ausgewählt</translation>
    </message>
</context>
<context>
    <name>tarnveil::MenuBarContent</name>
    <message>
        <source>Capture Region</source>
        <translation>Bereich aufnehmen</translation>
    </message>
    <message>
        <source>Paste from Clipboard</source>
        <translation>Aus Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>Show Tarnveil</source>
        <translation>Tarnveil anzeigen</translation>
    </message>
    <message>
        <source>Quit Tarnveil</source>
        <translation>Tarnveil beenden</translation>
    </message>
</context>
<context>
    <name>tarnveil::RegionForm</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllung</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>Manual region</source>
        <translation>Manueller Bereich</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detektor</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Schweregrad</translation>
    </message>
    <message>
        <source>Pseudonym</source>
        <translation>Pseudonym</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Reversible — not safe for secrets. Use for faces and screenshots only.</source>
        <translation>Umkehrbar — nicht sicher für Geheimnisse. Nur für Gesichter und Bildschirmfotos verwenden.</translation>
    </message>
    <message>
        <source>Protect (never redact inside)</source>
        <translation>Schützen (nie innerhalb schwärzen)</translation>
    </message>
    <message>
        <source>Allowlist</source>
        <translation>Ausnahmeliste</translation>
    </message>
    <message>
        <source>Never redact this value again</source>
        <translation>Diesen Wert nie wieder schwärzen</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Verbergen</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Geheimnis</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Contextual</source>
        <translation>Kontextbezogen</translation>
    </message>
</context>
<context>
    <name>tarnveil::RegionListView</name>
    <message>
        <source>REGIONS</source>
        <translation>BEREICHE</translation>
    </message>
    <message>
        <source>No regions yet</source>
        <translation>Noch keine Bereiche</translation>
    </message>
    <message>
        <source>No image</source>
        <translation>Kein Bild</translation>
    </message>
    <message>
        <source>Drag on the canvas to add one</source>
        <translation>Zum Hinzufügen auf der Arbeitsfläche ziehen</translation>
    </message>
    <message>
        <source>Paste a screenshot</source>
        <translation>Bildschirmfoto einfügen</translation>
    </message>
    <message>
        <source>%1 regions</source>
        <extracomment>%1 is the number of regions in the list.</extracomment>
        <translation>%1 Bereiche</translation>
    </message>
    <message>
        <source>Manual / chrome</source>
        <translation>Manuell / UI</translation>
    </message>
    <message>
        <source>Remove all %1</source>
        <extracomment>%1 is the name of a detection category, such as Secret.</extracomment>
        <translation>Alle entfernen: %1</translation>
    </message>
</context>
<context>
    <name>tarnveil::StatusBarView</name>
    <message>
        <source>[space] preview   [1-4] style   [alt] protect</source>
        <translation>[Leertaste] Vorschau   [1-4] Stil   [Alt] schützen</translation>
    </message>
</context>
<context>
    <name>tarnveil::TarnveilCommands</name>
    <message>
        <source>Open Image</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open Image…</source>
        <translation>Bild öffnen…</translation>
    </message>
    <message>
        <source>Capture Screenshot</source>
        <translation>Bildschirmfoto aufnehmen</translation>
    </message>
    <message>
        <source>Paste Screenshot</source>
        <translation>Bildschirmfoto einfügen</translation>
    </message>
    <message>
        <source>Export to Desktop &amp;&amp; Copy</source>
        <translation>Auf Schreibtisch exportieren &amp;&amp; kopieren</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Copy Redacted</source>
        <translation>Geschwärzt kopieren</translation>
    </message>
    <message>
        <source>Select All Regions</source>
        <translation>Alle Bereiche auswählen</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <source>&amp;Redact</source>
        <translation>Sch&amp;wärzen</translation>
    </message>
    <message>
        <source>Chrome Scrub</source>
        <translation>UI-Bereinigung</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>An Fenster anpassen</translation>
    </message>
    <message>
        <source>&amp;Session</source>
        <translation>&amp;Sitzung</translation>
    </message>
    <message>
        <source>New Session</source>
        <translation>Neue Sitzung</translation>
    </message>
    <message>
        <source>Export Mapping…</source>
        <translation>Zuordnung exportieren…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About Tarnveil</source>
        <translation>Über Tarnveil</translation>
    </message>
    <message>
        <source>Hide Inspector</source>
        <translation>Inspektor ausblenden</translation>
    </message>
    <message>
        <source>Show Inspector</source>
        <translation>Inspektor einblenden</translation>
    </message>
</context>
</TS>
