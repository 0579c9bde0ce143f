<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Barra de menus</translation>
    </message>
    <message>
        <source>Dock</source>
        <extracomment>The macOS Dock. Apple keeps this name in most languages.</extracomment>
        <translation>Dock</translation>
    </message>
    <message>
        <source>Browser Bar</source>
        <extracomment>A web browser&apos;s address/toolbar area, which may contain identifying URLs.</extracomment>
        <translation>Barra do navegador</translation>
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
        <translation>Cole uma captura de tela para começar  (Ctrl+V)</translation>
    </message>
    <message>
        <source>No image on the clipboard</source>
        <translation>Nenhuma imagem na área de transferência</translation>
    </message>
    <message>
        <source>Select an area to capture…</source>
        <extracomment>Shown while the user picks the screen area to capture.</extracomment>
        <translation>Selecione uma área para capturar…</translation>
    </message>
    <message>
        <source>Capture cancelled</source>
        <translation>Captura cancelada</translation>
    </message>
    <message>
        <source>No detections — review manually before exporting</source>
        <translation>Nenhuma detecção — revise manualmente antes de exportar</translation>
    </message>
    <message>
        <source>1 detection · %1</source>
        <extracomment>%1 is the name of the redaction profile.</extracomment>
        <translation>1 detecção · %1</translation>
    </message>
    <message>
        <source>%1 detections · %2</source>
        <extracomment>%1 is the number of detections (2 or more), %2 the name of the redaction profile.</extracomment>
        <translation>%1 detecções · %2</translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation>Nada para exportar</translation>
    </message>
    <message>
        <source>Burning…</source>
        <translation>Queimando…</translation>
    </message>
    <message>
        <source>Burning 1 region…</source>
        <translation>Queimando 1 região…</translation>
    </message>
    <message>
        <source>Burning %1 regions…</source>
        <extracomment>%1 is the number of regions (0, 2 or more).</extracomment>
        <translation>Queimando %1 regiões…</translation>
    </message>
    <message>
        <source>Mapping exported</source>
        <translation>Mapeamento exportado</translation>
    </message>
    <message>
        <source>New session — pseudonyms reset</source>
        <translation>Nova sessão — pseudônimos redefinidos</translation>
    </message>
    <message>
        <source>Redacted image copied to clipboard</source>
        <translation>Imagem censurada copiada para a área de transferência</translation>
    </message>
    <message>
        <source>Clipboard copy failed — please try again.</source>
        <translation>Falha ao copiar para a área de transferência — tente novamente.</translation>
    </message>
    <message>
        <source>Automatic detection failed</source>
        <translation>Falha na detecção automática</translation>
    </message>
    <message>
        <source>Review every sensitive area manually. Export the current manual redactions?</source>
        <translation>Revise manualmente cada área sensível. Exportar as censuras manuais atuais?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Export reviewed image</source>
        <translation>Exportar imagem revisada</translation>
    </message>
    <message>
        <source>Apply a reversible style to a secret?</source>
        <translation>Aplicar um estilo reversível a um segredo?</translation>
    </message>
    <message>
        <source>Blur and pixelate are reversible. Depixelation attacks can recover short secrets. Solid fill is safer.</source>
        <translation>Desfoque e pixelização são reversíveis. Ataques de despixelização podem recuperar segredos curtos. Preenchimento sólido é mais seguro.</translation>
    </message>
    <message>
        <source>Apply Anyway</source>
        <translation>Aplicar mesmo assim</translation>
    </message>
    <message>
        <source>Could not find the display to capture.</source>
        <translation>Não foi possível encontrar a tela a capturar.</translation>
    </message>
    <message>
        <source>Tarnveil needs permission to capture the screen. Allow screenshots for Tarnveil in your desktop&apos;s privacy settings, then try again.</source>
        <translation>O Tarnveil precisa de permissão para capturar a tela. Permita capturas de tela para o Tarnveil nas configurações de privacidade do seu ambiente de trabalho e tente novamente.</translation>
    </message>
    <message>
        <source>Screen capture is not available on this desktop.</source>
        <extracomment>Shown when neither an X11 display nor the desktop&apos;s screenshot portal can be used.</extracomment>
        <translation>A captura de tela não está disponível neste ambiente de trabalho.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service is not available.</source>
        <extracomment>The desktop portal (xdg-desktop-portal) that takes screenshots on Wayland is missing.</extracomment>
        <translation>O serviço de capturas de tela do ambiente de trabalho não está disponível.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer.</source>
        <translation>O serviço de capturas de tela do ambiente de trabalho não respondeu.</translation>
    </message>
    <message>
        <source>Screen capture failed.</source>
        <translation>Falha na captura de tela.</translation>
    </message>
