<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
        <translation>Menu Bar</translation>
    </message>
    <message>
        <source>Dock</source>
        <extracomment>The macOS Dock. Apple keeps this name in most languages.</extracomment>
        <translation>Dock</translation>
    </message>
    <message>
        <source>Browser Bar</source>
        <extracomment>A web browser&apos;s address/toolbar area, which may contain identifying URLs.</extracomment>
        <translation>Browser Bar</translation>
    </message>
    <message>
        <source>Title Bar</source>
        <extracomment>The title bar of a window, which often shows a path or hostname.</extracomment>
        <translation>Title Bar</translation>
    </message>
</context>
<context>
    <name>EditorModel</name>
    <message>
        <source>Paste a screenshot to begin  (Ctrl+V)</source>
        <extracomment>Shown before any image is loaded. Two spaces before the parenthesis.</extracomment>
        <translation>Paste a screenshot to begin  (Ctrl+V)</translation>
    </message>
    <message>
        <source>No image on the clipboard</source>
        <translation>No image on the clipboard</translation>
    </message>
    <message>
        <source>Select an area to capture…</source>
        <extracomment>Shown while the user picks the screen area to capture.</extracomment>
        <translation>Select an area to capture…</translation>
    </message>
    <message>
        <source>Capture cancelled</source>
        <translation>Capture cancelled</translation>
    </message>
    <message>
        <source>No detections — review manually before exporting</source>
        <translation>No detections — review manually before exporting</translation>
    </message>
    <message>
        <source>1 detection · %1</source>
        <extracomment>%1 is the name of the redaction profile.</extracomment>
        <translation>1 detection · %1</translation>
    </message>
    <message>
        <source>%1 detections · %2</source>
        <extracomment>%1 is the number of detections (2 or more), %2 the name of the redaction profile.</extracomment>
        <translation>%1 detections · %2</translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation>Nothing to export</translation>
    </message>
    <message>
        <source>Burning…</source>
        <translation>Burning…</translation>
    </message>
    <message>
        <source>Burning 1 region…</source>
        <translation>Burning 1 region…</translation>
    </message>
    <message>
        <source>Burning %1 regions…</source>
        <extracomment>%1 is the number of regions (0, 2 or more).</extracomment>
        <translation>Burning %1 regions…</translation>
    </message>
    <message>
        <source>Mapping exported</source>
        <translation>Mapping exported</translation>
    </message>
    <message>
        <source>New session — pseudonyms reset</source>
        <translation>New session — pseudonyms reset</translation>
    </message>
    <message>
        <source>Redacted image copied to clipboard</source>
        <translation>Redacted image copied to clipboard</translation>
    </message>
    <message>
        <source>Clipboard copy failed — please try again.</source>
        <translation>Clipboard copy failed — please try again.</translation>
    </message>
    <message>
        <source>Automatic detection failed</source>
        <translation>Automatic detection failed</translation>
    </message>
    <message>
        <source>Review every sensitive area manually. Export the current manual redactions?</source>
        <translation>Review every sensitive area manually. Export the current manual redactions?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Export reviewed image</source>
        <translation>Export reviewed image</translation>
    </message>
    <message>
        <source>Apply a reversible style to a secret?</source>
        <translation>Apply a reversible style to a secret?</translation>
    </message>
    <message>
        <source>Blur and pixelate are reversible. Depixelation attacks can recover short secrets. Solid fill is safer.</source>
        <translation>Blur and pixelate are reversible. Depixelation attacks can recover short secrets. Solid fill is safer.</translation>
    </message>
    <message>
        <source>Apply Anyway</source>
        <translation>Apply Anyway</translation>
    </message>
    <message>
        <source>Could not find the display to capture.</source>
        <translation>Could not find the display to capture.</translation>
    </message>
    <message>
        <source>Tarnveil needs permission to capture the screen. Allow screenshots for Tarnveil in your desktop&apos;s privacy settings, then try again.</source>
        <translation>Tarnveil needs permission to capture the screen. Allow screenshots for Tarnveil in your desktop&apos;s privacy settings, then try again.</translation>
    </message>
    <message>
        <source>Screen capture is not available on this desktop.</source>
        <extracomment>Shown when neither an X11 display nor the desktop&apos;s screenshot portal can be used.</extracomment>
        <translation>Screen capture is not available on this desktop.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service is not available.</source>
        <extracomment>The desktop portal (xdg-desktop-portal) that takes screenshots on Wayland is missing.</extracomment>
        <translation>The desktop&apos;s screenshot service is not available.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer.</source>
        <translation>The desktop&apos;s screenshot service did not answer.</translation>
    </message>
    <message>
        <source>Screen capture failed.</source>
        <translation>Screen capture failed.</translation>
    </message>
