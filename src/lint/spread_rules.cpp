// SOLUTION_SPREAD: a heading row of tab-separated columns, then a row per solution. A heading
// names an element or valence state, an isotope ("13C"), a solution property (pH, temp, units ...)
// or the solution number; headings that begin with a lower-case letter are not read. A heading
// that names no element of the database is a warning, as in SOLUTION; a word in a column that
// holds a number stops PHREEQC ("Concentration data error", "Expected solution number").
#include "lint/lint_context.h"
#include "lint/suggest.h"

#include "input/keywords.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace vxcheck {
namespace {

// One tab-separated cell of a row: bytes [begin, end) of the statement's text, blanks trimmed.
struct Cell {
    std::size_t begin = 0;
    std::size_t end = 0;
};

std::vector<Cell> SplitCells(std::string_view text) {
    std::vector<Cell> cells;
    std::size_t begin = 0;
    while (begin <= text.size()) {
        std::size_t end = std::min(text.find('\t', begin), text.size());
        std::size_t first = begin;
        std::size_t last = end;
        while (first < last && text[first] == ' ') {
            ++first;
        }
        while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\r')) {
            --last;
        }
        cells.push_back({first, last});
        begin = end + 1;
    }
    return cells;
}

// What a cell holds, as PHREEQC tells it from its first byte.
enum class CellKind { Empty, Word, Number, Other };

