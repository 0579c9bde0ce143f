<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_MX">
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
        <translation>Barra de menús</translation>
    </message>
    <message>
        <source>Dock</source>
        <extracomment>The macOS Dock. Apple keeps this name in most languages.</extracomment>
        <translation>Dock</translation>
    </message>
    <message>
        <source>Browser Bar</source>
        <extracomment>A web browser&apos;s address/toolbar area, which may contain identifying URLs.</extracomment>
        <translation>Barra del navegador</translation>
    </message>
    <message>
        <source>Title Bar</source>
        <extracomment>The title bar of a window, which often shows a path or hostname.</extracomment>
        <translation>Barra de título</translation>
    </message>
</context>
<context>
    <name>EditorModel</name>
    <message>
        <source>Paste a screenshot to begin  (Ctrl+V)</source>
        <extracomment>Shown before any image is loaded. Two spaces before the parenthesis.</extracomment>
        <translation>Pega una captura para empezar  (Ctrl+V)</translation>
    </message>
    <message>
        <source>No image on the clipboard</source>
        <translation>No hay imagen en el portapapeles</translation>
    </message>
    <message>
        <source>Select an area to capture…</source>
        <extracomment>Shown while the user picks the screen area to capture.</extracomment>
        <translation>Selecciona un área para capturar…</translation>
    </message>
    <message>
        <source>Capture cancelled</source>
        <translation>Captura cancelada</translation>
    </message>
    <message>
        <source>No detections — review manually before exporting</source>
        <translation>Sin detecciones — revisa manualmente antes de exportar</translation>
    </message>
    <message>
        <source>1 detection · %1</source>
        <extracomment>%1 is the name of the redaction profile.</extracomment>
        <translation>1 detección · %1</translation>
    </message>
    <message>
        <source>%1 detections · %2</source>
        <extracomment>%1 is the number of detections (2 or more), %2 the name of the redaction profile.</extracomment>
        <translation>%1 detecciones · %2</translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation>Nada que exportar</translation>
    </message>
    <message>
        <source>Burning…</source>
        <translation>Quemando…</translation>
    </message>
    <message>
        <source>Burning 1 region…</source>
        <translation>Quemando 1 región…</translation>
    </message>
    <message>
        <source>Burning %1 regions…</source>
        <extracomment>%1 is the number of regions (0, 2 or more).</extracomment>
        <translation>Quemando %1 regiones…</translation>
    </message>
    <message>
        <source>Mapping exported</source>
        <translation>Mapeo exportado</translation>
    </message>
    <message>
        <source>New session — pseudonyms reset</source>
        <translation>Nueva sesión — seudónimos restablecidos</translation>
    </message>
    <message>
        <source>Redacted image copied to clipboard</source>
        <translation>Imagen censurada copiada al portapapeles</translation>
    </message>
    <message>
        <source>Clipboard copy failed — please try again.</source>
        <translation>No se pudo copiar al portapapeles — inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Automatic detection failed</source>
        <translation>Falló la detección automática</translation>
    </message>
    <message>
        <source>Review every sensitive area manually. Export the current manual redactions?</source>
        <translation>Revisa manualmente cada área sensible. ¿Exportar las censuras manuales actuales?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Export reviewed image</source>
        <translation>Exportar imagen revisada</translation>
    </message>
    <message>
        <source>Apply a reversible style to a secret?</source>
        <translation>¿Aplicar un estilo reversible a un secreto?</translation>
    </message>
    <message>
        <source>Blur and pixelate are reversible. Depixelation attacks can recover short secrets. Solid fill is safer.</source>
        <translation>El desenfoque y el pixelado son reversibles. Los ataques de despixelado pueden recuperar secretos cortos. El relleno sólido es más seguro.</translation>
    </message>
    <message>
        <source>Apply Anyway</source>
        <translation>Aplicar de todos modos</translation>
    </message>
    <message>
        <source>Could not find the display to capture.</source>
        <translation>No se encontró la pantalla que se va a capturar.</translation>
    </message>
    <message>
        <source>Tarnveil needs permission to capture the screen. Allow screenshots for Tarnveil in your desktop&apos;s privacy settings, then try again.</source>
        <translation>Tarnveil necesita permiso para capturar la pantalla. Permite las capturas de pantalla para Tarnveil en la configuración de privacidad de tu escritorio y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Screen capture is not available on this desktop.</source>
        <extracomment>Shown when neither an X11 display nor the desktop&apos;s screenshot portal can be used.</extracomment>
        <translation>La captura de pantalla no está disponible en este escritorio.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service is not available.</source>
        <extracomment>The desktop portal (xdg-desktop-portal) that takes screenshots on Wayland is missing.</extracomment>
        <translation>El servicio de capturas de pantalla del escritorio no está disponible.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer.</source>
        <translation>El servicio de capturas de pantalla del escritorio no respondió.</translation>
    </message>
    <message>
        <source>Screen capture failed.</source>
        <translation>Falló la captura de pantalla.</translation>
    </message>
