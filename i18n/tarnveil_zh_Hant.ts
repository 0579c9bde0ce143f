<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_Hant">
<context>
    <name>AppLanguage</name>
    <message>
        <source>System</source>
        <extracomment>Language picker: follow the device&apos;s own language setting rather than overriding it.</extracomment>
        <translation>系統</translation>
    </message>
</context>
<context>
    <name>ChromeScrub</name>
    <message>
        <source>Menu Bar</source>
        <extracomment>The macOS menu bar at the top of the screen. Use Apple&apos;s own term for this language.</extracomment>
        <translation>選單列</translation>
    </message>
    <message>
        <source>Dock</source>
        <extracomment>The macOS Dock. Apple keeps this name in most languages.</extracomment>
        <translation>Dock</translation>
    </message>
    <message>
        <source>Browser Bar</source>
        <extracomment>A web browser&apos;s address/toolbar area, which may contain identifying URLs.</extracomment>
        <translation>瀏覽器列</translation>
    </message>
    <message>
        <source>Title Bar</source>
        <extracomment>The title bar of a window, which often shows a path or hostname.</extracomment>
        <translation>標題列</translation>
    </message>
</context>
<context>
    <name>EditorModel</name>
    <message>
        <source>Paste a screenshot to begin  (Ctrl+V)</source>
        <extracomment>Shown before any image is loaded. Two spaces before the parenthesis.</extracomment>
        <translation>貼上螢幕截圖以開始  (Ctrl+V)</translation>
    </message>
    <message>
        <source>No image on the clipboard</source>
        <translation>剪貼簿中沒有影像</translation>
    </message>
    <message>
        <source>Select an area to capture…</source>
        <extracomment>Shown while the user picks the screen area to capture.</extracomment>
        <translation>選取要擷取的區域…</translation>
    </message>
    <message>
        <source>Capture cancelled</source>
        <translation>已取消擷取</translation>
    </message>
    <message>
        <source>No detections — review manually before exporting</source>
        <translation>未偵測到任何項目 — 匯出前請手動檢查</translation>
    </message>
    <message>
        <source>1 detection · %1</source>
        <extracomment>%1 is the name of the redaction profile.</extracomment>
        <translation>1 個偵測項目 · %1</translation>
    </message>
    <message>
        <source>%1 detections · %2</source>
        <extracomment>%1 is the number of detections (2 or more), %2 the name of the redaction profile.</extracomment>
        <translation>%1 個偵測項目 · %2</translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation>沒有可匯出的內容</translation>
    </message>
    <message>
        <source>Burning…</source>
        <translation>燒入中…</translation>
    </message>
    <message>
        <source>Burning 1 region…</source>
        <translation>正在燒入 1 個區域…</translation>
    </message>
    <message>
        <source>Burning %1 regions…</source>
        <extracomment>%1 is the number of regions (0, 2 or more).</extracomment>
        <translation>正在燒入 %1 個區域…</translation>
    </message>
    <message>
        <source>Mapping exported</source>
        <translation>已匯出對照表</translation>
    </message>
    <message>
        <source>New session — pseudonyms reset</source>
        <translation>新工作階段 — 已重設化名</translation>
    </message>
    <message>
        <source>Redacted image copied to clipboard</source>
        <translation>已將遮蔽後的影像拷貝到剪貼簿</translation>
    </message>
    <message>
        <source>Clipboard copy failed — please try again.</source>
        <translation>拷貝到剪貼簿失敗 — 請再試一次。</translation>
    </message>
    <message>
        <source>Automatic detection failed</source>
        <translation>自動偵測失敗</translation>
    </message>
    <message>
        <source>Review every sensitive area manually. Export the current manual redactions?</source>
        <translation>請手動檢查每個敏感區域。要匯出目前的手動遮蔽嗎？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Export reviewed image</source>
        <translation>匯出已檢查的影像</translation>
    </message>
    <message>
        <source>Apply a reversible style to a secret?</source>
        <translation>要對機密套用可還原的樣式嗎？</translation>
    </message>
    <message>
        <source>Blur and pixelate are reversible. Depixelation attacks can recover short secrets. Solid fill is safer.</source>
        <translation>模糊和像素化是可還原的。去像素化攻擊可能還原簡短的機密。實心填滿較安全。</translation>
    </message>
    <message>
        <source>Apply Anyway</source>
        <translation>仍要套用</translation>
    </message>
    <message>
        <source>Could not find the display to capture.</source>
        <translation>找不到要擷取的顯示器。</translation>
    </message>
    <message>
        <source>Tarnveil needs permission to capture the screen. Allow screenshots for Tarnveil in your desktop&apos;s privacy settings, then try again.</source>
        <translation>Tarnveil 需要擷取螢幕的權限。請在桌面環境的隱私權設定中允許 Tarnveil 擷取螢幕截圖，然後再試一次。</translation>
    </message>
    <message>
        <source>Screen capture is not available on this desktop.</source>
        <extracomment>Shown when neither an X11 display nor the desktop&apos;s screenshot portal can be used.</extracomment>
        <translation>此桌面環境無法使用螢幕擷取。</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service is not available.</source>
        <extracomment>The desktop portal (xdg-desktop-portal) that takes screenshots on Wayland is missing.</extracomment>
        <translation>桌面環境的螢幕截圖服務無法使用。</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer.</source>
        <translation>桌面環境的螢幕截圖服務沒有回應。</translation>
    </message>
    <message>
        <source>Screen capture failed.</source>
        <translation>螢幕擷取失敗。</translation>
    </message>
