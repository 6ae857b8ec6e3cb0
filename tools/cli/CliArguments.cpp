#include "CliArguments.h"

CliArguments::CliArguments(std::set<std::string> valueOptions, std::set<std::string> flags)
    : m_valueOptions(std::move(valueOptions))
    , m_flags(std::move(flags))
{
}

bool CliArguments::Parse(const std::vector<std::string>& args, std::string& error)
{
    bool operandsOnly = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (operandsOnly || arg.size() < 2 || arg[0] != '-') {
            m_operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            operandsOnly = true;
            continue;
        }
        const size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (m_flags.count(name) != 0 && equals == std::string::npos) {
            m_setFlags.insert(name);
            continue;
        }
        if (m_valueOptions.count(name) == 0) {
            error = "unknown option " + arg;
            return false;
        }
        if (equals != std::string::npos) {
            m_values[name] = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            m_values[name] = args[++i];
        } else {
            error = "option " + name + " needs a value";
            return false;
        }
    }
    return true;
}

std::optional<std::string> CliArguments::Value(const std::string& option) const
{
    const auto hit = m_values.find(option);
    if (hit == m_values.end())
        return std::nullopt;
    return hit->second;
}
