#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CModel;

// Find Button: every button of every category, searched by name, text and
// target as the user types. Matching ignores ASCII case; the typed words may
// come in any order and each must occur in one of the three fields.

// One found button and how well it matched (lower is better).
struct FoundButton {
    int category = -1;
    int slot = -1;
    int worstClass = 0; // the weakest word's class: 0 whole word, 1 prefix, 2 inner
    int score = 0;      // sum over the words of class * 3 + field (0 name, 1 text, 2 target)
};

// The buttons of a configuration with their fields folded once, so that each
// keystroke only scans prepared text. Build it again after the buttons change.
class CButtonIndex {
  public:
    void Build(const CModel& model);
    std::size_t Size() const { return entries_.size(); }

    // The buttons matching `query`, best first: whole-word and prefix matches
    // before inner ones, then name before text before target, ties in
    // category and slot order. An empty query (only blanks) finds nothing.
    // `limit` > 0 keeps only that many.
    std::vector<FoundButton> Find(const std::string& query, std::size_t limit = 0) const;

  private:
    struct Entry {
        int category;
        int slot;
        std::string fields[3]; // name, text, target; ASCII folded to lower case
    };
    std::vector<Entry> entries_;
};

// Splits a query into words at blanks, folded to lower case.
std::vector<std::string> FindWords(const std::string& query);
// How `word` (folded) occurs in `field` (folded): 0 as a whole word, 1 at the
// start of a word, 2 inside a word, -1 not at all. A word starts after any
// character that is not an ASCII letter or digit (so "/usr/bin/gimp",
// "https://example.org" and "My Computer" split into words); bytes of
// non-ASCII letters count as letters.
int MatchClass(const std::string& field, const std::string& word);