</context>
<context>
    <name>InspectorView</name>
    <message>
        <source>Add “%1” to allowlist</source>
        <extracomment>%1 is the matched value, cut to 16 characters.</extracomment>
        <translation>將「%1」加入允許清單</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>實心</translation>
    </message>
    <message>
        <source>Labeled</source>
        <translation>標籤</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>模糊</translation>
    </message>
    <message>
        <source>Pixelate</source>
        <translation>像素化</translation>
    </message>
</context>
<context>
    <name>QtEditorPlatform</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 影像 (*.png)</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>逗號分隔值 (*.csv)</translation>
    </message>
</context>
<context>
    <name>tarnveil::AboutDialog</name>
    <message>
        <source>About Tarnveil</source>
        <extracomment>Title of the about window.</extracomment>
        <translation>關於 Tarnveil</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number, such as 1.1.1.</extracomment>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Destructive screenshot redaction. 100% offline.</source>
        <translation>破壞性螢幕截圖遮蔽。100% 離線。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>檢查更新項目…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>tarnveil::EditorToolBar</name>
    <message>
        <source>Daylight</source>
        <extracomment>Name of a light colour theme.</extracomment>
        <translation>日光</translation>
    </message>
    <message>
        <source>Hacker</source>
        <extracomment>Name of a green-on-black terminal-style colour theme.</extracomment>
        <translation>駭客</translation>
    </message>
    <message>
        <source>Midnight</source>
        <extracomment>Name of a dark colour theme.</extracomment>
        <translation>午夜</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具列</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>擷取</translation>
    </message>
    <message>
        <source>Capture a region of the screen (Ctrl+Shift+2)</source>
        <translation>擷取螢幕的某個區域 (Ctrl+Shift+2)</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Paste screenshot and run the pipeline (Ctrl+V)</source>
        <translation>貼上螢幕截圖並執行處理流程 (Ctrl+V)</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>設定檔</translation>
    </message>
    <message>
        <source>Chrome Scrub</source>
        <translation>介面清除</translation>
    </message>
    <message>
        <source>Add a heuristic strip over UI chrome</source>
        <translation>在介面外框上加入啟發式遮蔽條</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>符合</translation>
    </message>
    <message>
        <source>Fit (Ctrl+0)</source>
        <translation>符合視窗 (Ctrl+0)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>BURN</source>
        <translation>燒入</translation>
    </message>
    <message>
        <source>Burn and export</source>
        <translation>燒入並匯出</translation>
    </message>
    <message>
        <source>Burn the redactions into the pixels and export (Ctrl+Shift+E)</source>
        <translation>將遮蔽燒入像素並匯出 (Ctrl+Shift+E)</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外觀</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主題</translation>
    </message>
    <message>
        <source>Toggle Inspector</source>
        <translation>切換檢閱器</translation>
    </message>
    <message>
        <source>Toggle inspector (Ctrl+Alt+I)</source>
        <translation>切換檢閱器 (Ctrl+Alt+I)</translation>
    </message>
</context>
<context>
    <name>tarnveil::EmptyStateView</name>
    <message>
        <source>awaiting input</source>
        <translation>等待輸入</translation>
    </message>
    <message>
        <source>Ctrl+Shift+2 to capture  ·  Ctrl+V to paste  ·  or drop a screenshot</source>
        <extracomment>Two spaces on each side of each middle dot.</extracomment>
        <translation>Ctrl+Shift+2 擷取  ·  Ctrl+V 貼上  ·  或拖放螢幕截圖</translation>
    </message>
</context>
<context>
    <name>tarnveil::InspectorView</name>
    <message>
        <source>No selection</source>
        <translation>未選取</translation>
    </message>
    <message>
        <source>Select a region on the canvas.</source>
        <translation>請在畫布上選取一個區域。</translation>
    </message>
    <message>
        <source>Press 1–4 to set the style of all selected regions.</source>
        <translation>按 1–4 設定所有選取區域的樣式。</translation>
    </message>
    <message>
        <source>%1 regions selected</source>
        <extracomment>%1 is the number of selected regions (2 or more).</extracomment>
        <translation>已選取 %1 個區域</translation>
    </message>
