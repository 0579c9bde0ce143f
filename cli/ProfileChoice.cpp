#include "ProfileChoice.h"

namespace tarnveil::cli {

std::optional<Profile> ProfileChoice::find(std::string_view id, std::string& error)
{
    std::string choices;
    for (auto& profile : Profile::builtins()) {
        if (profile.id == id) {
            return profile;
        }
        choices += (choices.empty() ? "" : ", ") + profile.id;
    }
    error = "unknown profile '" + std::string(id) + "' (choose " + choices + ")";
    return std::nullopt;
}

} // namespace tarnveil::cli
