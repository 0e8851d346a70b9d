// Feature tests: a document written inline with "|" where the cursor stands, the checker's
// vocabulary, and a small database of names written by hand.
#pragma once

#include "lsp/features/features.h"

#include <vxcheck/check.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace vxcheck::lsp::testing {

inline const Vocabulary& TestVocabulary() {
    static Cvx_Check checker;
    static const Vocabulary vocabulary(checker);
    return vocabulary;
}

inline const DatabaseNames& TestDatabase() {
    static const DatabaseNames database = [] {
        DatabaseNames names;
        names.path = "/data/sample.dat";
        auto set = [&](NameList list, std::vector<std::string> words) {
            names.lists[static_cast<std::size_t>(list)] = std::move(words);
        };
        set(NameList::CompositionNames, {"Total_H", "Total_O", "Charge", "C(4)", "Ca", "Na"});
        set(NameList::MasterSpecies, {"C", "C(4)", "Ca", "Na"});
        set(NameList::AqueousSpecies, {"Ca+2", "CaCO3", "CO3-2", "Na+"});
        set(NameList::Phases, {"Calcite", "CO2(g)", "Gypsum"});
        set(NameList::Gases, {"CO2(g)"});
        set(NameList::ExchangeMasterSpecies, {"X"});
        set(NameList::SurfaceMasterSpecies, {"Hfo_s", "Hfo_w"});
        names.formulas = {{"Calcite", "CaCO3"}, {"CO2(g)", "CO2"}, {"Gypsum", "CaSO4:2H2O"}};
        names.Index();
        auto add = [&](NameKind kind, std::vector<std::string> words) {
            for (std::string& word : words) {
                names.table.Add({std::move(word), kind, {names.path, 0}, {}, {}});
            }
        };
        add(NameKind::Element, {"H", "O", "C", "Ca", "Na", "S"});
        add(NameKind::ValenceState, {"C(4)"});
        add(NameKind::MasterSpecies, {"H+", "H2O", "CO3-2", "Ca+2", "Na+", "SO4-2"});
        add(NameKind::AqueousSpecies, {"H+", "H2O", "Ca+2", "CaCO3", "CO3-2", "Na+", "SO4-2"});
        add(NameKind::Phase, {"Calcite", "CO2(g)", "Gypsum"});
        add(NameKind::ExchangeMaster, {"X"});
        add(NameKind::SurfaceMaster, {"Hfo_s", "Hfo_w"});
        return names;
    }();
    return database;
}

// A document from text with one "|" marking the cursor, and what features need around it.
struct Marked {
    explicit Marked(std::string text, PositionEncoding encoding = PositionEncoding::Utf16)
        : document("file:///test.pqi", 1, Strip(text, point)),
          outline(document, TestVocabulary()), context{document, outline, TestVocabulary(),
                                                       &TestDatabase(), encoding} {}

    static std::string Strip(std::string text, TextPoint& point) {
        std::size_t at = text.find('|');
        std::string before = text.substr(0, at);
        point.line = static_cast<int>(std::count(before.begin(), before.end(), '\n'));
        point.byte = at - (before.rfind('\n') == std::string::npos ? 0 : before.rfind('\n') + 1);
        return text.erase(at, 1);
    }

    TextPoint point;
    Document document;
    Outline outline;
    FeatureContext context;
};

} // namespace vxcheck::lsp::testing
