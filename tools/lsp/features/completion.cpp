// textDocument/completion. The library tells what may stand at the point (PositionAt, and
// BasicPositionAt in BASIC text); this file turns each expected kind into items: the vocabulary,
// the document's database, and what the input itself defines before the point.
#include "lsp/features/completion_items.h"
#include "lsp/features/features.h"
#include "lsp/features/snippets.h"

#include <vxcheck/input/basic_position.h>
#include <vxcheck/input/definitions.h>
#include <vxcheck/input/position.h>

namespace vxcheck::lsp {
namespace {

class Completer {
  public:
    Completer(const FeatureContext& context, TextPoint point, bool snippets)
        : m_context(context), m_model(context.outline.Model()),
          m_offset(context.document.OffsetOf(point)), m_point(point), m_snippets(snippets),
          m_position(PositionAt(m_model, context.document.Text(), m_offset)),
          m_items(context, point, m_position.begin),
          m_names(context.database != nullptr ? &context.database->table : nullptr, context.outline,
                  m_offset) {}

    CompletionList Run() {
        for (Expected expected : m_position.expected) {
            Offer(expected);
        }
        return m_items.Take();
    }

  private:
    void Offer(Expected expected) {
        switch (expected) {
        case Expected::Keyword:
            m_items.AddKeywords();
            if (m_snippets && m_position.word == 0) {
                for (const BlockSnippet& snippet : BlockSnippets()) {
                    m_items.AddSnippet(snippet);
                }
            }
            break;
        case Expected::Option:
        case Expected::DashlessOption:
            if (const BlockInfo* block = m_context.vocabulary.FindBlock(m_position.blockName)) {
                m_items.AddOptions(*block, expected == Expected::Option);
            }
            break;
        case Expected::Literal:
            m_items.AddWords(m_position.literals, CompletionItemKind::Keyword, {});
            break;
        case Expected::EntityKind:
            m_items.AddWords(EntityKinds(), CompletionItemKind::Keyword, "reactant");
            break;
        case Expected::EntityNumber:
            for (const std::string& number :
                 NumbersDefinedBefore(m_model, m_position.entity, m_offset)) {
                m_items.Add(number, CompletionItemKind::Value,
                            Upper(m_position.entity) + " " + number);
            }
            break;
        case Expected::Units:
            m_items.AddWords(ConcentrationUnits(), CompletionItemKind::Unit, "units");
            break;
        case Expected::ConcentrationTail:
            m_items.AddWords(ConcentrationWords(), CompletionItemKind::Keyword, {});
            break;
        case Expected::Charge:
            m_items.Add("charge", CompletionItemKind::Keyword, "adjust to charge balance");
            break;
        case Expected::CalculatedValue:
            for (const std::string& name : CalculatedValuesBefore(m_model, m_offset)) {
                m_items.Add(name, CompletionItemKind::Variable, "CALCULATE_VALUES");
            }
            break;
        case Expected::FileName:
            m_items.AddFiles(m_offset);
            break;
        case Expected::Basic:
            OfferBasic();
            break;
        default:
            m_items.AddNames(m_names, expected);
            break;
        }
    }

    void OfferBasic() {
        BasicPosition basic;
        const InputStatement* statement = nullptr;
        if (m_position.statement != InputPosition::kNone) {
            statement = &m_model.statements[m_position.statement];
            basic = BasicPositionAt(statement->text, m_position.column);
        }
        if (statement != nullptr) {
            m_items.MoveStart(statement->OffsetOf(basic.begin));
        }
        switch (basic.slot) {
        case BasicSlot::Statement:
            m_items.AddBasicWords(BasicRole::Statement);
            AddVariables();
            if (basic.jumpAlso) {
                AddLineNumbers();
            }
            break;
        case BasicSlot::Expression:
            m_items.AddBasicWords(BasicRole::Function);
            m_items.AddBasicWords(BasicRole::Operator);
            m_items.AddBasicWords(BasicRole::Clause);
            AddVariables();
            break;
        case BasicSlot::JumpTarget:
            AddLineNumbers();
            break;
        case BasicSlot::String:
            if (basic.inCall) {
                OfferArgument(basic.call);
            }
            break;
        default:
            break;
        }
    }

    void OfferArgument(const BasicCall& call) {
        const BasicWordInfo* word = FindBasicWord(call.function);
        if (word == nullptr || call.argument >= word->arguments.size()) {
            return;
        }
        const BasicArgument& argument = word->arguments[call.argument];
        m_items.AddWords(argument.specials, CompletionItemKind::Keyword, word->signature);
        m_items.AddBasicNames(m_names, argument.names);
    }

    void AddVariables() {
        for (const std::string& variable : Program().variables) {
            m_items.Add(variable, CompletionItemKind::Variable, "variable");
        }
    }

    void AddLineNumbers() {
        for (long number : Program().lineNumbers) {
            m_items.Add(std::to_string(number), CompletionItemKind::Value, "line");
        }
    }

    const ProgramNames& Program() {
        if (!m_program) {
            m_program = ProgramNamesOf(m_model, m_position.block);
        }
        return *m_program;
    }

    const FeatureContext& m_context;
    const InputModel& m_model;
    std::size_t m_offset;
    TextPoint m_point;
    bool m_snippets;
    InputPosition m_position;
    CompletionItems m_items;
    NameSources m_names;
    std::optional<ProgramNames> m_program;
};

} // namespace

CompletionList Completion(const FeatureContext& context, TextPoint point, bool snippets) {
    return Completer(context, point, snippets).Run();
}

} // namespace vxcheck::lsp
