<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AppLanguage</name>
    <message>
        <source>System</source>
        <extracomment>Language picker: follow the device&apos;s own language setting rather than overriding it.</extracomment>
        <translation>시스템</translation>
    </message>
</context>
<context>
    <name>ChromeScrub</name>
    <message>
        <source>Menu Bar</source>
        <extracomment>The macOS menu bar at the top of the screen. Use Apple&apos;s own term for this language.</extracomment>
        <translation>메뉴 막대</translation>
    </message>
    <message>
        <source>Dock</source>
        <extracomment>The macOS Dock. Apple keeps this name in most languages.</extracomment>
        <translation>Dock</translation>
    </message>
    <message>
        <source>Browser Bar</source>
        <extracomment>A web browser&apos;s address/toolbar area, which may contain identifying URLs.</extracomment>
        <translation>브라우저 막대</translation>
    </message>
    <message>
        <source>Title Bar</source>
        <extracomment>The title bar of a window, which often shows a path or hostname.</extracomment>
        <translation>제목 막대</translation>
    </message>
</context>
<context>
    <name>EditorModel</name>
    <message>
        <source>Paste a screenshot to begin  (Ctrl+V)</source>
        <extracomment>Shown before any image is loaded. Two spaces before the parenthesis.</extracomment>
        <translation>스크린샷을 붙여넣어 시작  (Ctrl+V)</translation>
    </message>
    <message>
        <source>No image on the clipboard</source>
        <translation>클립보드에 이미지가 없습니다</translation>
    </message>
    <message>
        <source>Select an area to capture…</source>
        <extracomment>Shown while the user picks the screen area to capture.</extracomment>
        <translation>캡처할 영역 선택…</translation>
    </message>
    <message>
        <source>Capture cancelled</source>
        <translation>캡처 취소됨</translation>
    </message>
    <message>
        <source>No detections — review manually before exporting</source>
        <translation>감지 항목 없음 — 내보내기 전에 직접 검토하세요</translation>
    </message>
    <message>
        <source>1 detection · %1</source>
        <extracomment>%1 is the name of the redaction profile.</extracomment>
        <translation>감지 1개 · %1</translation>
    </message>
    <message>
        <source>%1 detections · %2</source>
        <extracomment>%1 is the number of detections (2 or more), %2 the name of the redaction profile.</extracomment>
        <translation>감지 %1개 · %2</translation>
    </message>
    <message>
        <source>Nothing to export</source>
        <translation>내보낼 항목이 없습니다</translation>
    </message>
    <message>
        <source>Burning…</source>
        <translation>굽는 중…</translation>
    </message>
    <message>
        <source>Burning 1 region…</source>
        <translation>영역 1개 굽는 중…</translation>
    </message>
    <message>
        <source>Burning %1 regions…</source>
        <extracomment>%1 is the number of regions (0, 2 or more).</extracomment>
        <translation>영역 %1개 굽는 중…</translation>
    </message>
    <message>
        <source>Mapping exported</source>
        <translation>매핑을 내보냈습니다</translation>
    </message>
    <message>
        <source>New session — pseudonyms reset</source>
        <translation>새 세션 — 가명 초기화됨</translation>
    </message>
    <message>
        <source>Redacted image copied to clipboard</source>
        <translation>가린 이미지를 클립보드에 복사했습니다</translation>
    </message>
    <message>
        <source>Clipboard copy failed — please try again.</source>
        <translation>클립보드 복사 실패 — 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Automatic detection failed</source>
        <translation>자동 감지 실패</translation>
    </message>
    <message>
        <source>Review every sensitive area manually. Export the current manual redactions?</source>
        <translation>민감한 영역을 모두 직접 검토하세요. 현재 수동 가리기로 내보낼까요?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Export reviewed image</source>
        <translation>검토한 이미지 내보내기</translation>
    </message>
    <message>
        <source>Apply a reversible style to a secret?</source>
        <translation>비밀 정보에 되돌릴 수 있는 스타일을 적용할까요?</translation>
    </message>
    <message>
        <source>Blur and pixelate are reversible. Depixelation attacks can recover short secrets. Solid fill is safer.</source>
        <translation>흐림과 픽셀화는 되돌릴 수 있습니다. 픽셀화 해제 공격으로 짧은 비밀 정보가 복원될 수 있습니다. 단색 채우기가 더 안전합니다.</translation>
    </message>
    <message>
        <source>Apply Anyway</source>
        <translation>그래도 적용</translation>
    </message>
    <message>
        <source>Could not find the display to capture.</source>
        <translation>캡처할 디스플레이를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Tarnveil needs permission to capture the screen. Allow screenshots for Tarnveil in your desktop&apos;s privacy settings, then try again.</source>
        <translation>Tarnveil이 화면을 캡처하려면 권한이 필요합니다. 데스크톱의 개인 정보 설정에서 Tarnveil의 스크린샷을 허용한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Screen capture is not available on this desktop.</source>
        <extracomment>Shown when neither an X11 display nor the desktop&apos;s screenshot portal can be used.</extracomment>
        <translation>이 데스크톱에서는 화면 캡처를 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service is not available.</source>
        <extracomment>The desktop portal (xdg-desktop-portal) that takes screenshots on Wayland is missing.</extracomment>
        <translation>데스크톱의 스크린샷 서비스를 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer.</source>
        <translation>데스크톱의 스크린샷 서비스가 응답하지 않았습니다.</translation>
    </message>
    <message>
        <source>Screen capture failed.</source>
        <translation>화면 캡처 실패.</translation>
    </message>
