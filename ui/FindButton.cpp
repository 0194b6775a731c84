#include "ui/FindButton.h"

#include <algorithm>

#include "model/ButtonDef.h"
#include "model/Category.h"
#include "model/Model.h"

namespace {

char Fold(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Folded(const std::string& s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), Fold);
    return out;
}

// Letters, digits and every byte of a multi-byte UTF-8 character.
bool WordChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u >= 0x80;
}

bool Blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

std::vector<std::string> FindWords(const std::string& query) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < query.size()) {
        while (i < query.size() && Blank(query[i]))
            ++i;
        std::size_t end = i;
        while (end < query.size() && !Blank(query[end]))
            ++end;
        if (end > i)
            words.push_back(Folded(query.substr(i, end - i)));
        i = end;
    }
    return words;
}

int MatchClass(const std::string& field, const std::string& word) {
    if (word.empty())
        return -1;
    int best = -1;
    for (std::size_t pos = field.find(word); pos != std::string::npos;
         pos = field.find(word, pos + 1)) {
        const bool starts = pos == 0 || !WordChar(field[pos - 1]) || !WordChar(word.front());
        const std::size_t after = pos + word.size();
        const bool ends =
            after == field.size() || !WordChar(field[after]) || !WordChar(word.back());
        const int cls = starts ? (ends ? 0 : 1) : 2;
        if (best < 0 || cls < best)
            best = cls;
        if (best == 0)
            break;
    }
    return best;
}

void CButtonIndex::Build(const CModel& model) {
    entries_.clear();
    for (int c = 0; c < kMaxCategories; ++c) {
        const CCategory* category = model.Category(c);
        if (category == nullptr)
            continue;
        for (int s = 0; s < kSlotsPerCategory; ++s) {
            const CButtonDef* button = category->Slot(s);
            if (button == nullptr)
                continue;
            entries_.push_back(
                {c, s, {Folded(button->Name()), Folded(button->Text()), Folded(button->Target())}});
        }
    }
}

std::vector<FoundButton> CButtonIndex::Find(const std::string& query, std::size_t limit) const {
    std::vector<FoundButton> found;
    const std::vector<std::string> words = FindWords(query);
    if (words.empty())
        return found;
    for (const Entry& entry : entries_) {
        FoundButton match{entry.category, entry.slot, 0, 0};
        bool all = true;
        for (const std::string& word : words) {
            int bestScore = -1;
            int bestClass = -1;
            for (int field = 0; field < 3 && bestScore != 0; ++field) {
                const int cls = MatchClass(entry.fields[field], word);
                if (cls < 0)
                    continue;
                const int score = cls * 3 + field;
                if (bestScore < 0 || score < bestScore) {
                    bestScore = score;
                    bestClass = cls;
                }
            }
            if (bestScore < 0) {
                all = false;
                break;
            }
            match.worstClass = std::max(match.worstClass, bestClass);
            match.score += bestScore;
        }
        if (all)
            found.push_back(match);
    }
    // Entries are already in category and slot order; a stable sort keeps it
    // for equal ranks.
    std::stable_sort(found.begin(), found.end(), [](const FoundButton& a, const FoundButton& b) {
        if (a.worstClass != b.worstClass)
            return a.worstClass < b.worstClass;
        return a.score < b.score;
    });
    if (limit > 0 && found.size() > limit)
        found.resize(limit);
    return found;
}
