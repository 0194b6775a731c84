#include "platform/KeyCombination.h"

#include <array>
#include <utility>

namespace {

struct NamedKey {
    const char* name; // Qt's portable name
    std::uint32_t keysym;
    const char* xkbName;
};

constexpr std::array kNamedKeys{
    NamedKey{"Space", 0x20, "space"},     NamedKey{"Esc", 0xff1b, "Escape"},
    NamedKey{"Tab", 0xff09, "Tab"},       NamedKey{"Backspace", 0xff08, "BackSpace"},
    NamedKey{"Return", 0xff0d, "Return"}, NamedKey{"Enter", 0xff8d, "KP_Enter"},
    NamedKey{"Ins", 0xff63, "Insert"},    NamedKey{"Del", 0xffff, "Delete"},
    NamedKey{"Pause", 0xff13, "Pause"},   NamedKey{"Print", 0xff61, "Print"},
    NamedKey{"Home", 0xff50, "Home"},     NamedKey{"End", 0xff57, "End"},
    NamedKey{"Left", 0xff51, "Left"},     NamedKey{"Up", 0xff52, "Up"},
    NamedKey{"Right", 0xff53, "Right"},   NamedKey{"Down", 0xff54, "Down"},
    NamedKey{"PgUp", 0xff55, "Prior"},    NamedKey{"PgDown", 0xff56, "Next"},
    NamedKey{"Menu", 0xff67, "Menu"},
};

// The keysym names of the printable ASCII characters that are neither
// letters nor digits, in code order from '!' to '~'.
constexpr std::array<std::pair<char, const char*>, 32> kPunctuation{{
    {'!', "exclam"},       {'"', "quotedbl"},    {'#', "numbersign"},  {'$', "dollar"},
    {'%', "percent"},      {'&', "ampersand"},   {'\'', "apostrophe"}, {'(', "parenleft"},
    {')', "parenright"},   {'*', "asterisk"},    {'+', "plus"},        {',', "comma"},
    {'-', "minus"},        {'.', "period"},      {'/', "slash"},       {':', "colon"},
    {';', "semicolon"},    {'<', "less"},        {'=', "equal"},       {'>', "greater"},
    {'?', "question"},     {'@', "at"},          {'[', "bracketleft"}, {'\\', "backslash"},
    {']', "bracketright"}, {'^', "asciicircum"}, {'_', "underscore"},  {'`', "grave"},
    {'{', "braceleft"},    {'|', "bar"},         {'}', "braceright"},  {'~', "asciitilde"},
}};

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

// 1..35 for "F1".."F35", else 0.
int FunctionKeyNumber(std::string_view key) {
    if (key.size() < 2 || key.size() > 3 || (key[0] != 'F' && key[0] != 'f'))
        return 0;
    int n = 0;
    for (char c : key.substr(1)) {
        if (c < '0' || c > '9')
            return 0;
        n = n * 10 + (c - '0');
    }
    return key[1] != '0' && n >= 1 && n <= 35 ? n : 0;
}

const char* PunctuationName(char c) {
    for (const auto& [ch, name] : kPunctuation)
        if (ch == c)
            return name;
    return nullptr;
}

// The key's canonical portable name, or "" when it is no key we know.
std::string CanonicalKey(std::string_view key) {
    if (key.size() == 1) {
        const char c = key[0];
        if (c >= 'a' && c <= 'z')
            return std::string(1, static_cast<char>(c - 'a' + 'A'));
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || PunctuationName(c))
            return std::string(key);
        return "";
    }
    if (const int n = FunctionKeyNumber(key))
        return "F" + std::to_string(n);
    for (const NamedKey& named : kNamedKeys)
        if (SameText(key, named.name))
            return named.name;
    return "";
}

const NamedKey* FindNamed(const std::string& key) {
    for (const NamedKey& named : kNamedKeys)
        if (key == named.name)
            return &named;
    return nullptr;
}

} // namespace

std::optional<KeyCombination> ParseKeyCombination(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    KeyCombination combination;
    // Modifiers end at a '+'; what follows the last one is the key, which may
    // itself be '+' ("Ctrl++").
    for (;;) {
        const std::size_t plus = text.find('+');
        if (plus == std::string_view::npos || plus == 0)
            break;
        const std::string_view word = text.substr(0, plus);
        bool* flag = SameText(word, "Ctrl") || SameText(word, "Control") ? &combination.ctrl
                     : SameText(word, "Alt")                             ? &combination.alt
                     : SameText(word, "Shift")                           ? &combination.shift
                     : SameText(word, "Meta") || SameText(word, "Super") ? &combination.meta
                                                                         : nullptr;
        if (flag == nullptr || *flag)
            return std::nullopt;
        *flag = true;
        text.remove_prefix(plus + 1);
    }
    combination.key = CanonicalKey(text);
    if (combination.key.empty())
        return std::nullopt;
    return combination;
}

std::string KeyCombinationText(const KeyCombination& combination) {
    std::string text;
    if (combination.ctrl)
        text += "Ctrl+";
    if (combination.alt)
        text += "Alt+";
    if (combination.shift)
        text += "Shift+";
    if (combination.meta)
        text += "Meta+";
    return text + combination.key;
}

std::string GlobalCombinationProblem(const KeyCombination& combination) {
    if (combination.ctrl || combination.alt || combination.meta ||
        FunctionKeyNumber(combination.key) != 0)
        return "";
    return "Add Ctrl, Alt or Super to " + KeyCombinationText(combination) +
           ": alone it would stop working in every other program.";
}

std::uint32_t KeyX11Keysym(const std::string& key) {
    if (key.size() == 1) {
        const char c = Lower(key[0]);
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || PunctuationName(c)
                   ? static_cast<std::uint32_t>(static_cast<unsigned char>(c))
                   : 0;
    }
    if (const int n = FunctionKeyNumber(key))
        return 0xffbe + static_cast<std::uint32_t>(n - 1);
    if (const NamedKey* named = FindNamed(key))
        return named->keysym;
    return 0;
}

std::string KeyPortalTrigger(const KeyCombination& combination) {
    std::string trigger;
    if (combination.ctrl)
        trigger += "CTRL+";
    if (combination.alt)
        trigger += "ALT+";
    if (combination.shift)
        trigger += "SHIFT+";
    if (combination.meta)
        trigger += "LOGO+";
    const std::string& key = combination.key;
    if (key.size() == 1) {
        const char* punctuation = PunctuationName(key[0]);
        return trigger + (punctuation ? std::string(punctuation) : std::string(1, Lower(key[0])));
    }
    if (const NamedKey* named = FindNamed(key))
        return trigger + named->xkbName;
    return trigger + key;
}
