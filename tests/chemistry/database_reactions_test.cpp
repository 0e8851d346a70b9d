// Every equation of the shipped databases that PHREEQC checks reads and balances.
#include "chemistry/database_equations.h"

#include <vxcheck/input/chemistry.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

TEST(DatabaseReactions, EveryCheckedEquationReadsAndBalances) {
    int equations = 0;
    int unchecked = 0;
    int databases = 0;
    for (const auto& entry : std::filesystem::directory_iterator(VXCHECK_DATA_DIR "/databases")) {
        if (entry.path().extension() != ".dat") {
            continue;
        }
        ++databases;
        const std::string file = entry.path().filename().string();
        std::vector<std::pair<DatabaseEquation, vxcheck::Reaction>> read;
        // Phases that reactions name, such as "Calcite(s)", by their formulas; PHREEQC ignores
        // the case of phase names.
        std::map<std::string, std::string> formulas;
        for (DatabaseEquation& found : DatabaseEquations(ReadWholeFile(entry.path().string()))) {
            vxcheck::ReactionError why;
            std::optional<vxcheck::Reaction> reaction =
                vxcheck::ParseReaction(found.equation, &why);
            ASSERT_TRUE(reaction) << file << ":" << found.line << ": " << why.message;
            if (found.block == "phases") {
                formulas[Lower(found.phase)] = reaction->left.front().species;
            }
            read.emplace_back(std::move(found), std::move(*reaction));
        }
        const auto phases = [&formulas](std::string_view name) {
            const auto known = formulas.find(Lower(std::string(name)));
            return known == formulas.end() ? std::string() : known->second;
        };
        for (const auto& [found, reaction] : read) {
            ++equations;
            unchecked += found.checked ? 0 : 1;
            if (found.checked) {
                EXPECT_EQ(vxcheck::ReactionImbalance(reaction, phases), "")
                    << file << ":" << found.line << ": " << found.equation;
            }
        }
    }
    EXPECT_EQ(databases, 21);
    EXPECT_GT(equations, 15000);
    std::printf("%d equations in %d databases, %d of them -no_check\n", equations, databases,
                unchecked);
}