</context>
<context>
    <name>InspectorView</name>
    <message>
        <source>Add “%1” to allowlist</source>
        <extracomment>%1 is the matched value, cut to 16 characters.</extracomment>
        <translation>Agregar “%1” a la lista de permitidos</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Sólido</translation>
    </message>
    <message>
        <source>Labeled</source>
        <translation>Etiquetado</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Desenfoque</translation>
    </message>
    <message>
        <source>Pixelate</source>
        <translation>Pixelado</translation>
    </message>
</context>
<context>
    <name>QtEditorPlatform</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valores separados por comas (*.csv)</translation>
    </message>
</context>
<context>
    <name>tarnveil::AboutDialog</name>
    <message>
        <source>About Tarnveil</source>
        <extracomment>Title of the about window.</extracomment>
        <translation>Acerca de Tarnveil</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number, such as 1.1.1.</extracomment>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Destructive screenshot redaction. 100% offline.</source>
        <translation>Censura destructiva de capturas. 100% sin conexión.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>tarnveil::EditorToolBar</name>
    <message>
        <source>Daylight</source>
        <extracomment>Name of a light colour theme.</extracomment>
        <translation>Diurno</translation>
    </message>
    <message>
        <source>Hacker</source>
        <extracomment>Name of a green-on-black terminal-style colour theme.</extracomment>
        <translation>Hacker</translation>
    </message>
    <message>
        <source>Midnight</source>
        <extracomment>Name of a dark colour theme.</extracomment>
        <translation>Medianoche</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capturar</translation>
    </message>
    <message>
        <source>Capture a region of the screen (Ctrl+Shift+2)</source>
        <translation>Capturar una región de la pantalla (Ctrl+Shift+2)</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Paste screenshot and run the pipeline (Ctrl+V)</source>
        <translation>Pegar captura y ejecutar la detección (Ctrl+V)</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Chrome Scrub</source>
        <translation>Ocultar barras</translation>
    </message>
    <message>
        <source>Add a heuristic strip over UI chrome</source>
        <translation>Agregar una franja heurística sobre la interfaz</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Fit (Ctrl+0)</source>
        <translation>Ajustar (Ctrl+0)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>BURN</source>
        <translation>QUEMAR</translation>
    </message>
    <message>
        <source>Burn and export</source>
        <translation>Quemar y exportar</translation>
    </message>
    <message>
        <source>Burn the redactions into the pixels and export (Ctrl+Shift+E)</source>
        <translation>Quemar las censuras en los píxeles y exportar (Ctrl+Shift+E)</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Toggle Inspector</source>
        <translation>Alternar inspector</translation>
    </message>
    <message>
        <source>Toggle inspector (Ctrl+Alt+I)</source>
        <translation>Alternar inspector (Ctrl+Alt+I)</translation>
    </message>
</context>
<context>
    <name>tarnveil::EmptyStateView</name>
    <message>
        <source>awaiting input</source>
        <translation>esperando entrada</translation>
    </message>
    <message>
        <source>Ctrl+Shift+2 to capture  ·  Ctrl+V to paste  ·  or drop a screenshot</source>
        <extracomment>Two spaces on each side of each middle dot.</extracomment>
        <translation>Ctrl+Shift+2 para capturar  ·  Ctrl+V para pegar  ·  o suelta una captura</translation>
    </message>
</context>
<context>
    <name>tarnveil::InspectorView</name>
    <message>
        <source>No selection</source>
        <translation>Sin selección</translation>
    </message>
    <message>
        <source>Select a region on the canvas.</source>
        <translation>Selecciona una región en el lienzo.</translation>
    </message>
    <message>
        <source>Press 1–4 to set the style of all selected regions.</source>
        <translation>Presiona 1–4 para cambiar el estilo de las regiones seleccionadas.</translation>
    </message>
    <message>
        <source>%1 regions selected</source>
        <extracomment>%1 is the number of selected regions (2 or more).</extracomment>
        <translation>%1 regiones seleccionadas</translation>
    </message>
