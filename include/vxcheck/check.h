// Cvx_Check: the checker. It holds PHREEQC's keywords, identifiers and BASIC words, reads a
// thermodynamic database, answers species queries and fills a keyword tree.
#pragma once

#include <vxcheck/db_reader.h>
#include <vxcheck/export.h>
#include <vxcheck/identifier_definitions.h>
#include <vxcheck/identifiers.h>
#include <vxcheck/platform/cstring.h>
#include <vxcheck/word_list.h>

#include <vector>

class Cvx_KwTree;

class VXCHECK_API Cvx_Check {
  public:
    // The fixed vocabulary: keywords, keyword index, identifiers and BASIC words, built once per
    // process and copied from there.
    Cvx_Check();
    // Copies every member as it stands, nothing recomputed. Index nodes are shared until either
    // checker changes them, so the copy behaves in every way as one that shares nothing.
    Cvx_Check(const Cvx_Check& other);
    Cvx_Check& operator=(const Cvx_Check& other);
    ~Cvx_Check();

    // The 65 keywords in sorted order, lower case as stored.
    std::vector<CString> GetKeywords();
    // The keyword's position (0 to 64), compared whole without regard to case, or -1.
    int CheckKeyword(CString keyword);
    // The 162 BASIC words in sorted order.
    std::vector<CString> GetBasic();

    // Every identifier and plain item of every keyword, sorted, each once (225 entries).
    std::vector<CString> GetIdentifier();
    // The listed identifiers of a keyword; empty when it is no keyword or has no identifiers.
    std::vector<CString> GetIdentifier(CString keyword);
    // Always leaves text empty; 0 when limit is negative, else 1.
    int CheckFileNames(CString name, int limit, CString& text);

    // Reads a database file and adds its names to the lists; silent when it cannot be read.
    void ReadDatabase(CString path);

    // Copies of the lists that the last ReadDatabase left; empty before any read.
    std::vector<CString> GetMasterSpeciesComp();
    std::vector<CString> GetMasterSpecies();
    std::vector<CString> GetAqueousSpecies();
    std::vector<CString> GetPhases();
    std::vector<CString> GetMinerals();
    std::vector<CString> GetGases();

    // Searches by element: the names whose formula holds element, in sorted order; or, in the
    // list form, the names that match words in mode "con", "or", "and" or "inc" (empty for any
    // other mode word).
    std::vector<CString> FindAqueousSpecies(CString element);
    std::vector<CString> FindAqueousSpecies(std::vector<CString> words, CString mode);
    std::vector<CString> FindPhases(CString element);
    std::vector<CString> FindPhases(std::vector<CString> words, CString mode);
    std::vector<CString> FindGases(CString element);
    std::vector<CString> FindGases(std::vector<CString> words, CString mode);
    std::vector<CString> FindMinerals(CString element);
    std::vector<CString> FindMinerals(std::vector<CString> words, CString mode);
    std::vector<CString> FindExchangeSpecies(CString element);
    std::vector<CString> FindExchangeSpecies(std::vector<CString> words, CString mode);
    std::vector<CString> FindSurfaceSpecies(CString element);
    std::vector<CString> FindSurfaceSpecies(std::vector<CString> words, CString mode);

    // Clears tree and fills it with the seven keyword groups, their keywords and identifiers.
    void BuildKeywordTree(Cvx_KwTree* tree);

  private:
    friend class Cvx_KwIdentifiers; // block readers tell keywords apart with the keyword list

    void GetListOfPhreeqcKeywords();
    void CreateKeywordIndex();
    void GetListOfPhreeqcBasic();
    // The definition with number 1 to 27, or null for any other number.
    Cvx_KwIdentifiers* DefinitionByNumber(int number);

    Cvx_WordList keywordList;
    std::vector<int> keywordIndex;
    Cvx_WordList identifierList;
    Cvx_WordList basicList;
    Cvx_DbReader dbReader;

    Cvx_WordList masterSpeciesWords;
    Cvx_WordList aqueousSpeciesWords;
    Cvx_WordList phaseWords; // phase formulas as companions
    Cvx_WordList exchangeMasterSpeciesWords;
    Cvx_WordList exchangeSpeciesWords;
    Cvx_WordList surfaceMasterSpeciesWords;
    Cvx_WordList surfaceSpeciesWords;
    Cvx_WordList combinedMasterSpeciesWords;

    std::vector<CString> masterSpeciesCompList;
    std::vector<CString> masterSpeciesList;
    std::vector<CString> aqueousSpeciesList;
    std::vector<CString> phaseList;
    std::vector<CString> mineralList;
    std::vector<CString> gasList;
    std::vector<CString> exchangeMasterSpeciesList;
    std::vector<CString> exchangeSpeciesList;
    std::vector<CString> surfaceMasterSpeciesList;
    std::vector<CString> surfaceSpeciesList;

    Cvx_KwSolutionMasterSpecies solutionMasterSpecies; // 1
    Cvx_KwSolutionSpecies solutionSpecies;             // 2
    Cvx_KwSolution solution;                           // 3
    Cvx_KwPhases phases;                               // 4
    Cvx_KwSolutionSpread solutionSpread;               // 5
    Cvx_KwEquilibriumPhases equilibriumPhases;         // 6
    Cvx_KwExchange exchange;                           // 7
    Cvx_KwGasPhase gasPhase;                           // 8
    Cvx_KwKinetics kinetics;                           // 9
    Cvx_KwSolidSolutions solidSolutions;               // 10
    Cvx_KwSurface surface;                             // 11
    Cvx_KwPrint print;                                 // 12
    Cvx_KwSelectedOutput selectedOutput;               // 13
    Cvx_KwUserPrint userPrint;                         // 14
    Cvx_KwUserPunch userPunch;                         // 15
    Cvx_KwExchangeMasterSpecies exchangeMasterSpecies; // 26
    Cvx_KwExchangeSpecies exchangeSpecies;             // 16
    Cvx_KwPitzer pitzer;                               // 17
    Cvx_KwRates rates;                                 // 18
    Cvx_KwSurfaceMasterSpecies surfaceMasterSpecies;   // 27
    Cvx_KwSurfaceSpecies surfaceSpecies;               // 19
    Cvx_KwCalculateValues calculateValues;             // 20
    Cvx_KwIsotopes isotopes;                           // 21
    Cvx_KwKnobs knobs;                                 // 22
    Cvx_KwLlnlAqueousModelParameters llnlAqueousModel; // 23
    Cvx_KwDatablock datablock;                         // 24
    Cvx_KwReactiveTransport reactiveTransport;         // 25
};