</context>
<context>
    <name>InspectorView</name>
    <message>
        <source>Add “%1” to allowlist</source>
        <extracomment>%1 is the matched value, cut to 16 characters.</extracomment>
        <translation>Add “%1” to allowlist</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>Labeled</source>
        <translation>Labeled</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Blur</translation>
    </message>
    <message>
        <source>Pixelate</source>
        <translation>Pixelate</translation>
    </message>
</context>
<context>
    <name>QtEditorPlatform</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Comma-separated values (*.csv)</translation>
    </message>
</context>
<context>
    <name>tarnveil::AboutDialog</name>
    <message>
        <source>About Tarnveil</source>
        <extracomment>Title of the about window.</extracomment>
        <translation>About Tarnveil</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number, such as 1.1.1.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Destructive screenshot redaction. 100% offline.</source>
        <translation>Destructive screenshot redaction. 100% offline.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Check for Updates…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>tarnveil::EditorToolBar</name>
    <message>
        <source>Daylight</source>
        <extracomment>Name of a light colour theme.</extracomment>
        <translation>Daylight</translation>
    </message>
    <message>
        <source>Hacker</source>
        <extracomment>Name of a green-on-black terminal-style colour theme.</extracomment>
        <translation>Hacker</translation>
    </message>
    <message>
        <source>Midnight</source>
        <extracomment>Name of a dark colour theme.</extracomment>
        <translation>Midnight</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Capture a region of the screen (Ctrl+Shift+2)</source>
        <translation>Capture a region of the screen (Ctrl+Shift+2)</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Paste screenshot and run the pipeline (Ctrl+V)</source>
        <translation>Paste screenshot and run the pipeline (Ctrl+V)</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Chrome Scrub</source>
        <translation>Chrome Scrub</translation>
    </message>
    <message>
        <source>Add a heuristic strip over UI chrome</source>
        <translation>Add a heuristic strip over UI chrome</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Fit (Ctrl+0)</source>
        <translation>Fit (Ctrl+0)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>BURN</source>
        <translation>BURN</translation>
    </message>
    <message>
        <source>Burn and export</source>
        <translation>Burn and export</translation>
    </message>
    <message>
        <source>Burn the redactions into the pixels and export (Ctrl+Shift+E)</source>
        <translation>Burn the redactions into the pixels and export (Ctrl+Shift+E)</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Toggle Inspector</source>
        <translation>Toggle Inspector</translation>
    </message>
    <message>
        <source>Toggle inspector (Ctrl+Alt+I)</source>
        <translation>Toggle inspector (Ctrl+Alt+I)</translation>
    </message>
</context>
<context>
    <name>tarnveil::EmptyStateView</name>
    <message>
        <source>awaiting input</source>
        <translation>awaiting input</translation>
    </message>
    <message>
        <source>Ctrl+Shift+2 to capture  ·  Ctrl+V to paste  ·  or drop a screenshot</source>
        <extracomment>Two spaces on each side of each middle dot.</extracomment>
        <translation>Ctrl+Shift+2 to capture  ·  Ctrl+V to paste  ·  or drop a screenshot</translation>
    </message>
</context>
<context>
    <name>tarnveil::InspectorView</name>
    <message>
        <source>No selection</source>
        <translation>No selection</translation>
    </message>
    <message>
        <source>Select a region on the canvas.</source>
        <translation>Select a region on the canvas.</translation>
    </message>
    <message>
        <source>Press 1–4 to set the style of all selected regions.</source>
        <translation>Press 1–4 to set the style of all selected regions.</translation>
    </message>
    <message>
        <source>%1 regions selected</source>
        <extracomment>%1 is the number of selected regions (2 or more).</extracomment>
        <translation>%1 regions selected</translation>
    </message>
