// The vxcheck command line: options, then a command and its arguments. Options are read up to
// the first word that does not begin with "-", which is the command.
#include "arguments.h"

#include <iterator>
#include <string_view>

namespace vxcheck::cli {

namespace {

struct CommandRow {
    std::string_view name;
    Command command;
    std::size_t minArguments;
    std::size_t maxArguments;
};

constexpr CommandRow kCommands[] = {
    {"keywords", Command::Keywords, 0, 0},
    {"check", Command::Check, 1, 1},
    {"identifiers", Command::Identifiers, 0, 1},
    {"basic", Command::Basic, 0, 0},
    {"master-species-comp", Command::MasterSpeciesComp, 0, 0},
    {"master-species", Command::MasterSpecies, 0, 0},
    {"aqueous-species", Command::AqueousSpecies, 0, 0},
    {"phases", Command::Phases, 0, 0},
    {"minerals", Command::Minerals, 0, 0},
    {"gases", Command::Gases, 0, 0},
    {"find", Command::Find, 0, 0}, // its arguments are read by ParseFind
    {"tree", Command::Tree, 0, 0},
    {"lint", Command::Lint, 0, 0}, // its arguments are read by ParseLint
};

struct SetRow {
    std::string_view name;
    SpeciesSet set;
};

constexpr SetRow kSets[] = {
    {"aqueous", SpeciesSet::Aqueous},   {"phases", SpeciesSet::Phases},
    {"minerals", SpeciesSet::Minerals}, {"gases", SpeciesSet::Gases},
    {"exchange", SpeciesSet::Exchange}, {"surface", SpeciesSet::Surface},
};

bool IsOption(const std::string& arg) {
    return !arg.empty() && arg[0] == '-';
}

// find SET ELEMENT, or find SET --mode MODE [--] WORD...: options end at "--" or at the first
// word, so later words may begin with "-".
std::string ParseFind(const std::vector<std::string>& rest, Invocation& invocation) {
    if (rest.empty()) {
        return "missing SET for 'find'";
    }
    const SetRow* set = nullptr;
    for (const SetRow& row : kSets) {
        if (row.name == rest[0]) {
            set = &row;
        }
    }
    if (set == nullptr) {
        return "unknown SET '" + rest[0] +
               "' for 'find' (aqueous, phases, minerals, gases, exchange or surface)";
    }
    invocation.set = set->set;
    std::size_t i = 1;
    for (; i < rest.size() && IsOption(rest[i]); ++i) {
        if (rest[i] == "--") {
            ++i;
            break;
        }
        if (rest[i] != "--mode") {
            return "unknown option '" + rest[i] + "' for 'find'";
        }
        if (++i == rest.size()) {
            return "missing MODE after '--mode'";
        }
        invocation.listForm = true;
        invocation.mode = rest[i];
    }
    invocation.words.assign(rest.begin() + static_cast<std::ptrdiff_t>(i), rest.end());
    if (!invocation.listForm && invocation.words.empty()) {
        return "missing ELEMENT for 'find'";
    }
    if (!invocation.listForm && invocation.words.size() > 1) {
        return "too many arguments for 'find' (several words need --mode)";
    }
    return {};
}

// lint [--db PATH] [--json] [--] FILE...: the options may also stand before the command. PHREEQC
// reads one database, so lint takes at most one.
std::string ParseLint(const std::vector<std::string>& rest, Invocation& invocation) {
    std::size_t i = 0;
    for (; i < rest.size() && IsOption(rest[i]); ++i) {
        if (rest[i] == "--") {
            ++i;
            break;
        }
        if (rest[i] == "--json") {
            invocation.json = true;
        } else if (rest[i] != "--db") {
            return "unknown option '" + rest[i] + "' for 'lint'";
        } else if (++i == rest.size()) {
            return "missing PATH after '--db'";
        } else {
            invocation.databases.push_back(rest[i]);
        }
    }
    invocation.files.assign(rest.begin() + static_cast<std::ptrdiff_t>(i), rest.end());
    if (invocation.databases.size() > 1) {
        return "'lint' reads one database; --db is given " +
               std::to_string(invocation.databases.size()) + " times";
    }
    if (invocation.files.empty()) {
        return "missing FILE for 'lint'";
    }
    return {};
}

std::string ParseCommand(const std::vector<std::string>& args, std::size_t at,
                         Invocation& invocation) {
    const std::string& name = args[at];
    const std::vector<std::string> rest(args.begin() + static_cast<std::ptrdiff_t>(at) + 1,
                                        args.end());
    for (const CommandRow& row : kCommands) {
        if (row.name != name) {
            continue;
        }
        invocation.command = row.command;
        if (row.command == Command::Find) {
            return ParseFind(rest, invocation);
        }
        if (row.command == Command::Lint) {
            return ParseLint(rest, invocation);
        }
        if (rest.size() < row.minArguments) {
            return "missing argument for '" + name + "'";
        }
        if (rest.size() > row.maxArguments) {
            return "too many arguments for '" + name + "'";
        }
        invocation.arguments = rest;
        return {};
    }
    return "unknown command '" + name + "'";
}

} // namespace

ParseResult ParseArguments(const std::vector<std::string>& args) {
    ParseResult result;
    Invocation& invocation = result.invocation;
    std::size_t i = 0;
    for (; i < args.size() && IsOption(args[i]); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            invocation.help = true;
            return result;
        }
        if (arg == "--version") {
            invocation.version = true;
            return result;
        }
        if (arg == "--json") {
            invocation.json = true;
        } else if (arg == "--phreeqc3") {
            invocation.phreeqc3 = true;
        } else if (arg == "--db") {
            if (++i == args.size()) {
                result.error = "missing PATH after '--db'";
                return result;
            }
            invocation.databases.push_back(args[i]);
        } else {
            result.error = "unknown option '" + arg + "'";
            return result;
        }
    }
    if (i == args.size()) {
        result.error = "missing command";
        return result;
    }
    result.error = ParseCommand(args, i, invocation);
    return result;
}

} // namespace vxcheck::cli
