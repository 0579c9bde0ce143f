<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AppLanguage</name>
    <message>
        <source>System</source>
        <extracomment>Language picker: follow the device&apos;s own language setting rather than overriding it.</extracomment>
        <translation>システム</translation>
    </message>
</context>
<context>
    <name>ChromeScrub</name>
    <message>
        <source>Menu Bar</source>
        <extracomment>The macOS menu bar at the top of the screen. Use Apple&apos;s own term for this language.</extracomment>
        <translation>メニューバー</translation>
    </message>
    <message>
        <source>Dock</source>
        <extracomment>The macOS Dock. Apple keeps this name in most languages.</extracomment>
        <translation>Dock</translation>
    </message>
    <message>
        <source>Browser Bar</source>
        <extracomment>A web browser&apos;s address/toolbar area, which may contain identifying URLs.</extracomment>
        <translation>ブラウザバー</translation>
    </message>
    <message>
        <source>Title Bar</source>
        <extracomment>The title bar of a window, which often shows a path or hostname.</extracomment>
        <translation>タイトルバー</translation>
    </message>
</context>
<context>
    <name>EditorModel</name>
    <message>
        <source>Paste a screenshot to begin  (Ctrl+V)</source>
        <extracomment>Shown before any image is loaded. Two spaces before the parenthesis.</extracomment>
        <translation>スクリーンショットを貼り付けて開始  (Ctrl+V)</translation>
    </message>
    <message>
        <source>No image on the clipboard</source>
        <translation>クリップボードに画像がありません</translation>
    </message>
    <message>
        <source>Select an area to capture…</source>
        <extracomment>Shown while the user picks the screen area to capture.</extracomment>
        <translation>キャプチャする範囲を選択…</translation>
    </message>
    <message>
        <source>Capture cancelled</source>
        <translation>キャプチャをキャンセルしました</translation>
    </message>
    <message>
        <source>No detections — review manually before exporting</source>
        <translation>検出なし — エクスポート前に手動で確認してください</translation>
    </message>
    <message>
        <source>1 detection · %1</source>
        <extracomment>%1 is the name of the redaction profile.</extracomment>
        <translation>検出 1 件 · %1</translation>
    </message>
    <message>
        <source>%1 detections · %2</source>
        <extracomment>%1 is the number of detections (2 or more), %2 the name of the redaction profile.</extracomment>
        <translation>検出 %1 件 · %2</translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation>エクスポートするものがありません</translation>
    </message>
    <message>
        <source>Burning…</source>
        <translation>焼き込み中…</translation>
    </message>
    <message>
        <source>Burning 1 region…</source>
        <translation>1 個の領域を焼き込み中…</translation>
    </message>
    <message>
        <source>Burning %1 regions…</source>
        <extracomment>%1 is the number of regions (0, 2 or more).</extracomment>
        <translation>%1 個の領域を焼き込み中…</translation>
    </message>
    <message>
        <source>Mapping exported</source>
        <translation>マッピングをエクスポートしました</translation>
    </message>
    <message>
        <source>New session — pseudonyms reset</source>
        <translation>新しいセッション — 仮名をリセットしました</translation>
    </message>
    <message>
        <source>Redacted image copied to clipboard</source>
        <translation>墨消しした画像をクリップボードにコピーしました</translation>
    </message>
    <message>
        <source>Clipboard copy failed — please try again.</source>
        <translation>クリップボードへのコピーに失敗しました — もう一度お試しください。</translation>
    </message>
    <message>
        <source>Automatic detection failed</source>
        <translation>自動検出に失敗しました</translation>
    </message>
    <message>
        <source>Review every sensitive area manually. Export the current manual redactions?</source>
        <translation>機密性の高い箇所をすべて手動で確認してください。現在の手動墨消しでエクスポートしますか？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Export reviewed image</source>
        <translation>確認済みの画像をエクスポート</translation>
    </message>
    <message>
        <source>Apply a reversible style to a secret?</source>
        <translation>シークレットに可逆的なスタイルを適用しますか？</translation>
    </message>
    <message>
        <source>Blur and pixelate are reversible. Depixelation attacks can recover short secrets. Solid fill is safer.</source>
        <translation>ぼかしとモザイクは元に戻せる可能性があります。モザイク解除攻撃で短いシークレットが復元されることがあります。塗りつぶしの方が安全です。</translation>
    </message>
    <message>
        <source>Apply Anyway</source>
        <translation>それでも適用</translation>
    </message>
    <message>
        <source>Could not find the display to capture.</source>
        <translation>キャプチャするディスプレイが見つかりませんでした。</translation>
    </message>
    <message>
        <source>Tarnveil needs permission to capture the screen. Allow screenshots for Tarnveil in your desktop&apos;s privacy settings, then try again.</source>
        <translation>Tarnveil が画面をキャプチャするには許可が必要です。デスクトップのプライバシー設定で Tarnveil のスクリーンショットを許可してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Screen capture is not available on this desktop.</source>
        <extracomment>Shown when neither an X11 display nor the desktop&apos;s screenshot portal can be used.</extracomment>
        <translation>このデスクトップでは画面キャプチャを利用できません。</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service is not available.</source>
        <extracomment>The desktop portal (xdg-desktop-portal) that takes screenshots on Wayland is missing.</extracomment>
        <translation>デスクトップのスクリーンショットサービスを利用できません。</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer.</source>
        <translation>デスクトップのスクリーンショットサービスが応答しませんでした。</translation>
    </message>
    <message>
        <source>Screen capture failed.</source>
        <translation>画面キャプチャに失敗しました。</translation>
    </message>