</context>
<context>
    <name>InspectorView</name>
    <message>
        <source>Add “%1” to allowlist</source>
        <extracomment>%1 is the matched value, cut to 16 characters.</extracomment>
        <translation>Adicionar “%1” à lista de permissões</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Sólido</translation>
    </message>
    <message>
        <source>Labeled</source>
        <translation>Rotulado</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Desfoque</translation>
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
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valores separados por vírgula (*.csv)</translation>
    </message>
</context>
<context>
    <name>tarnveil::AboutDialog</name>
    <message>
        <source>About Tarnveil</source>
        <extracomment>Title of the about window.</extracomment>
        <translation>Sobre o Tarnveil</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number, such as 1.1.1.</extracomment>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Destructive screenshot redaction. 100% offline.</source>
        <translation>Censura destrutiva de capturas de tela. 100% offline.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Verificar atualizações…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>Meia-noite</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capturar</translation>
    </message>
    <message>
        <source>Capture a region of the screen (Ctrl+Shift+2)</source>
        <translation>Capturar uma região da tela (Ctrl+Shift+2)</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Paste screenshot and run the pipeline (Ctrl+V)</source>
        <translation>Colar captura e executar a detecção (Ctrl+V)</translation>
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
        <translation>Adicionar uma faixa heurística sobre a interface</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reduzir</translation>
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
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>BURN</source>
        <translation>QUEIMAR</translation>
    </message>
    <message>
        <source>Burn and export</source>
        <translation>Queimar e exportar</translation>
    </message>
    <message>
        <source>Burn the redactions into the pixels and export (Ctrl+Shift+E)</source>
        <translation>Queimar as censuras nos pixels e exportar (Ctrl+Shift+E)</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aparência</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Toggle Inspector</source>
        <translation>Alternar inspetor</translation>
    </message>
    <message>
        <source>Toggle inspector (Ctrl+Alt+I)</source>
        <translation>Alternar inspetor (Ctrl+Alt+I)</translation>
    </message>
</context>
<context>
    <name>tarnveil::EmptyStateView</name>
    <message>
        <source>awaiting input</source>
        <translation>aguardando entrada</translation>
    </message>
    <message>
        <source>Ctrl+Shift+2 to capture  ·  Ctrl+V to paste  ·  or drop a screenshot</source>
        <extracomment>Two spaces on each side of each middle dot.</extracomment>
        <translation>Ctrl+Shift+2 para capturar  ·  Ctrl+V para colar  ·  ou solte uma captura</translation>
    </message>
</context>
<context>
    <name>tarnveil::InspectorView</name>
    <message>
        <source>No selection</source>
        <translation>Nenhuma seleção</translation>
    </message>
    <message>
        <source>Select a region on the canvas.</source>
        <translation>Selecione uma região na imagem.</translation>
    </message>
    <message>
        <source>Press 1–4 to set the style of all selected regions.</source>
        <translation>Pressione 1–4 para mudar o estilo das regiões selecionadas.</translation>
    </message>
    <message>
        <source>%1 regions selected</source>
        <extracomment>%1 is the number of selected regions (2 or more).</extracomment>
        <translation>%1 regiões selecionadas</translation>
    </message>
