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
    avatarChat,
    powershell,
    cmd,
};

inline constexpr std::array<SceneKind, 10> allSceneKinds{
    SceneKind::terminal,     SceneKind::browser,    SceneKind::editor,    SceneKind::chat,
    SceneKind::adminTable,   SceneKind::logViewer,  SceneKind::windowsPaths, SceneKind::avatarChat,
    SceneKind::powershell,   SceneKind::cmd};

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
    case SceneKind::avatarChat: return "avatar-chat";
    case SceneKind::powershell: return "powershell";
    case SceneKind::cmd: return "cmd";
    }
    return "unknown";
}

/// Whether the body of the scene is drawn in the monospace font (a console, code, a log).
inline bool hasMonospaceBody(SceneKind kind)
{
    return kind == SceneKind::terminal || kind == SceneKind::editor || kind == SceneKind::logViewer ||
           kind == SceneKind::windowsPaths || kind == SceneKind::powershell || kind == SceneKind::cmd;
}

} // namespace tarnveil::leakbench
