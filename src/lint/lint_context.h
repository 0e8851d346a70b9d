// What every family of lint rules shares: the input model, the database's names, and the
// diagnostics found so far, with the statements that a mistake before them has silenced.
#pragma once

#include "lint/simulation_names.h"

#include <vxcheck/input/diagnostic.h>
#include <vxcheck/input/model.h>
#include <vxcheck/input/names.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vxcheck {

class LintContext {
  public:
    LintContext(const InputModel& model, const NameTable* database)
        : m_model(model), m_database(database), m_silenced(model.statements.size(), false) {
        if (database != nullptr) {
            m_names.emplace(model, *database);
        }
    }

    const InputModel& Model() const { return m_model; }
    const NameTable* Database() const { return m_database; }
    // The database when it is a whole one, which defines water; null when it is unknown, or a
    // part meant to be read into another with INCLUDE$ (Concrete_PHR.dat): species, reactants
    // and rates are judged only against a whole database.
    const NameTable* WholeDatabase() const;
    // The names known while simulation runs: the database's and the input's definitions so
    // far, made once per lint for every family. Only when there is a database.
    KnownNames NamesThrough(int simulation) { return m_names->Through(simulation); }
    const std::vector<Diagnostic>& Diagnostics() const { return m_diagnostics; }
    std::vector<Diagnostic> TakeDiagnostics() { return std::move(m_diagnostics); }

    // Reports bytes [begin, end) of a statement's text.
    void Report(const InputStatement& statement, std::size_t begin, std::size_t end,
                Severity severity, std::string code, std::string message);
    // Reports one word of a statement.
    void ReportWord(const InputStatement& statement, std::size_t word, Severity severity,
                    std::string code, std::string message);

    // The statement at index, reported, and those after it up to the end of its block draw
    // nothing more: they are the consequence of that mistake, not mistakes of their own.
    void SilenceFrom(std::size_t index);

    // The keyword that word seems a misspelling of (ClosestKeyword), remembered per word: an
    // input repeats its names many times.
    std::optional<std::string_view> MisspeltKeyword(std::string_view word);
    bool Silenced(std::size_t index) const { return m_silenced[index]; }

  private:
    const InputModel& m_model;
    const NameTable* m_database;
    std::optional<SimulationNames> m_names; // with a database only
    std::vector<bool> m_silenced;
    std::vector<Diagnostic> m_diagnostics;
    std::unordered_map<std::string, std::optional<std::string_view>> m_keywords;
};

// The rule families, run in this order.
void CheckDatabaseLines(LintContext& context);
void CheckKeywords(LintContext& context);
void CheckReactions(LintContext& context);
void CheckOptions(LintContext& context);
void CheckNames(LintContext& context);
void CheckReactants(LintContext& context);
void CheckNumbers(LintContext& context);
void CheckSpreads(LintContext& context);
void CheckRedoxCouples(LintContext& context);
void CheckUses(LintContext& context);
void CheckUnits(LintContext& context);
void CheckBasic(LintContext& context);

} // namespace vxcheck
