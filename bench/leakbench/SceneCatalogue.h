#pragma once

#include <string>

#include "SceneDescription.h"
#include "SceneKind.h"

namespace tarnveil::leakbench {

/// The scene descriptions of the corpus: every kind of screenshot with its chrome and line
/// templates. Some kinds come in variants (the file type an editor shows, the table an
/// admin page lists).
class SceneCatalogue {
public:
    static int variantCount(SceneKind kind);
    /// The variant's name, empty for kinds without variants.
    static std::string variantName(SceneKind kind, int variant);
    static SceneDescription describe(SceneKind kind, int variant);
};

} // namespace tarnveil::leakbench
