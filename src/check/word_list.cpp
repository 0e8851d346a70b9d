// Cvx_WordList: words in insertion order, with the index and the views built on first need and
// kept until the next change of the words.
#include <vxcheck/word_list.h>

#include <utility>

void Cvx_WordList::AddWord(CString word) {
    words.push_back(std::move(word));
    indexBuilt = sortedBuilt = listedBuilt = false;
}

void Cvx_WordList::AddWords(std::vector<CString> list) {
    words.insert(words.end(), std::make_move_iterator(list.begin()),
                 std::make_move_iterator(list.end()));
    indexBuilt = sortedBuilt = listedBuilt = false;
}

// The listed view depends only on the words and flags, so companions leave it alone.
void Cvx_WordList::AddCompanions(std::vector<CString> list) {
    companions.insert(companions.end(), std::make_move_iterator(list.begin()),
                      std::make_move_iterator(list.end()));
    indexBuilt = sortedBuilt = false;
}

void Cvx_WordList::AddFlag(unsigned char value) {
    flags.push_back(value);
}

void Cvx_WordList::SetFlag(unsigned char value, int position) {
    if (position >= 0 && static_cast<std::size_t>(position) < flags.size()) {
        flags[static_cast<std::size_t>(position)] = value;
    }
}

std::vector<CString> Cvx_WordList::GetWords() {
    return words;
}

std::vector<CString> Cvx_WordList::GetSortedWords() {
    BuildSorted();
    return sortedWords;
}

std::vector<CString> Cvx_WordList::GetSortedCompanions() {
    BuildSorted();
    return sortedCompanions;
}

std::vector<CString> Cvx_WordList::GetListedWords() {
    if (listedBuilt) {
        return listedWords;
    }
    if (!sortedBuilt) {
        BuildSorted();
    }
    if (flags.empty()) {
        return words;
    }
    index.Walk(words, &flags);
    index.TakeWalkResult(listedWords);
    listedBuilt = true;
    return listedWords;
}

namespace {

// A position outside the list reads as the empty word rather than outside the list
// (docs/decisions.md).
CString EntryAt(const std::vector<CString>& list, int position) {
    return position >= 0 && static_cast<std::size_t>(position) < list.size()
               ? list[static_cast<std::size_t>(position)]
               : CString();
}

} // namespace

CString Cvx_WordList::WordAt(int position) {
    return EntryAt(words, position);
}

CString Cvx_WordList::SortedWordAt(int position) {
    return EntryAt(sortedWords, position);
}

int Cvx_WordList::WordCount() {
    return static_cast<int>(words.size());
}

int Cvx_WordList::SortedWordCount() {
    return static_cast<int>(sortedWords.size());
}

int Cvx_WordList::SortedCompanionCount() {
    return static_cast<int>(sortedCompanions.size());
}

// The index is never emptied: a word already indexed keeps its first position, and a later word
// of the same folded spelling (or the empty word, which looks up as 0) is not inserted. Offering
// a word again could change nothing (it is indexed, or the index refuses it), so only the words
// added since the last build are offered: a list that grows by many additions, as the database
// lists do over repeated reads, costs time for its new words only.
void Cvx_WordList::BuildIndex() {
    if (indexBuilt) {
        return;
    }
    for (int i = offeredCount; i < WordCount(); ++i) {
        if (index.Lookup(words[static_cast<std::size_t>(i)]) != 0) {
            index.Insert(words[static_cast<std::size_t>(i)], i);
        }
    }
    offeredCount = WordCount();
    indexBuilt = true;
}

void Cvx_WordList::BuildSorted() {
    if (sortedBuilt) {
        return;
    }
    if (!indexBuilt) {
        BuildIndex();
    }
    index.Walk(words, nullptr);
    index.TakeWalkResult(sortedWords);
    if (!companions.empty()) {
        index.Walk(companions, nullptr);
        index.TakeWalkResult(sortedCompanions);
    }
    sortedBuilt = true;
}

int Cvx_WordList::FindWord(CString word) {
    if (!indexBuilt) {
        BuildIndex();
    }
    if (word.IsEmpty()) {
        return -1;
    }
    return index.Lookup(word) == 0 ? index.LastPosition() : -1;
}

// An empty text is the beginning of every indexed word (docs/decisions.md).
int Cvx_WordList::FindPrefix(CString text) {
    if (!indexBuilt) {
        BuildIndex();
    }
    const int result = text.IsEmpty() ? index.IndexedWordCount() : index.Lookup(text);
    return result < 0 ? -1 : result;
}