</context>
<context>
    <name>InspectorView</name>
    <message>
        <source>Add “%1” to allowlist</source>
        <extracomment>%1 is the matched value, cut to 16 characters.</extracomment>
        <translation>“%1”을(를) 허용 목록에 추가</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>단색</translation>
    </message>
    <message>
        <source>Labeled</source>
        <translation>레이블</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>흐림</translation>
    </message>
    <message>
        <source>Pixelate</source>
        <translation>픽셀화</translation>
    </message>
</context>
<context>
    <name>QtEditorPlatform</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 이미지 (*.png)</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>쉼표로 구분된 값 (*.csv)</translation>
    </message>
</context>
<context>
    <name>tarnveil::AboutDialog</name>
    <message>
        <source>About Tarnveil</source>
        <extracomment>Title of the about window.</extracomment>
        <translation>Tarnveil 정보</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number, such as 1.1.1.</extracomment>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>Destructive screenshot redaction. 100% offline.</source>
        <translation>파괴적 스크린샷 가리기. 100% 오프라인.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>업데이트 확인…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>tarnveil::EditorToolBar</name>
    <message>
        <source>Daylight</source>
        <extracomment>Name of a light colour theme.</extracomment>
        <translation>데이라이트</translation>
    </message>
    <message>
        <source>Hacker</source>
        <extracomment>Name of a green-on-black terminal-style colour theme.</extracomment>
        <translation>해커</translation>
    </message>
    <message>
        <source>Midnight</source>
        <extracomment>Name of a dark colour theme.</extracomment>
        <translation>미드나이트</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>도구 모음</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>캡처</translation>
    </message>
    <message>
        <source>Capture a region of the screen (Ctrl+Shift+2)</source>
        <translation>화면 영역 캡처 (Ctrl+Shift+2)</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Paste screenshot and run the pipeline (Ctrl+V)</source>
        <translation>스크린샷 붙여넣기 및 파이프라인 실행 (Ctrl+V)</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>프로필</translation>
    </message>
    <message>
        <source>Chrome Scrub</source>
        <translation>UI 제거</translation>
    </message>
    <message>
        <source>Add a heuristic strip over UI chrome</source>
        <translation>UI 요소 위에 추정 띠 추가</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>맞춤</translation>
    </message>
    <message>
        <source>Fit (Ctrl+0)</source>
        <translation>맞춤 (Ctrl+0)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>BURN</source>
        <translation>굽기</translation>
    </message>
    <message>
        <source>Burn and export</source>
        <translation>굽고 내보내기</translation>
    </message>
    <message>
        <source>Burn the redactions into the pixels and export (Ctrl+Shift+E)</source>
        <translation>가리기를 픽셀에 굽고 내보내기 (Ctrl+Shift+E)</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>모양</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>Toggle Inspector</source>
        <translation>인스펙터 전환</translation>
    </message>
    <message>
        <source>Toggle inspector (Ctrl+Alt+I)</source>
        <translation>인스펙터 전환 (Ctrl+Alt+I)</translation>
    </message>
</context>
<context>
    <name>tarnveil::EmptyStateView</name>
    <message>
        <source>awaiting input</source>
        <translation>입력 대기 중</translation>
    </message>
    <message>
        <source>Ctrl+Shift+2 to capture  ·  Ctrl+V to paste  ·  or drop a screenshot</source>
        <extracomment>Two spaces on each side of each middle dot.</extracomment>
        <translation>Ctrl+Shift+2로 캡처  ·  Ctrl+V로 붙여넣기  ·  또는 스크린샷 끌어 놓기</translation>
    </message>
</context>
<context>
    <name>tarnveil::InspectorView</name>
    <message>
        <source>No selection</source>
        <translation>선택 항목 없음</translation>
    </message>
    <message>
        <source>Select a region on the canvas.</source>
        <translation>캔버스에서 영역을 선택하세요.</translation>
    </message>
    <message>
        <source>Press 1–4 to set the style of all selected regions.</source>
        <translation>1–4 키를 눌러 선택한 모든 영역의 스타일을 설정하세요.</translation>
    </message>
    <message>
        <source>%1 regions selected</source>
        <extracomment>%1 is the number of selected regions (2 or more).</extracomment>
        <translation>영역 %1개 선택됨</translation>
    </message>