</context>
<context>
    <name>tarnveil::MenuBarContent</name>
    <message>
        <source>Capture Region</source>
        <translation>Capture Region</translation>
    </message>
    <message>
        <source>Paste from Clipboard</source>
        <translation>Paste from Clipboard</translation>
    </message>
    <message>
        <source>Show Tarnveil</source>
        <translation>Show Tarnveil</translation>
    </message>
    <message>
        <source>Quit Tarnveil</source>
        <translation>Quit Tarnveil</translation>
    </message>
</context>
<context>
    <name>tarnveil::RegionForm</name>
    <message>
        <source>Black</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>White</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grey</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Match</translation>
    </message>
    <message>
        <source>Manual region</source>
        <translation>Manual region</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detector</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Severity</translation>
    </message>
    <message>
        <source>Pseudonym</source>
        <translation>Pseudonym</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Reversible — not safe for secrets. Use for faces and screenshots only.</source>
        <translation>Reversible — not safe for secrets. Use for faces and screenshots only.</translation>
    </message>
    <message>
        <source>Protect (never redact inside)</source>
        <translation>Protect (never redact inside)</translation>
    </message>
    <message>
        <source>Allowlist</source>
        <translation>Allowlist</translation>
    </message>
    <message>
        <source>Never redact this value again</source>
        <translation>Never redact this value again</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>Reveal</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Secret</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identifier</translation>
    </message>
    <message>
        <source>Contextual</source>
        <translation>Contextual</translation>
    </message>
</context>
<context>
    <name>tarnveil::RegionListView</name>
    <message>
        <source>REGIONS</source>
        <translation>REGIONS</translation>
    </message>
    <message>
        <source>No regions yet</source>
        <translation>No regions yet</translation>
    </message>
    <message>
        <source>No image</source>
        <translation>No image</translation>
    </message>
    <message>
        <source>Drag on the canvas to add one</source>
        <translation>Drag on the canvas to add one</translation>
    </message>
    <message>
        <source>Paste a screenshot</source>
        <translation>Paste a screenshot</translation>
    </message>
    <message>
        <source>%1 regions</source>
        <extracomment>%1 is the number of regions in the list.</extracomment>
        <translation>%1 regions</translation>
    </message>
    <message>
        <source>Manual / chrome</source>
        <translation>Manual / chrome</translation>
    </message>
    <message>
        <source>Remove all %1</source>
        <extracomment>%1 is the name of a detection category, such as Secret.</extracomment>
        <translation>Remove all %1</translation>
    </message>
</context>
<context>
    <name>tarnveil::StatusBarView</name>
    <message>
        <source>[space] preview   [1-4] style   [alt] protect</source>
        <translation>[space] preview   [1-4] style   [alt] protect</translation>
    </message>
</context>
<context>
    <name>tarnveil::TarnveilCommands</name>
    <message>
        <source>Open Image</source>
        <translation>Open Image</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff)</source>
        <translation>Images (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Open Image…</source>
        <translation>Open Image…</translation>
    </message>
    <message>
        <source>Capture Screenshot</source>
        <translation>Capture Screenshot</translation>
    </message>
    <message>
        <source>Paste Screenshot</source>
        <translation>Paste Screenshot</translation>
    </message>
    <message>
        <source>Export to Desktop &amp;&amp; Copy</source>
        <translation>Export to Desktop &amp;&amp; Copy</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Copy Redacted</source>
        <translation>Copy Redacted</translation>
    </message>
    <message>
        <source>Select All Regions</source>
        <translation>Select All Regions</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Delete Selected</translation>
    </message>
    <message>
        <source>&amp;Redact</source>
        <translation>&amp;Redact</translation>
    </message>
    <message>
        <source>Chrome Scrub</source>
        <translation>Chrome Scrub</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>Fit to Window</translation>
    </message>
    <message>
        <source>&amp;Session</source>
        <translation>&amp;Session</translation>
    </message>
    <message>
        <source>New Session</source>
        <translation>New Session</translation>
    </message>
    <message>
        <source>Export Mapping…</source>
        <translation>Export Mapping…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>About Tarnveil</source>
        <translation>About Tarnveil</translation>
    </message>
    <message>
        <source>Hide Inspector</source>
        <translation>Hide Inspector</translation>
    </message>
    <message>
        <source>Show Inspector</source>
        <translation>Show Inspector</translation>
    </message>
</context>
</TS>
