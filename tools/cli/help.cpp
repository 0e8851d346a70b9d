// The usage, help and version texts. The help names every command; docs/vxcheck.1 says the
// same at more length.
#include "help.h"

namespace vxcheck::cli {

namespace {

#define VXCHECK_USAGE                                                                              \
    "usage: vxcheck [--db PATH]... [--phreeqc3] [--json] COMMAND [ARG...]\n"                       \
    "       vxcheck lint [--db PATH] [--json] FILE...\n"

constexpr std::string_view kHelp = VXCHECK_USAGE
    "\n"
    "Answers questions about PHREEQC input: its keywords, their -identifiers, the words of its\n"
    "BASIC, and the species and phases that thermodynamic databases define.\n"
    "\n"
    "Options (before the command):\n"
    "  --db PATH    read the database at PATH first; repeat to read several, in order\n"
    "  --phreeqc3   read every database as PHREEQC 3 does: its further keywords end a block,\n"
    "               and options written without their dash are options\n"
    "  --json       print the answer as one line of JSON\n"
    "  --help       print this help and exit\n"
    "  --version    print the version and exit\n"
    "\n"
    "Commands:\n"
    "  keywords                 the keywords, sorted\n"
    "  check WORD               the position of WORD among the keywords (0 to 64), or -1\n"
    "  identifiers              every identifier of every keyword, sorted\n"
    "  identifiers KEYWORD      the identifiers offered for KEYWORD\n"
    "  basic                    the BASIC words, sorted\n"
    "  master-species-comp      Total_H, Total_O, Charge and the master species that make up\n"
    "                           a composition\n"
    "  master-species           the master species, without E\n"
    "  aqueous-species          the aqueous species\n"
    "  phases                   the phases\n"
    "  minerals                 the phases that are not gases\n"
    "  gases                    the phases named with \"(g)\" after their first character\n"
    "  find SET ELEMENT         the names in SET whose formula holds the master species ELEMENT\n"
    "  find SET --mode MODE [--] [WORD...]\n"
    "                           the names in SET that match the words in MODE:\n"
    "                             con  the name contains the first word (case counts)\n"
    "                             or   the formula holds one of the words\n"
    "                             and  the formula holds every word\n"
    "                             inc  the formula holds only the words, O and H\n"
    "                           \"--\" ends the options, so a word may begin with \"-\"\n"
    "  tree                     the keyword tree: groups, keywords and identifiers\n"
    "  lint [--db PATH] [--json] FILE...\n"
    "                           check PHREEQC input files as PHREEQC would read them; one\n"
    "                           line per finding, FILE:LINE:COLUMN: SEVERITY: MESSAGE [CODE]\n"
    "                           (with --json, one array of objects). The database is --db,\n"
    "                           else the file's DATABASE line, else PHREEQC_DATABASE\n"
    "  lsp                      serve the language server on standard input and output\n"
    "                           (alone, without options)\n"
    "\n"
    "SET is aqueous, phases, minerals, gases, exchange or surface. Lists print one name per\n"
    "line, sorted without regard to case; names come from the databases read with --db.\n"
    "\n"
    "Exit status: 0 when the answer is printed, 1 when a database cannot be opened,\n"
    "2 when the command line is wrong. lint: 0 when no file has an error (warnings\n"
    "allowed), 1 when one has, 2 when the command line is wrong, 3 when a file or a\n"
    "database cannot be read.\n";

constexpr std::string_view kVersion = "vxcheck " VXCHECK_VERSION "\n";

} // namespace

std::string_view UsageText() {
    return VXCHECK_USAGE;
}
std::string_view HelpText() {
    return kHelp;
}
std::string_view VersionText() {
    return kVersion;
}

} // namespace vxcheck::cli
