// Every word of PHREEQC's examples, which PHREEQC reads without error, against what the position
// there expects: the word written must be one that the expected kinds name (a name of the
// example's database or of the input itself, an option, a unit, a number, a reactant number).
// The report lists each miss by block and field, so that a gap shows where it is.
#include <vxcheck/input/definitions.h>
#include <vxcheck/input/names.h>
#include <vxcheck/input/position.h>
#include <vxcheck/input/vocabulary.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

namespace vxcheck {
namespace {

const std::string kDataDir = VXCHECK_DATA_DIR;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string Lower(std::string_view word) {
    std::string lower(word);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return lower;
}

// A number, or PHREEQC's "count*value" of a list of numbers ("31*1").
bool IsNumber(std::string_view word) {
    const std::string text(word.substr(word.find('*') + 1));
    char* end = nullptr;
    std::strtod(text.c_str(), &end);
    return !text.empty() && end == text.c_str() + text.size();
}

bool Among(std::span<const std::string_view> words, std::string_view word) {
    return std::find(words.begin(), words.end(), Lower(word)) != words.end();
}

bool Among(const std::vector<std::string>& words, std::string_view word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

const char* KindName(Expected kind) {
    static const char* const kNames[] = {
        "Keyword",
        "Option",
        "DashlessOption",
        "Element",
        "Species",
        "SorbedSpecies",
        "Phase",
        "Gas",
        "ExchangeFormula",
        "SurfaceFormula",
        "RateName",
        "CalculatedValue",
        "Units",
        "ConcentrationTail",
        "Charge",
        "EntityKind",
        "EntityNumber",
        "FileName",
        "Basic",
        "Number",
        "Text",
        "Reaction",
        "Literal",
        "Formula",
        "RedoxCouple",
    };
    return kNames[static_cast<std::size_t>(kind)];
}

// One example, its database's names and its own, and the tally of its words.
class Audit {
  public:
    Audit(std::string text, const NameTable& database)
        : m_text(std::move(text)), m_model(ReadInput(m_text)), m_database(database),
          m_input(InputNames(m_model)) {}

    // Checks each word; returns the misses as "block/option word N [kinds]: word".
    void Run(std::size_t& checked, std::size_t& open, std::vector<std::string>& misses) {
        for (const InputStatement& statement : m_model.statements) {
            for (std::size_t index = 0; index < statement.words.size(); ++index) {
                const std::size_t offset = statement.OffsetOf(statement.words[index].begin);
                const InputPosition position = PositionAt(m_model, m_text, offset);
                if (position.comment || position.expected.empty()) {
                    continue;
                }
                const std::string_view word = statement.Word(index);
                if (Offered(position, word)) {
                    ++checked;
                } else if (Free(position.expected)) {
                    ++open;
                    if (std::getenv("VXCHECK_AUDIT_FREE") != nullptr) {
                        misses.push_back("free " + Describe(position, index, word));
                    }
                } else {
                    ++checked;
                    misses.push_back(Describe(position, index, word));
                }
            }
        }
    }

  private:
    // Kinds whose words completion does not list: any word fits.
    static bool Free(const std::vector<Expected>& expected) {
        return std::any_of(expected.begin(), expected.end(), [](Expected kind) {
            return kind == Expected::Text || kind == Expected::Basic ||
                   kind == Expected::Reaction || kind == Expected::FileName ||
                   kind == Expected::Formula;
        });
    }

    bool Has(NameKind kind, std::string_view word) const {
        return m_database.Find(kind, word) != nullptr || m_input.Find(kind, word) != nullptr;
    }

    bool SurfaceSite(std::string_view word) const {
        for (const NameTable* table : {&m_database, &m_input}) {
            for (const NameEntry* entry : table->All(NameKind::SurfaceMaster)) {
                if (entry->formula == word || entry->name == word) {
                    return true;
                }
            }
        }
        return false;
    }

    bool Offered(const InputPosition& position, std::string_view word) const {
        const BlockVocabulary* block = FindBlockVocabulary(position.blockName);
        for (Expected kind : position.expected) {
            bool fits = false;
            switch (kind) {
            case Expected::Keyword:
                // Completion offers INCLUDE$ with the keywords.
                fits = FindBlockVocabulary(Lower(word)) != nullptr || Lower(word) == "include$";
                break;
            case Expected::Option:
                // An abbreviation PHREEQC takes ("-temp") is a prefix of an offered option.
                fits = block != nullptr && word.starts_with('-') &&
                       !MatchOption(block->options, Lower(word.substr(1))).empty();
                break;
            case Expected::DashlessOption:
                fits = block != nullptr && Among(block->options, word);
                break;
            case Expected::Element:
                fits = Has(NameKind::Element, word) || Has(NameKind::ValenceState, word);
                break;
            case Expected::Species:
                fits = Has(NameKind::AqueousSpecies, word);
                break;
            case Expected::SorbedSpecies:
                fits = Has(NameKind::ExchangeSpecies, word) || Has(NameKind::SurfaceSpecies, word);
                break;
            case Expected::RedoxCouple:
                fits = word.find('/') != std::string_view::npos &&
                       Has(NameKind::ValenceState, word.substr(0, word.find('/'))) &&
                       Has(NameKind::ValenceState, word.substr(word.find('/') + 1));
                break;
            case Expected::Literal:
                fits = Among(position.literals, word);
                break;
            case Expected::Phase:
            case Expected::Gas:
                fits = Has(NameKind::Phase, word);
                break;
            case Expected::ExchangeFormula:
                fits = Has(NameKind::ExchangeMaster, word) || Has(NameKind::ExchangeSpecies, word);
                break;
            case Expected::SurfaceFormula:
                fits = SurfaceSite(word);
                break;
            case Expected::RateName:
                fits = Has(NameKind::Rate, word);
                break;
            case Expected::CalculatedValue:
                fits = Among(CalculatedValuesBefore(m_model, position.begin), word);
                break;
            case Expected::Units:
                fits = Among(ConcentrationUnits(), word);
                break;
            case Expected::ConcentrationTail:
                fits = Among(ConcentrationWords(), word);
                break;
            case Expected::Charge:
                fits = Lower(word) == "charge";
                break;
            case Expected::EntityKind:
                // Another spelling of a kind's keyword ("solid_solution") names the same kind.
                fits = FindBlockVocabulary(Lower(word)) != nullptr &&
                       Among(EntityKinds(), FindBlockVocabulary(Lower(word))->name);
                break;
            case Expected::EntityNumber:
                fits = Among(NumbersDefinedBefore(m_model, position.entity, position.begin), word);
                break;
            case Expected::Number:
                fits = IsNumber(word);
                break;
            default:
                break;
            }
            if (fits) {
                return true;
            }
        }
        return false;
    }

    static std::string Describe(const InputPosition& position, std::size_t index,
                                std::string_view word) {
        std::string line = std::string(position.blockName.empty() ? "(none)" : position.blockName) +
                           "/" + std::string(position.option.empty() ? "data" : position.option) +
                           " word " + std::to_string(index) + " [";
        for (Expected kind : position.expected) {
            line += std::string(KindName(kind)) + (kind == position.expected.back() ? "" : " ");
        }
        return line + "]: " + std::string(word);
    }

    std::string m_text;
    InputModel m_model;
    const NameTable& m_database;
    NameTable m_input;
};

TEST(FieldAudit, EveryWordOfTheExamplesIsOneThatItsPositionOffers) {
    std::istringstream list(ReadFile(kDataDir + "/examples/databases.tsv"));
    std::string line;
    std::getline(list, line); // the header
    std::map<std::string, NameTable> databases;
    std::size_t checked = 0;
    std::size_t open = 0;
    std::map<std::string, std::vector<std::string>> misses; // by field, the examples' words
    std::size_t missed = 0;
    while (std::getline(list, line)) {
        const std::string example = line.substr(0, line.find('\t'));
        const std::string databaseName = line.substr(line.find('\t') + 1);
        const std::string path = kDataDir + "/databases/" + databaseName;
        if (!databases.contains(databaseName)) {
            databases.emplace(databaseName, ReadDatabaseNames(ReadFile(path), path));
        }
        const std::string text = ReadFile(kDataDir + "/examples/" + example);
        ASSERT_FALSE(text.empty()) << example;
        std::vector<std::string> found;
        Audit(text, databases.at(databaseName)).Run(checked, open, found);
        for (const std::string& miss : found) {
            missed += miss.starts_with("free ") ? 0 : 1;
            const std::size_t colon = miss.rfind("]: ");
            misses[miss.substr(0, colon + 1)].push_back(example + ":" + miss.substr(colon + 3));
        }
    }
    std::ostringstream report;
    report << "words checked against a closed list: " << checked - missed << "/" << checked
           << " offered; free text: " << open << "\n";
    for (const auto& [field, words] : misses) {
        report << "  " << words.size() << "  " << field << "  e.g.";
        for (std::size_t index = 0; index < std::min<std::size_t>(words.size(), 4); ++index) {
            report << " " << words[index];
        }
        report << "\n";
    }
    std::cout << report.str();
    EXPECT_GT(checked, 1000u);
    EXPECT_EQ(missed, 0u) << report.str();
}

} // namespace
} // namespace vxcheck
