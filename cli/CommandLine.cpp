#include "CommandLine.h"

#include <algorithm>

namespace tarnveil::cli {

namespace {

bool listed(const std::vector<std::string_view>& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

CommandLine::CommandLine(std::vector<std::string> arguments) : arguments_(std::move(arguments)) {}

std::optional<CommandLine::Option> CommandLine::next(const std::vector<std::string_view>& valued,
                                                     const std::vector<std::string_view>& switches,
                                                     std::string& error)
{
    while (position_ < arguments_.size()) {
        const std::string& argument = arguments_[position_++];
        if (optionsEnded_ || argument == "-" || !argument.starts_with("-")) {
            operands_.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded_ = true;
            continue;
        }
        const auto equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        if (listed(switches, name) && equals == std::string::npos) {
            return Option{name, {}};
        }
        if (!listed(valued, name)) {
            error = "unknown option '" + argument + "'";
            return std::nullopt;
        }
        if (equals != std::string::npos) {
            return Option{name, argument.substr(equals + 1)};
        }
        if (position_ >= arguments_.size()) {
            error = "option '" + name + "' needs a value";
            return std::nullopt;
        }
        return Option{name, arguments_[position_++]};
    }
    return std::nullopt;
}

} // namespace tarnveil::cli
