#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnveil::cli {

/// The arguments of one subcommand, read left to right: options with a value (as
/// "--name VALUE" or "--name=VALUE"), switches, and operands. "--" ends the options.
class CommandLine {
public:
    explicit CommandLine(std::vector<std::string> arguments);

    /// Takes the next option, or none when only operands remain. Sets `error` for an option
    /// that `valued` and `switches` don't list, or a valued option without its value.
    struct Option {
        std::string name;
        std::string value;
    };
    std::optional<Option> next(const std::vector<std::string_view>& valued, const std::vector<std::string_view>& switches,
                               std::string& error);

    const std::vector<std::string>& operands() const { return operands_; }

private:
    std::vector<std::string> arguments_;
    std::size_t position_ = 0;
    bool optionsEnded_ = false;
    std::vector<std::string> operands_;
};

} // namespace tarnveil::cli
