#pragma once

#include <array>
#include <string_view>

namespace tarnveil::leakbench {

/// The kinds of screenshot the corpus draws.
enum class SceneKind {
    terminal,
    browser,
    editor,
    chat,
    adminTable,
    logViewer,
    windowsPaths,
};

inline constexpr std::array<SceneKind, 7> allSceneKinds{
    SceneKind::terminal,   SceneKind::browser,   SceneKind::editor,      SceneKind::chat,
    SceneKind::adminTable, SceneKind::logViewer, SceneKind::windowsPaths};

inline std::string_view identifier(SceneKind kind)
{
    switch (kind) {
    case SceneKind::terminal: return "terminal";
    case SceneKind::browser: return "browser";
    case SceneKind::editor: return "editor";
    case SceneKind::chat: return "chat";
    case SceneKind::adminTable: return "admin-table";
    case SceneKind::logViewer: return "log-viewer";
    case SceneKind::windowsPaths: return "windows-paths";
    }
    return "unknown";
}

} // namespace tarnveil::leakbench
