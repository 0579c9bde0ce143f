<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_MX">
<context>
    <name>AppLanguage</name>
    <message>
        <source>System</source>
        <extracomment>Language picker: follow the device&apos;s own language setting rather than overriding it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChromeScrub</name>
    <message>
        <source>Menu Bar</source>
        <extracomment>The macOS menu bar at the top of the screen. Use Apple&apos;s own term for this language.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dock</source>
        <extracomment>The macOS Dock. Apple keeps this name in most languages.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser Bar</source>
        <extracomment>A web browser&apos;s address/toolbar area, which may contain identifying URLs.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title Bar</source>
        <extracomment>The title bar of a window, which often shows a path or hostname.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorModel</name>
    <message>
        <source>Paste a screenshot to begin  (Ctrl+V)</source>
        <extracomment>Shown before any image is loaded. Two spaces before the parenthesis.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No image on the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select an area to capture…</source>
        <extracomment>Shown while the user picks the screen area to capture.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No detections — review manually before exporting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 detection · %1</source>
        <extracomment>%1 is the name of the redaction profile.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 detections · %2</source>
        <extracomment>%1 is the number of detections (2 or more), %2 the name of the redaction profile.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burning…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burning 1 region…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burning %1 regions…</source>
        <extracomment>%1 is the number of regions (0, 2 or more).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mapping exported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New session — pseudonyms reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redacted image copied to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clipboard copy failed — please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic detection failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review every sensitive area manually. Export the current manual redactions?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export reviewed image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply a reversible style to a secret?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blur and pixelate are reversible. Depixelation attacks can recover short secrets. Solid fill is safer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply Anyway</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InspectorView</name>
    <message>
        <source>Add “%1” to allowlist</source>
        <extracomment>%1 is the matched value, cut to 16 characters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labeled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pixelate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtEditorPlatform</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnveil::AboutDialog</name>
    <message>
        <source>About Tarnveil</source>
        <extracomment>Title of the about window.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number, such as 1.1.1.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destructive screenshot redaction. 100% offline.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnveil::EditorToolBar</name>
    <message>
        <source>Daylight</source>
        <extracomment>Name of a light colour theme.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hacker</source>
        <extracomment>Name of a green-on-black terminal-style colour theme.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midnight</source>
        <extracomment>Name of a dark colour theme.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture a region of the screen (Ctrl+Shift+2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste screenshot and run the pipeline (Ctrl+V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chrome Scrub</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a heuristic strip over UI chrome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit (Ctrl+0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BURN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burn and export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burn the redactions into the pixels and export (Ctrl+Shift+E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle Inspector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle inspector (Ctrl+Alt+I)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnveil::EmptyStateView</name>
    <message>
        <source>awaiting input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+2 to capture  ·  Ctrl+V to paste  ·  or drop a screenshot</source>
        <extracomment>Two spaces on each side of each middle dot.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnveil::InspectorView</name>
    <message>
        <source>No selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a region on the canvas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press 1–4 to set the style of all selected regions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 regions selected</source>
        <extracomment>%1 is the number of selected regions (2 or more).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnveil::MenuBarContent</name>
    <message>
        <source>Capture Region</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste from Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Tarnveil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Tarnveil</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnveil::RegionForm</name>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual region</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Severity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pseudonym</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reversible — not safe for secrets. Use for faces and screenshots only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protect (never redact inside)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allowlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never redact this value again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contextual</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnveil::RegionListView</name>
    <message>
        <source>REGIONS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No regions yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag on the canvas to add one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste a screenshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 regions</source>
        <extracomment>%1 is the number of regions in the list.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual / chrome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove all %1</source>
        <extracomment>%1 is the name of a detection category, such as Secret.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnveil::StatusBarView</name>
    <message>
        <source>[space] preview   [1-4] style   [alt] protect</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnveil::TarnveilCommands</name>
    <message>
        <source>Open Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Image…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture Screenshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Screenshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to Desktop &amp;&amp; Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Redacted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All Regions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chrome Scrub</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Mapping…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Tarnveil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Inspector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Inspector</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