CellKind KindOf(std::string_view cell) {
    if (cell.empty()) {
        return CellKind::Empty;
    }
    const char first = cell.front();
    if ((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z') || first == '[') {
        return CellKind::Word;
    }
    if ((first >= '0' && first <= '9') || first == '.' || first == '-') {
        return CellKind::Number;
    }
    return CellKind::Other;
}

// What a column holds, from its heading.
enum class Column { Skipped, Number, Element, Isotope, Value, Water, Other };

// Headings that name a solution property; "pH" and "pe" take a number, "water" a mass.
constexpr std::string_view kProperties[] = {
    "temp",     "temperature", "dens",      "density",     "units", "redox",
    "unit",     "isotope",     "water",     "description", "desc",  "descriptor",
    "pressure", "press",       "potential", "ph",          "pe"};
constexpr std::string_view kUnread[] = {"number", "uncertainty", "uncertainties",
                                        "isotope_uncertainty"};

// The heading as PHREEQC keeps it: blanks removed, commas made "_".
std::string HeadingName(std::string_view cell) {
    std::string name;
    for (const char ch : cell) {
        if (ch != ' ') {
            name += ch == ',' ? '_' : ch;
        }
    }
    return name;
}

Column ColumnOf(const std::string& heading) {
    const std::string lower = LowerWord(heading);
    if (lower == "number") {
        return Column::Number;
    }
    if (std::find(std::begin(kUnread), std::end(kUnread), lower) != std::end(kUnread)) {
        return Column::Skipped;
    }
    if (lower == "ph" || lower == "pe") {
        return Column::Value;
    }
    if (lower == "water") {
        return Column::Water;
    }
    if (std::find(std::begin(kProperties), std::end(kProperties), lower) != std::end(kProperties)) {
        return Column::Other;
    }
    switch (KindOf(heading)) {
    case CellKind::Number:
        return Column::Isotope;
    case CellKind::Word:
        return heading.front() >= 'a' && heading.front() <= 'z' ? Column::Skipped : Column::Element;
    default:
        return Column::Skipped;
    }
}

bool BeginsBareNumber(std::string_view word) {
    const std::string text(word);
    char* end = nullptr;
    (void)std::strtod(text.c_str(), &end);
    return end != text.c_str() && *end == '\0';
}

// Whether a line before the heading row, written without a dash, is read as a property or as
// the heading row: "pH 7" sets the pH of every solution, "pH<tab>Ca<tab>Na" is a heading.
bool ReadAsProperty(const InputStatement& statement) {
    const std::string option(statement.option);
    const std::size_t words = statement.words.size();
    const bool number = words > 1 && KindOf(statement.Word(1)) == CellKind::Number &&
                        BeginsBareNumber(statement.Word(1));
    const std::size_t cells = SplitCells(statement.text).size();
    if (option == "temp" || option == "temperature" || option == "dens" || option == "density" ||
        option == "water") {
        return (words == 2 || words == 3) && number;
    }
    if (option == "ph" || option == "pe") {
        return words >= 2 && words <= 4 && number;
    }
    if (option == "units" || option == "unit" || option == "redox") {
        return words == 2;
    }
    if (option == "isotope") {
        return cells <= 4;
    }
    if (option == "isotope_uncertainty" || option == "uncertainty" || option == "uncertainties") {
        return cells <= 3;
    }
    return true;
}

bool IsElement(const KnownNames& names, std::string_view name) {
    return names.Find(NameKind::Element, name) != nullptr ||
           names.Find(NameKind::ValenceState, name) != nullptr ||
           names.Find(NameKind::ExchangeMaster, name) != nullptr ||
           names.Find(NameKind::SurfaceMaster, name) != nullptr;
}

class SpreadChecker {
  public:
    SpreadChecker(LintContext& context, const InputBlock& block, std::optional<KnownNames> names)
        : m_context(context), m_block(block), m_names(names) {}

    void Check() {
        const InputModel& model = m_context.Model();
        std::size_t index = m_block.keyword + 1;
        for (; index < m_block.end; ++index) {
            const InputStatement& statement = model.statements[index];
            if (statement.kind == StatementKind::Data ||
                (statement.kind == StatementKind::Option && statement.dashless &&
                 !ReadAsProperty(statement))) {
                break;
            }
        }
        if (index == m_block.end || m_context.Silenced(index)) {
            return;
        }
        const InputStatement& heading = model.statements[index];
        if (heading.words.size() > 1 && heading.text.find('\t') == std::string_view::npos) {
            m_context.Report(heading, heading.words.front().begin, heading.words.back().end,
                             Severity::Warning, "spread-without-tabs",
                             "SOLUTION_SPREAD separates columns with tabs; PHREEQC reads this "
                             "heading row, which has none, as one heading.");
            return;
        }
        ReadHeading(heading);
        bool first = true;
        for (++index; index < m_block.end; ++index) {
            const InputStatement& row = model.statements[index];
            if (m_context.Silenced(index)) {
                return;
            }
            if (row.kind == StatementKind::Data) {
                CheckRow(row, first);
                first = false;
            }
        }
        CheckHeadings(heading);
    }

  private:
    void ReadHeading(const InputStatement& heading) {
        m_cells = SplitCells(heading.text);
        for (const Cell& cell : m_cells) {
            m_headings.push_back(
                HeadingName(heading.text.substr(cell.begin, cell.end - cell.begin)));
            m_columns.push_back(ColumnOf(m_headings.back()));
        }
        m_used.assign(m_cells.size(), false);
    }

    // The first row without a number is the units of each column; any other row is a solution.
    void CheckRow(const InputStatement& row, bool first) {
        const std::vector<Cell> cells = SplitCells(row.text);
        if (first && std::none_of(cells.begin(), cells.end(), [&](const Cell& cell) {
                return KindOf(Text(row, cell)) == CellKind::Number;
            })) {
            return;
        }
        for (std::size_t column = 0; column < cells.size() && column < m_columns.size(); ++column) {
            const std::string_view text = Text(row, cells[column]);
            const CellKind kind = KindOf(text);
            if (kind != CellKind::Empty) {
                m_used[column] = true;
            }
            if (kind != CellKind::Word) {
                continue;
            }
            const Column what = m_columns[column];
            if (what == Column::Number) {
                Report(row, cells[column], "a solution number or range", column);
            } else if (what == Column::Element || what == Column::Value ||
                       what == Column::Isotope || what == Column::Water) {
                Report(row, cells[column], "a number", column);
            }
        }
    }

    void Report(const InputStatement& row, const Cell& cell, std::string_view what,
                std::size_t column) {
        m_context.Report(row, cell.begin, cell.end, Severity::Error, "expected-number",
                         "SOLUTION_SPREAD expects " + std::string(what) + " under " +
                             m_headings[column] + ", not " + std::string(Text(row, cell)) + ".");
    }

    // Headings are judged when a row holds a value under them: PHREEQC reads them only then.
    void CheckHeadings(const InputStatement& heading) {
        if (!m_names) {
            return;
        }
        for (std::size_t column = 0; column < m_columns.size(); ++column) {
            const std::string& name = m_headings[column];
            if (m_columns[column] != Column::Element || !m_used[column] || name.front() == '[' ||
                IsElement(*m_names, name)) {
                continue;
            }
            std::string message = name + " is not an element of the database or of the input";
            const std::optional<std::string> element = m_names->Suggest(NameKind::Element, name);
            message += element ? "; did you mean " + *element + "?" : ".";
            m_context.Report(heading, m_cells[column].begin, m_cells[column].end, Severity::Warning,
                             "unknown-element", std::move(message));
        }
    }

    static std::string_view Text(const InputStatement& row, const Cell& cell) {
        return row.text.substr(cell.begin, cell.end - cell.begin);
    }

    LintContext& m_context;
    const InputBlock& m_block;
    std::optional<KnownNames> m_names;
    std::vector<Cell> m_cells;
    std::vector<std::string> m_headings;
    std::vector<Column> m_columns;
    std::vector<bool> m_used;
};

} // namespace

void CheckSpreads(LintContext& context) {
    const NameTable* database = context.Database();
    const bool judged = database != nullptr && !database->Empty();
    for (const InputBlock& block : context.Model().blocks) {
        if (block.name == "solution_spread") {
            SpreadChecker(context, block,
                          judged ? std::optional(context.NamesThrough(block.simulation))
                                 : std::nullopt)
                .Check();
        }
    }
}

} // namespace vxcheck
