// One library operation per command: the command line names it, the checker answers, the output
// prints the answer unchanged.
#include "commands.h"

#include <vxcheck/check.h>
#include <vxcheck/kw_tree.h>

#include <vxcheck/platform/mbstring.h>

#include <string>
#include <vector>

namespace vxcheck::cli {

namespace {

// Every byte of a word, a NUL included.
CString Bytes(const std::string& word) {
    return CString(word.data(), static_cast<int>(word.size()));
}

std::vector<CString> Strings(const std::vector<std::string>& words) {
    std::vector<CString> strings;
    strings.reserve(words.size());
    for (const std::string& word : words) {
        strings.push_back(Bytes(word));
    }
    return strings;
}

// The single-word and the list form of each Find member, by name set.
std::vector<CString> Find(const Invocation& invocation, Cvx_Check& checker) {
    const std::vector<CString> words = Strings(invocation.words);
    const CString mode = Bytes(invocation.mode);
    const bool list = invocation.listForm;
    const CString element = list ? CString() : words.front();
    switch (invocation.set) {
    case SpeciesSet::Aqueous:
        return list ? checker.FindAqueousSpecies(words, mode) : checker.FindAqueousSpecies(element);
    case SpeciesSet::Phases:
        return list ? checker.FindPhases(words, mode) : checker.FindPhases(element);
    case SpeciesSet::Minerals:
        return list ? checker.FindMinerals(words, mode) : checker.FindMinerals(element);
    case SpeciesSet::Gases:
        return list ? checker.FindGases(words, mode) : checker.FindGases(element);
    case SpeciesSet::Exchange:
        return list ? checker.FindExchangeSpecies(words, mode)
                    : checker.FindExchangeSpecies(element);
    case SpeciesSet::Surface:
        return list ? checker.FindSurfaceSpecies(words, mode) : checker.FindSurfaceSpecies(element);
    }
    return {};
}

// The library answers an unknown mode word with an empty list; the user hears why.
void WarnOnUnknownMode(const Invocation& invocation, std::ostream& err) {
    for (const char* known : {"con", "or", "and", "inc"}) {
        if (_mbsicmp(reinterpret_cast<const unsigned char*>(invocation.mode.c_str()),
                     reinterpret_cast<const unsigned char*>(known)) == 0) {
            return;
        }
    }
    err << "vxcheck: unknown mode '" << invocation.mode
        << "' gives no names (modes: con, or, and, inc)\n";
}

} // namespace

void RunCommand(const Invocation& invocation, Cvx_Check& checker, Output& output,
                std::ostream& err) {
    switch (invocation.command) {
    case Command::Keywords:
        return output.List(checker.GetKeywords());
    case Command::Check:
        return output.Integer(checker.CheckKeyword(Bytes(invocation.arguments[0])));
    case Command::Identifiers:
        return output.List(invocation.arguments.empty()
                               ? checker.GetIdentifier()
                               : checker.GetIdentifier(Bytes(invocation.arguments[0])));
    case Command::Basic:
        return output.List(checker.GetBasic());
    case Command::MasterSpeciesComp:
        return output.List(checker.GetMasterSpeciesComp());
    case Command::MasterSpecies:
        return output.List(checker.GetMasterSpecies());
    case Command::AqueousSpecies:
        return output.List(checker.GetAqueousSpecies());
    case Command::Phases:
        return output.List(checker.GetPhases());
    case Command::Minerals:
        return output.List(checker.GetMinerals());
    case Command::Gases:
        return output.List(checker.GetGases());
    case Command::Find:
        if (invocation.listForm) {
            WarnOnUnknownMode(invocation, err);
        }
        return output.List(Find(invocation, checker));
    case Command::Tree: {
        Cvx_KwTree tree;
        checker.BuildKeywordTree(&tree);
        return output.Tree(*tree.GetRoot());
    }
    case Command::Lint: // run by RunLint, which prints as it reads
        return;
    }
}

} // namespace vxcheck::cli