</context>
<context>
    <name>tarnveil::MenuBarContent</name>
    <message>
        <source>Capture Region</source>
        <translation>Capturar região</translation>
    </message>
    <message>
        <source>Paste from Clipboard</source>
        <translation>Colar da área de transferência</translation>
    </message>
    <message>
        <source>Show Tarnveil</source>
        <translation>Mostrar Tarnveil</translation>
    </message>
    <message>
        <source>Quit Tarnveil</source>
        <translation>Sair do Tarnveil</translation>
    </message>
</context>
<context>
    <name>tarnveil::RegionForm</name>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Cinza</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Preenchimento</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Correspondência</translation>
    </message>
    <message>
        <source>Manual region</source>
        <translation>Região manual</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detector</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Gravidade</translation>
    </message>
    <message>
        <source>Pseudonym</source>
        <translation>Pseudônimo</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Reversible — not safe for secrets. Use for faces and screenshots only.</source>
        <translation>Reversível — não é seguro para segredos. Use apenas para rostos e capturas de tela.</translation>
    </message>
    <message>
        <source>Protect (never redact inside)</source>
        <translation>Proteger (nunca censurar dentro)</translation>
    </message>
    <message>
        <source>Allowlist</source>
        <translation>Lista de permissões</translation>
    </message>
    <message>
        <source>Never redact this value again</source>
        <translation>Nunca mais censurar este valor</translation>
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
        <translation>Segredo</translation>
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
        <translation>REGIÕES</translation>
    </message>
    <message>
        <source>No regions yet</source>
        <translation>Nenhuma região ainda</translation>
    </message>
    <message>
        <source>No image</source>
        <translation>Sem imagem</translation>
    </message>
    <message>
        <source>Drag on the canvas to add one</source>
        <translation>Arraste na imagem para adicionar uma</translation>
    </message>
    <message>
        <source>Paste a screenshot</source>
        <translation>Cole uma captura</translation>
    </message>
    <message>
        <source>%1 regions</source>
        <extracomment>%1 is the number of regions in the list.</extracomment>
        <translation>%1 regiões</translation>
    </message>
    <message>
        <source>Manual / chrome</source>
        <translation>Manual / barras</translation>
    </message>
    <message>
        <source>Remove all %1</source>
        <extracomment>%1 is the name of a detection category, such as Secret.</extracomment>
        <translation>Remover todos: %1</translation>
    </message>
</context>
<context>
    <name>tarnveil::StatusBarView</name>
    <message>
        <source>[space] preview   [1-4] style   [alt] protect</source>
        <translation>[espaço] visualizar   [1-4] estilo   [alt] proteger</translation>
    </message>
</context>
<context>
    <name>tarnveil::TarnveilCommands</name>
    <message>
        <source>Open Image</source>
        <translation>Abrir imagem</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff)</source>
        <translation>Imagens (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Open Image…</source>
        <translation>Abrir imagem…</translation>
    </message>
    <message>
        <source>Capture Screenshot</source>
        <translation>Capturar tela</translation>
    </message>
    <message>
        <source>Paste Screenshot</source>
        <translation>Colar captura</translation>
    </message>
    <message>
        <source>Export to Desktop &amp;&amp; Copy</source>
        <translation>Exportar para Área de Trabalho &amp;&amp; copiar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Copy Redacted</source>
        <translation>Copiar imagem censurada</translation>
    </message>
    <message>
        <source>Select All Regions</source>
        <translation>Selecionar todas as regiões</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Excluir selecionadas</translation>
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
        <translation>Ajustar à janela</translation>
    </message>
    <message>
        <source>&amp;Session</source>
        <translation>&amp;Sessão</translation>
    </message>
    <message>
        <source>New Session</source>
        <translation>Nova sessão</translation>
    </message>
    <message>
        <source>Export Mapping…</source>
        <translation>Exportar mapeamento…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>About Tarnveil</source>
        <translation>Sobre o Tarnveil</translation>
    </message>
    <message>
        <source>Hide Inspector</source>
        <translation>Ocultar inspetor</translation>
    </message>
    <message>
        <source>Show Inspector</source>
        <translation>Mostrar inspetor</translation>
    </message>
</context>
</TS>