</context>
<context>
    <name>tarnveil::MenuBarContent</name>
    <message>
        <source>Capture Region</source>
        <translation>영역 캡처</translation>
    </message>
    <message>
        <source>Paste from Clipboard</source>
        <translation>클립보드에서 붙여넣기</translation>
    </message>
    <message>
        <source>Show Tarnveil</source>
        <translation>Tarnveil 보이기</translation>
    </message>
    <message>
        <source>Quit Tarnveil</source>
        <translation>Tarnveil 종료</translation>
    </message>
</context>
<context>
    <name>tarnveil::RegionForm</name>
    <message>
        <source>Black</source>
        <translation>검은색</translation>
    </message>
    <message>
        <source>White</source>
        <translation>흰색</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>회색</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>채우기</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>일치 항목</translation>
    </message>
    <message>
        <source>Manual region</source>
        <translation>수동 영역</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>감지기</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>범주</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>심각도</translation>
    </message>
    <message>
        <source>Pseudonym</source>
        <translation>가명</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>스타일</translation>
    </message>
    <message>
        <source>Reversible — not safe for secrets. Use for faces and screenshots only.</source>
        <translation>되돌릴 수 있음 — 비밀 정보에 안전하지 않습니다. 얼굴과 스크린샷에만 사용하세요.</translation>
    </message>
    <message>
        <source>Protect (never redact inside)</source>
        <translation>보호 (내부는 가리지 않음)</translation>
    </message>
    <message>
        <source>Allowlist</source>
        <translation>허용 목록</translation>
    </message>
    <message>
        <source>Never redact this value again</source>
        <translation>이 값은 다시 가리지 않음</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>숨기기</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>표시</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>비밀</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>식별자</translation>
    </message>
    <message>
        <source>Contextual</source>
        <translation>맥락</translation>
    </message>
</context>
<context>
    <name>tarnveil::RegionListView</name>
    <message>
        <source>REGIONS</source>
        <translation>영역</translation>
    </message>
    <message>
        <source>No regions yet</source>
        <translation>아직 영역 없음</translation>
    </message>
    <message>
        <source>No image</source>
        <translation>이미지 없음</translation>
    </message>
    <message>
        <source>Drag on the canvas to add one</source>
        <translation>캔버스에서 드래그하여 추가</translation>
    </message>
    <message>
        <source>Paste a screenshot</source>
        <translation>스크린샷 붙여넣기</translation>
    </message>
    <message>
        <source>%1 regions</source>
        <extracomment>%1 is the number of regions in the list.</extracomment>
        <translation>영역 %1개</translation>
    </message>
    <message>
        <source>Manual / chrome</source>
        <translation>수동 / UI</translation>
    </message>
    <message>
        <source>Remove all %1</source>
        <extracomment>%1 is the name of a detection category, such as Secret.</extracomment>
        <translation>%1 모두 제거</translation>
    </message>
</context>
<context>
    <name>tarnveil::StatusBarView</name>
    <message>
        <source>[space] preview   [1-4] style   [alt] protect</source>
        <translation>[space] 미리 보기   [1-4] 스타일   [alt] 보호</translation>
    </message>
</context>
<context>
    <name>tarnveil::TarnveilCommands</name>
    <message>
        <source>Open Image</source>
        <translation>이미지 열기</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff)</source>
        <translation>이미지 (*.png *.jpg *.jpeg *.bmp *.gif *.webp *.tif *.tiff)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>Open Image…</source>
        <translation>이미지 열기…</translation>
    </message>
    <message>
        <source>Capture Screenshot</source>
        <translation>스크린샷 찍기</translation>
    </message>
    <message>
        <source>Paste Screenshot</source>
        <translation>스크린샷 붙여넣기</translation>
    </message>
    <message>
        <source>Export to Desktop &amp;&amp; Copy</source>
        <translation>바탕 화면으로 내보내기 &amp;&amp; 복사</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>편집(&amp;E)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>Copy Redacted</source>
        <translation>가린 이미지 복사</translation>
    </message>
    <message>
        <source>Select All Regions</source>
        <translation>모든 영역 선택</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>선택 항목 삭제</translation>
    </message>
    <message>
        <source>&amp;Redact</source>
        <translation>가리기(&amp;R)</translation>
    </message>
    <message>
        <source>Chrome Scrub</source>
        <translation>UI 제거</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>창에 맞추기</translation>
    </message>
    <message>
        <source>&amp;Session</source>
        <translation>세션(&amp;S)</translation>
    </message>
    <message>
        <source>New Session</source>
        <translation>새 세션</translation>
    </message>
    <message>
        <source>Export Mapping…</source>
        <translation>매핑 내보내기…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>About Tarnveil</source>
        <translation>Tarnveil 정보</translation>
    </message>
    <message>
        <source>Hide Inspector</source>
        <translation>인스펙터 숨기기</translation>
    </message>
    <message>
        <source>Show Inspector</source>
        <translation>인스펙터 보이기</translation>
    </message>
</context>
</TS>
