// The vxcheck command line as a plain structure, and the parser that fills it from the words
// after the program name. The parser reads no file and prints nothing.
#pragma once

#include <string>
#include <vector>

namespace vxcheck::cli {

enum class Command {
    Keywords,
    Check,
    Identifiers,
    Basic,
    MasterSpeciesComp,
    MasterSpecies,
    AqueousSpecies,
    Phases,
    Minerals,
    Gases,
    Find,
    Tree,
    Lint,
};

// The name sets that `find` searches.
enum class SpeciesSet { Aqueous, Phases, Minerals, Gases, Exchange, Surface };

struct Invocation {
    std::vector<std::string> databases; // every --db PATH, in the order given
    bool phreeqc3 = false;
    bool json = false;
    bool help = false;    // --help: nothing else counts
    bool version = false; // --version: nothing else counts
    Command command = Command::Keywords;
    std::vector<std::string> arguments; // check WORD, identifiers [KEYWORD]
    SpeciesSet set = SpeciesSet::Aqueous;
    bool listForm = false;          // find SET --mode MODE WORD...
    std::string mode;               // the mode word, as typed
    std::vector<std::string> words; // ELEMENT, or the words of the list form
    std::vector<std::string> files; // lint FILE...
};

// The invocation, or a usage error: error is empty exactly when the command line is sound.
struct ParseResult {
    Invocation invocation;
    std::string error;
};

ParseResult ParseArguments(const std::vector<std::string>& args);

} // namespace vxcheck::cli