</context>
<context>
    <name>tarnveil::MenuBarContent</name>
    <message>
        <source>Capture Region</source>
        <translation>Capturar región</translation>
    </message>
    <message>
        <source>Paste from Clipboard</source>
        <translation>Pegar del portapapeles</translation>
    </message>
    <message>
        <source>Show Tarnveil</source>
        <translation>Mostrar Tarnveil</translation>
    </message>
    <message>
        <source>Quit Tarnveil</source>
        <translation>Salir de Tarnveil</translation>
    </message>
</context>
<context>
    <name>tarnveil::RegionForm</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Relleno</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Coincidencia</translation>
    </message>
    <message>
        <source>Manual region</source>
        <translation>Región manual</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detector</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Gravedad</translation>
    </message>
    <message>
        <source>Pseudonym</source>
        <translation>Seudónimo</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Reversible — not safe for secrets. Use for faces and screenshots only.</source>
        <translation>Reversible — no es seguro para secretos. Úsalo solo para rostros y capturas de pantalla.</translation>
    </message>
    <message>
        <source>Protect (never redact inside)</source>
        <translation>Proteger (nunca censurar dentro)</translation>
    </message>
    <message>
        <source>Allowlist</source>
        <translation>Lista de permitidos</translation>
    </message>
    <message>
        <source>Never redact this value again</source>
        <translation>No volver a censurar este valor</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>Revelar</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Secreto</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identificador</translation>
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
        <translation>REGIONES</translation>
    </message>
    <message>
        <source>No regions yet</source>
        <translation>Aún no hay regiones</translation>
    </message>
    <message>
        <source>No image</source>
        <translation>Sin imagen</translation>
    </message>
    <message>
        <source>Drag on the canvas to add one</source>
        <translation>Arrastra sobre el lienzo para agregar una</translation>
    </message>
    <message>
        <source>Paste a screenshot</source>
        <translation>Pega una captura</translation>
    </message>
    <message>
        <source>%1 regions</source>
        <extracomment>%1 is the number of regions in the list.</extracomment>
        <translation>%1 regiones</translation>
    </message>
    <message>
        <source>Manual / chrome</source>
        <translation>Manual / barras</translation>
    </message>
    <message>
        <source>Remove all %1</source>
        <extracomment>%1 is the name of a detection category, such as Secret.</extracomment>
        <translation>Quitar todos: %1</translation>
    </message>
</context>
<context>
    <name>tarnveil::StatusBarView</name>
    <message>
        <source>[space] preview   [1-4] style   [alt] protect</source>
        <translation>[espacio] vista previa   [1-4] estilo   [alt] proteger</translation>
    </message>
</context>
<context>
    <name>tarnveil::TarnveilCommands</name>
    <message>
        <source>Open Image</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff)</source>
        <translation>Imágenes (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open Image…</source>
        <translation>Abrir imagen…</translation>
    </message>
    <message>
        <source>Capture Screenshot</source>
        <translation>Capturar pantalla</translation>
    </message>
    <message>
        <source>Paste Screenshot</source>
        <translation>Pegar captura</translation>
    </message>
    <message>
        <source>Export to Desktop &amp;&amp; Copy</source>
        <translation>Exportar al escritorio &amp;&amp; copiar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Copy Redacted</source>
        <translation>Copiar imagen censurada</translation>
    </message>
    <message>
        <source>Select All Regions</source>
        <translation>Seleccionar todas las regiones</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Eliminar selección</translation>
    </message>
    <message>
        <source>&amp;Redact</source>
        <translation>&amp;Censurar</translation>
    </message>
    <message>
        <source>Chrome Scrub</source>
        <translation>Ocultar barras</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>Ajustar a la ventana</translation>
    </message>
    <message>
        <source>&amp;Session</source>
        <translation>&amp;Sesión</translation>
    </message>
    <message>
        <source>New Session</source>
        <translation>Nueva sesión</translation>
    </message>
    <message>
        <source>Export Mapping…</source>
        <translation>Exportar mapeo…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>About Tarnveil</source>
        <translation>Acerca de Tarnveil</translation>
    </message>
    <message>
        <source>Hide Inspector</source>
        <translation>Ocultar inspector</translation>
    </message>
    <message>
        <source>Show Inspector</source>
        <translation>Mostrar inspector</translation>
    </message>
</context>
</TS>