</context>
<context>
    <name>tarnveil::MenuBarContent</name>
    <message>
        <source>Capture Region</source>
        <translation>擷取區域</translation>
    </message>
    <message>
        <source>Paste from Clipboard</source>
        <translation>從剪貼簿貼上</translation>
    </message>
    <message>
        <source>Show Tarnveil</source>
        <translation>顯示 Tarnveil</translation>
    </message>
    <message>
        <source>Quit Tarnveil</source>
        <translation>結束 Tarnveil</translation>
    </message>
</context>
<context>
    <name>tarnveil::RegionForm</name>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>填滿</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>顏色</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>相符內容</translation>
    </message>
    <message>
        <source>Manual region</source>
        <translation>手動區域</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>偵測器</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>類別</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>嚴重性</translation>
    </message>
    <message>
        <source>Pseudonym</source>
        <translation>化名</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>樣式</translation>
    </message>
    <message>
        <source>Reversible — not safe for secrets. Use for faces and screenshots only.</source>
        <translation>可還原 — 不適用於機密。僅用於臉部和螢幕截圖。</translation>
    </message>
    <message>
        <source>Protect (never redact inside)</source>
        <translation>保護（內部永不遮蔽）</translation>
    </message>
    <message>
        <source>Allowlist</source>
        <translation>允許清單</translation>
    </message>
    <message>
        <source>Never redact this value again</source>
        <translation>永不再遮蔽此值</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>隱藏</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>顯示</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>機密</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>識別資訊</translation>
    </message>
    <message>
        <source>Contextual</source>
        <translation>情境相關</translation>
    </message>
</context>
<context>
    <name>tarnveil::RegionListView</name>
    <message>
        <source>REGIONS</source>
        <translation>區域</translation>
    </message>
    <message>
        <source>No regions yet</source>
        <translation>尚無區域</translation>
    </message>
    <message>
        <source>No image</source>
        <translation>沒有影像</translation>
    </message>
    <message>
        <source>Drag on the canvas to add one</source>
        <translation>在畫布上拖曳以新增區域</translation>
    </message>
    <message>
        <source>Paste a screenshot</source>
        <translation>貼上螢幕截圖</translation>
    </message>
    <message>
        <source>%1 regions</source>
        <extracomment>%1 is the number of regions in the list.</extracomment>
        <translation>%1 個區域</translation>
    </message>
    <message>
        <source>Manual / chrome</source>
        <translation>手動 / 介面</translation>
    </message>
    <message>
        <source>Remove all %1</source>
        <extracomment>%1 is the name of a detection category, such as Secret.</extracomment>
        <translation>移除所有%1</translation>
    </message>
</context>
<context>
    <name>tarnveil::StatusBarView</name>
    <message>
        <source>[space] preview   [1-4] style   [alt] protect</source>
        <translation>[空白鍵] 預覽   [1-4] 樣式   [alt] 保護</translation>
    </message>
</context>
<context>
    <name>tarnveil::TarnveilCommands</name>
    <message>
        <source>Open Image</source>
        <translation>開啟影像</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff)</source>
        <translation>影像 (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>Open Image…</source>
        <translation>開啟影像…</translation>
    </message>
    <message>
        <source>Capture Screenshot</source>
        <translation>擷取螢幕截圖</translation>
    </message>
    <message>
        <source>Paste Screenshot</source>
        <translation>貼上螢幕截圖</translation>
    </message>
    <message>
        <source>Export to Desktop &amp;&amp; Copy</source>
        <translation>匯出到桌面 &amp;&amp; 拷貝</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編輯(&amp;E)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Copy Redacted</source>
        <translation>拷貝遮蔽後影像</translation>
    </message>
    <message>
        <source>Select All Regions</source>
        <translation>全選區域</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>刪除所選項目</translation>
    </message>
    <message>
        <source>&amp;Redact</source>
        <translation>遮蔽(&amp;R)</translation>
    </message>
    <message>
        <source>Chrome Scrub</source>
        <translation>介面清除</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>符合視窗大小</translation>
    </message>
    <message>
        <source>&amp;Session</source>
        <translation>工作階段(&amp;S)</translation>
    </message>
    <message>
        <source>New Session</source>
        <translation>新工作階段</translation>
    </message>
    <message>
        <source>Export Mapping…</source>
        <translation>匯出對照表…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>About Tarnveil</source>
        <translation>關於 Tarnveil</translation>
    </message>
    <message>
        <source>Hide Inspector</source>
        <translation>隱藏檢閱器</translation>
    </message>
    <message>
        <source>Show Inspector</source>
        <translation>顯示檢閱器</translation>
    </message>
</context>
</TS>
