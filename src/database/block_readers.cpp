// The three block readers of a database: master-species blocks, species blocks (solution,
// exchange and surface) and PHASES blocks. Each runs on the identifier definition of the
// block's keyword and stops at the next keyword or at the end of the file.
#include <vxcheck/check.h>
#include <vxcheck/db_reader.h>
#include <vxcheck/identifiers.h>

namespace {

// The result of a block that the end of the file ended.
constexpr int kEndedByFile = -2;

// The text before the first blank or "=" of a statement, leading white space removed; empty when
// the text holds neither (docs/decisions.md, "Phase formula without blank or =").
CString PhaseFormula(CString text) {
    text.TrimLeft();
    return text.Left(text.FindOneOf(" ="));
}

// The species that a reaction defines: the first word right of "=", or of the whole text when
// there is no "=". It may be empty.
CString DefinedSpecies(const CString& reaction) {
    const int equals = reaction.Find('=');
    CString right = equals >= 0 ? reaction.Right(reaction.GetLength() - equals - 1) : reaction;
    right.TrimLeft();
    const int blank = right.Find(' ');
    return blank >= 0 ? right.Left(blank) : right;
}

// A statement is an identifier statement when its first word begins with "-", listed or not, or
// when "-" followed by the word is one of the definition's identifiers ("log_k" without dash).
bool MarksIdentifierStatement(Cvx_WordList& identifiers, const CString& word) {
    return (!word.IsEmpty() && word[0] == '-') || identifiers.FindWord(CString("-") + word) >= 0;
}

// Reads the statements of a block up to the next keyword, whose position it returns, or to the
// end of the file. When identifiers is given, identifier statements are passed over; readData
// gets the first word of every other statement, with the rest of the statement still unread.
template <typename ReadData>
int ReadStatements(Cvx_DbReader& reader, Cvx_WordList& keywords, Cvx_WordList* identifiers,
                   ReadData readData) {
    CString word = reader.ReadWord();
    // The word that meets the end of the file is never examined.
    while (!reader.AtEnd()) {
        const int keyword = keywords.FindWord(word);
        if (keyword >= 0) {
            return keyword;
        }
        if (identifiers != nullptr && MarksIdentifierStatement(*identifiers, word)) {
            reader.SkipStatement();
        } else {
            readData(word);
        }
        word = reader.ReadWord();
    }
    return kEndedByFile;
}

} // namespace

// Every statement of a master-species block is data: its first word names a master species.
// Whatever ended that word is gone, so when the word stands alone on its line the statement that
// SkipStatement passes over is the next one.
int Cvx_KwIdentifiers::ReadMasterSpeciesBlock(Cvx_DbReader& reader, Cvx_Check& checker,
                                              std::vector<CString>& result) {
    return ReadStatements(reader, checker.keywordList, nullptr, [&](const CString& word) {
        result.push_back(word);
        reader.SkipStatement();
    });
}

int Cvx_KwIdentifiers::ReadSpeciesBlock(Cvx_DbReader& reader, Cvx_Check& checker,
                                        std::vector<CString>& result) {
    EnsureFilled();
    return ReadStatements(reader, checker.keywordList, &identifierList, [&](const CString&) {
        result.push_back(DefinedSpecies(reader.ReadStatement()));
    });
}

// A phase is a name statement and a reaction statement; the statement after the reaction (its
// log K, in the usual layout) is passed over unread, whatever it holds, so every name gets
// exactly one formula.
int Cvx_KwIdentifiers::ReadPhasesBlock(Cvx_DbReader& reader, Cvx_Check& checker,
                                       std::vector<CString>& names,
                                       std::vector<CString>& formulas) {
    EnsureFilled();
    return ReadStatements(reader, checker.keywordList, &identifierList, [&](const CString& word) {
        names.push_back(word);
        CString reaction = reader.ReadStatement();
        if (reaction.Find('=') < 0) {
            reaction = reader.ReadStatement();
        }
        formulas.push_back(PhaseFormula(reaction));
        reader.SkipStatement();
    });
}
