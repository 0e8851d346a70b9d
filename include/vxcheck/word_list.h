// Cvx_WordList: the container of every vocabulary list, with its case-insensitive prefix index
// (Cvx_WordIndex) and its cached sorted, companion and listed views.
#pragma once

#include <vxcheck/export.h>
#include <vxcheck/platform/cstring.h>

#include <vector>

// One node of the prefix index. Slot s of children leads to the next character whose folded
// code is 0x20 + s.
struct VXCHECK_API Cvx_WordIndexNode {
    static constexpr int kSlots = 65;       // folded codes 0x20 (blank) to 0x60 (grave accent)
    static constexpr int kFirstCode = 0x20; // folded code of slot 0

    char character = 0;         // the character, as spelled, of the word that created the node
    unsigned char terminal = 0; // 1 when an indexed word ends here
    int count = 0;              // indexed words that pass through or end here
    Cvx_WordIndexNode* children[kSlots] = {}; // owned
    int position = -1;                        // position in words of the word that ends here, or -1
};

// The prefix index over a word list: a tree of nodes with 65 direct child slots each. Its nodes
// live in blocks that it frees at once; a copy shares them until either inserts a word, so every
// copy behaves as one with nodes of its own.
class VXCHECK_API Cvx_WordIndex {
  public:
    Cvx_WordIndex();
    Cvx_WordIndex(const Cvx_WordIndex& other);
    Cvx_WordIndex& operator=(const Cvx_WordIndex& other);
    ~Cvx_WordIndex();

    // Lookup of a text: -1 when no indexed word begins with it; 0 when it is an indexed word
    // (its position is then in lastPosition); else the number of indexed words beginning with it.
    int Lookup(const CString& text);
    // Inserts a word at a position; a word with a character outside the slots is not inserted.
    void Insert(const CString& word, int position);
    // Appends, in index order, source[position] of every indexed word to walkResult; when flags
    // is given, only the words whose flag is exactly 1.
    void Walk(const std::vector<CString>& source, const std::vector<unsigned char>* flags);
    // Moves walkResult into target and leaves walkResult empty.
    void TakeWalkResult(std::vector<CString>& target);
    // The number of indexed words, or -1 when there is none.
    int IndexedWordCount() const;
    // The position found by the last exact match.
    int LastPosition() const { return lastPosition; }

  private:
    void Release();

    Cvx_WordIndexNode* root;
    std::vector<CString> walkResult;
    int lastPosition;
};

// Words in insertion order, with optional companions and flags, a prefix index and cached views.
class VXCHECK_API Cvx_WordList {
  public:
    Cvx_WordList() = default;

    // Appends a word; clears all three built marks.
    void AddWord(CString word);
    // Appends every entry in order; clears all three built marks.
    void AddWords(std::vector<CString> list);
    // Appends every entry in order to the companions; clears the index and sorted marks.
    void AddCompanions(std::vector<CString> list);
    // Appends a flag (1 listed, anything else recognised only). Clears no mark.
    void AddFlag(unsigned char value);
    // Stores a flag at a position below the number of flags. Clears no mark.
    void SetFlag(unsigned char value, int position);

    // The words in insertion order, duplicates and empty words included.
    std::vector<CString> GetWords();
    // The words in index order, each folded spelling once, as first added.
    std::vector<CString> GetSortedWords();
    // The companions in the order of GetSortedWords (as last built when there are none).
    std::vector<CString> GetSortedCompanions();
    // The sorted words whose flag is 1; with no flags, the words in insertion order.
    std::vector<CString> GetListedWords();

    // A copy of the word at a position below WordCount().
    CString WordAt(int position);
    // A copy of the sorted word at a position below SortedWordCount(), without rebuilding.
    CString SortedWordAt(int position);
    int WordCount();
    // Entries of the sorted view as last built.
    int SortedWordCount();
    // Entries of the sorted companions as last built.
    int SortedCompanionCount();

    // Offers every word to the index once; words already indexed keep their first position.
    void BuildIndex();
    // Rebuilds the sorted view (and the sorted companions when there are companions).
    void BuildSorted();

    // The position of the word compared after folding, or -1 (also for the empty word).
    int FindWord(CString word);
    // -1 when no word begins with text; 0 when text is a word; else how many words begin with it.
    // An empty text gives the number of indexed words, or -1 when there are none.
    int FindPrefix(CString text);

  private:
    std::vector<CString> words;
    std::vector<CString> sortedWords;
    std::vector<CString> companions;
    std::vector<CString> sortedCompanions;
    std::vector<unsigned char> flags;
    std::vector<CString> listedWords;
    Cvx_WordIndex index;
    int offeredCount = 0; // words before this position have been offered to the index
    bool indexBuilt = false;
    bool sortedBuilt = false;
    bool listedBuilt = false;
};
