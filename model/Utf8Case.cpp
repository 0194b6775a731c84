#include "model/Utf8Case.h"

namespace {

struct Decoded {
    char32_t c;
    size_t length;
    bool valid;
};

// One character at the start of `s` (not empty). Overlong forms, surrogates and
// values above U+10FFFF are invalid: the first byte is then taken on its own.
Decoded DecodeAt(std::string_view s) {
    const auto byte = [&s](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char b0 = byte(0);
    if (b0 < 0x80)
        return {b0, 1, true};
    size_t length = 0;
    char32_t c = 0;
    char32_t least = 0;
    if ((b0 & 0xE0) == 0xC0) {
        length = 2;
        c = b0 & 0x1F;
        least = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3;
        c = b0 & 0x0F;
        least = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4;
        c = b0 & 0x07;
        least = 0x10000;
    } else {
        return {b0, 1, false};
    }
    if (s.size() < length)
        return {b0, 1, false};
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return {b0, 1, false};
        c = (c << 6) | (byte(i) & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return {b0, 1, false};
    return {c, length, true};
}

void Append(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool In(char32_t c, char32_t first, char32_t last) {
    return c >= first && c <= last;
}

// Blocks where capital and small letters alternate: the capital sits at an
// even code point (or an odd one when `upperOdd`).
bool IsPairedUpper(char32_t c, bool upperOdd) {
    return ((c & 1) != 0) == upperOdd;
}

struct PairedRange {
    char32_t first, last;
    bool upperOdd;
};

constexpr PairedRange kPaired[] = {
    {0x0100, 0x012F, false}, {0x0132, 0x0137, false}, {0x0139, 0x0148, true},
    {0x014A, 0x0177, false}, {0x0179, 0x017E, true},  {0x03D8, 0x03EF, false},
    {0x0460, 0x0481, false}, {0x048A, 0x04BF, false}, {0x04C1, 0x04CE, true},
    {0x04D0, 0x052F, false},
};

const PairedRange* PairedRangeOf(char32_t c) {
    for (const PairedRange& r : kPaired)
        if (In(c, r.first, r.last))
            return &r;
    return nullptr;
}

// Greek capitals with tonos and their small letters.
constexpr char32_t kGreekTonos[][2] = {
    {0x0386, 0x03AC}, {0x0388, 0x03AD}, {0x0389, 0x03AE}, {0x038A, 0x03AF},
    {0x038C, 0x03CC}, {0x038E, 0x03CD}, {0x038F, 0x03CE},
};

bool IsLetterForSigma(char32_t c) {
    return UpperOf(c) != c || LowerOf(c) != c || c == 0x03C2;
}

} // namespace

size_t CharCount(std::string_view s) {
    size_t count = 0;
    while (!s.empty()) {
        s.remove_prefix(DecodeAt(s).length);
        ++count;
    }
    return count;
}

size_t CharsToBytes(std::string_view s, size_t chars) {
    size_t bytes = 0;
    for (; chars > 0 && bytes < s.size(); --chars)
        bytes += DecodeAt(s.substr(bytes)).length;
    return bytes;
}

char32_t UpperOf(char32_t c) {
    if (In(c, 'a', 'z'))
        return c - 0x20;
    if (c < 0x80)
        return c;
    if (In(c, 0xE0, 0xFE) && c != 0xF7)
        return c - 0x20;
    if (c == 0xFF)
        return 0x178;
    if (c == 0x131) // dotless i
        return 'I';
    if (c == 0x17F) // long s
        return 'S';
    if (const PairedRange* r = PairedRangeOf(c))
        return IsPairedUpper(c, r->upperOdd) ? c : c - 1;
    if (In(c, 0x3B1, 0x3CB))
        return c == 0x3C2 ? 0x3A3 : c - 0x20;
    for (const auto& [upper, lower] : kGreekTonos)
        if (c == lower)
            return upper;
    if (In(c, 0x430, 0x44F))
        return c - 0x20;
    if (In(c, 0x450, 0x45F))
        return c - 0x50;
    if (c == 0x4CF)
        return 0x4C0;
    return c;
}

char32_t LowerOf(char32_t c) {
    if (In(c, 'A', 'Z'))
        return c + 0x20;
    if (c < 0x80)
        return c;
    if (In(c, 0xC0, 0xDE) && c != 0xD7)
        return c + 0x20;
    if (c == 0x178)
        return 0xFF;
    if (c == 0x130) // capital I with dot
        return 'i';
    if (const PairedRange* r = PairedRangeOf(c))
        return IsPairedUpper(c, r->upperOdd) ? c + 1 : c;
    if (In(c, 0x391, 0x3AB) && c != 0x3A2)
        return c + 0x20;
    for (const auto& [upper, lower] : kGreekTonos)
        if (c == upper)
            return lower;
    if (In(c, 0x410, 0x42F))
        return c + 0x20;
    if (In(c, 0x400, 0x40F))
        return c + 0x50;
    if (c == 0x4C0)
        return 0x4CF;
    return c;
}

std::string Utf8Upper(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    while (!s.empty()) {
        const Decoded d = DecodeAt(s);
        if (d.valid)
            Append(out, UpperOf(d.c));
        else
            out += s[0];
        s.remove_prefix(d.length);
    }
    return out;
}

std::string Utf8Lower(std::string_view s, bool continuesWord) {
    std::string out;
    out.reserve(s.size());
    bool afterLetter = continuesWord;
    while (!s.empty()) {
        const Decoded d = DecodeAt(s);
        s.remove_prefix(d.length);
        if (!d.valid) {
            out += static_cast<char>(d.c);
            afterLetter = false;
            continue;
        }
        char32_t lower = LowerOf(d.c);
        if (d.c == 0x3A3 && afterLetter) {
            const bool wordGoesOn =
                !s.empty() && DecodeAt(s).valid && IsLetterForSigma(DecodeAt(s).c);
            if (!wordGoesOn)
                lower = 0x3C2;
        }
        Append(out, lower);
        afterLetter = IsLetterForSigma(d.c);
    }
    return out;
}
