// Placing diagnostics in the input and silencing the statements after a mistake.
#include "lint/lint_context.h"

#include "lint/suggest.h"

#include <algorithm>

namespace vxcheck {

void LintContext::Report(const InputStatement& statement, std::size_t begin, std::size_t end,
                         Severity severity, std::string code, std::string message) {
    // A range stays inside the statement's text: a place just past its end (a missing word)
    // marks the text's last byte, never the line end or the line after it.
    end = std::min(end, statement.text.size());
    begin = std::min(begin, end);
    if (begin == end && begin > 0) {
        --begin;
    }
    Diagnostic diagnostic;
    diagnostic.begin = m_model.PlaceOf(statement.OffsetOf(begin));
    if (statement.text.empty()) {
        diagnostic.end = diagnostic.begin;
    } else {
        // The end is one past the last byte, placed from that byte so that a range that ends a
        // continued line stays on its line.
        const TextPlace last = m_model.PlaceOf(statement.OffsetOf(end > begin ? end - 1 : begin));
        diagnostic.end = {last.offset + 1, last.line, last.column + 1};
    }
    diagnostic.severity = severity;
    diagnostic.code = std::move(code);
    diagnostic.message = std::move(message);
    m_diagnostics.push_back(std::move(diagnostic));
}

void LintContext::ReportWord(const InputStatement& statement, std::size_t word, Severity severity,
                             std::string code, std::string message) {
    Report(statement, statement.words[word].begin, statement.words[word].end, severity,
           std::move(code), std::move(message));
}

const NameTable* LintContext::WholeDatabase() const {
    return m_database != nullptr && m_database->Find(NameKind::AqueousSpecies, "H2O") != nullptr
               ? m_database
               : nullptr;
}

void LintContext::SilenceFrom(std::size_t index) {
    m_silenced[index] = true;
    for (std::size_t next = index + 1; next < m_model.statements.size(); ++next) {
        if (m_model.statements[next].kind == StatementKind::Keyword) {
            break;
        }
        m_silenced[next] = true;
    }
}

std::optional<std::string_view> LintContext::MisspeltKeyword(std::string_view word) {
    auto found = m_keywords.find(std::string(word));
    if (found == m_keywords.end()) {
        found = m_keywords.emplace(std::string(word), ClosestKeyword(word)).first;
    }
    return found->second;
}

} // namespace vxcheck