</context>
<context>
    <name>InspectorView</name>
    <message>
        <source>Add “%1” to allowlist</source>
        <extracomment>%1 is the matched value, cut to 16 characters.</extracomment>
        <translation>「%1」を許可リストに追加</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>塗りつぶし</translation>
    </message>
    <message>
        <source>Labeled</source>
        <translation>ラベル付き</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>ぼかし</translation>
    </message>
    <message>
        <source>Pixelate</source>
        <translation>モザイク</translation>
    </message>
</context>
<context>
    <name>QtEditorPlatform</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>CSV (カンマ区切り) (*.csv)</translation>
    </message>
</context>
<context>
    <name>tarnveil::AboutDialog</name>
    <message>
        <source>About Tarnveil</source>
        <extracomment>Title of the about window.</extracomment>
        <translation>Tarnveil について</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number, such as 1.1.1.</extracomment>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Destructive screenshot redaction. 100% offline.</source>
        <translation>破壊的なスクリーンショット墨消し。100% オフライン。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>アップデートを確認…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>tarnveil::EditorToolBar</name>
    <message>
        <source>Daylight</source>
        <extracomment>Name of a light colour theme.</extracomment>
        <translation>デイライト</translation>
    </message>
    <message>
        <source>Hacker</source>
        <extracomment>Name of a green-on-black terminal-style colour theme.</extracomment>
        <translation>ハッカー</translation>
    </message>
    <message>
        <source>Midnight</source>
        <extracomment>Name of a dark colour theme.</extracomment>
        <translation>ミッドナイト</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>キャプチャ</translation>
    </message>
    <message>
        <source>Capture a region of the screen (Ctrl+Shift+2)</source>
        <translation>画面の範囲をキャプチャ (Ctrl+Shift+2)</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Paste screenshot and run the pipeline (Ctrl+V)</source>
        <translation>スクリーンショットを貼り付けてパイプラインを実行 (Ctrl+V)</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>Chrome Scrub</source>
        <translation>UI 除去</translation>
    </message>
    <message>
        <source>Add a heuristic strip over UI chrome</source>
        <translation>UI 部分にヒューリスティックな帯を追加</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>全体表示</translation>
    </message>
    <message>
        <source>Fit (Ctrl+0)</source>
        <translation>全体表示 (Ctrl+0)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>BURN</source>
        <translation>焼き込み</translation>
    </message>
    <message>
        <source>Burn and export</source>
        <translation>焼き込んでエクスポート</translation>
    </message>
    <message>
        <source>Burn the redactions into the pixels and export (Ctrl+Shift+E)</source>
        <translation>墨消しをピクセルに焼き込んでエクスポート (Ctrl+Shift+E)</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>テーマ</translation>
    </message>
    <message>
        <source>Toggle Inspector</source>
        <translation>インスペクタの切り替え</translation>
    </message>
    <message>
        <source>Toggle inspector (Ctrl+Alt+I)</source>
        <translation>インスペクタの切り替え (Ctrl+Alt+I)</translation>
    </message>
</context>
<context>
    <name>tarnveil::EmptyStateView</name>
    <message>
        <source>awaiting input</source>
        <translation>入力待ち</translation>
    </message>
    <message>
        <source>Ctrl+Shift+2 to capture  ·  Ctrl+V to paste  ·  or drop a screenshot</source>
        <extracomment>Two spaces on each side of each middle dot.</extracomment>
        <translation>Ctrl+Shift+2 でキャプチャ  ·  Ctrl+V で貼り付け  ·  またはスクリーンショットをドロップ</translation>
    </message>
</context>
<context>
    <name>tarnveil::InspectorView</name>
    <message>
        <source>No selection</source>
        <translation>選択なし</translation>
    </message>
    <message>
        <source>Select a region on the canvas.</source>
        <translation>キャンバス上の領域を選択してください。</translation>
    </message>
    <message>
        <source>Press 1–4 to set the style of all selected regions.</source>
        <translation>1–4 キーで、選択したすべての領域のスタイルを設定します。</translation>
    </message>
    <message>
        <source>%1 regions selected</source>
        <extracomment>%1 is the number of selected regions (2 or more).</extracomment>
        <translation>%1 個の領域を選択中</translation>
    </message>
