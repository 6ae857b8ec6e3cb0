#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// The arguments of one subcommand: operands, options with a value
// ("--table tv" or "--table=tv") and flags. Anything not declared is an
// error, so that a typing mistake is never taken for a file name.
class CliArguments {
public:
    CliArguments(std::set<std::string> valueOptions, std::set<std::string> flags);

    // False with `error` set when an argument is not declared or lacks its value.
    bool Parse(const std::vector<std::string>& args, std::string& error);

    const std::vector<std::string>& Operands() const { return m_operands; }
    std::optional<std::string> Value(const std::string& option) const;
    bool Flag(const std::string& flag) const { return m_setFlags.count(flag) != 0; }

private:
    std::set<std::string> m_valueOptions;
    std::set<std::string> m_flags;
    std::vector<std::string> m_operands;
    std::map<std::string, std::string> m_values;
    std::set<std::string> m_setFlags;
};