</context>
<context>
    <name>tarnveil::MenuBarContent</name>
    <message>
        <source>Capture Region</source>
        <translation>範囲をキャプチャ</translation>
    </message>
    <message>
        <source>Paste from Clipboard</source>
        <translation>クリップボードから貼り付け</translation>
    </message>
    <message>
        <source>Show Tarnveil</source>
        <translation>Tarnveil を表示</translation>
    </message>
    <message>
        <source>Quit Tarnveil</source>
        <translation>Tarnveil を終了</translation>
    </message>
</context>
<context>
    <name>tarnveil::RegionForm</name>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>グレー</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>塗り</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>一致</translation>
    </message>
    <message>
        <source>Manual region</source>
        <translation>手動領域</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>検出器</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>重要度</translation>
    </message>
    <message>
        <source>Pseudonym</source>
        <translation>仮名</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>スタイル</translation>
    </message>
    <message>
        <source>Reversible — not safe for secrets. Use for faces and screenshots only.</source>
        <translation>可逆的 — シークレットには安全ではありません。顔やスクリーンショットにのみ使用してください。</translation>
    </message>
    <message>
        <source>Protect (never redact inside)</source>
        <translation>保護 (内部は墨消ししない)</translation>
    </message>
    <message>
        <source>Allowlist</source>
        <translation>許可リスト</translation>
    </message>
    <message>
        <source>Never redact this value again</source>
        <translation>この値を今後墨消ししない</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>隠す</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>シークレット</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>識別子</translation>
    </message>
    <message>
        <source>Contextual</source>
        <translation>文脈依存</translation>
    </message>
</context>
<context>
    <name>tarnveil::RegionListView</name>
    <message>
        <source>REGIONS</source>
        <translation>領域</translation>
    </message>
    <message>
        <source>No regions yet</source>
        <translation>領域はまだありません</translation>
    </message>
    <message>
        <source>No image</source>
        <translation>画像なし</translation>
    </message>
    <message>
        <source>Drag on the canvas to add one</source>
        <translation>キャンバス上をドラッグして追加</translation>
    </message>
    <message>
        <source>Paste a screenshot</source>
        <translation>スクリーンショットを貼り付け</translation>
    </message>
    <message>
        <source>%1 regions</source>
        <extracomment>%1 is the number of regions in the list.</extracomment>
        <translation>%1 個の領域</translation>
    </message>
    <message>
        <source>Manual / chrome</source>
        <translation>手動 / UI</translation>
    </message>
    <message>
        <source>Remove all %1</source>
        <extracomment>%1 is the name of a detection category, such as Secret.</extracomment>
        <translation>%1 をすべて削除</translation>
    </message>
</context>
<context>
    <name>tarnveil::StatusBarView</name>
    <message>
        <source>[space] preview   [1-4] style   [alt] protect</source>
        <translation>[space] プレビュー   [1-4] スタイル   [alt] 保護</translation>
    </message>
</context>
<context>
    <name>tarnveil::TarnveilCommands</name>
    <message>
        <source>Open Image</source>
        <translation>画像を開く</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff)</source>
        <translation>画像 (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Open Image…</source>
        <translation>画像を開く…</translation>
    </message>
    <message>
        <source>Capture Screenshot</source>
        <translation>スクリーンショットを撮る</translation>
    </message>
    <message>
        <source>Paste Screenshot</source>
        <translation>スクリーンショットを貼り付け</translation>
    </message>
    <message>
        <source>Export to Desktop &amp;&amp; Copy</source>
        <translation>デスクトップへエクスポート &amp;&amp; コピー</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>Copy Redacted</source>
        <translation>墨消し済みをコピー</translation>
    </message>
    <message>
        <source>Select All Regions</source>
        <translation>すべての領域を選択</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>選択項目を削除</translation>
    </message>
    <message>
        <source>&amp;Redact</source>
        <translation>墨消し(&amp;R)</translation>
    </message>
    <message>
        <source>Chrome Scrub</source>
        <translation>UI 除去</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>ウィンドウに合わせる</translation>
    </message>
    <message>
        <source>&amp;Session</source>
        <translation>セッション(&amp;S)</translation>
    </message>
    <message>
        <source>New Session</source>
        <translation>新しいセッション</translation>
    </message>
    <message>
        <source>Export Mapping…</source>
        <translation>マッピングをエクスポート…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>About Tarnveil</source>
        <translation>Tarnveil について</translation>
    </message>
    <message>
        <source>Hide Inspector</source>
        <translation>インスペクタを隠す</translation>
    </message>
    <message>
        <source>Show Inspector</source>
        <translation>インスペクタを表示</translation>
    </message>
</context>
</TS>
