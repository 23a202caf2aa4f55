#include "number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace vevi {
namespace {

constexpr int kSignificantDigits = 15;
// Exponents beyond this are far outside the double range; clamping keeps the text short.
constexpr long kExponentClamp = 100000;

bool IsIgnored(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// Unicode format characters (general category Cf): invisible, yet pasted text brings them
// along (a zero-width space, a soft hyphen, a direction mark). Read as blanks, they cannot
// split or hide a number that shows whole.
struct CodePointRange {
    char32_t first;
    char32_t last;
};
constexpr CodePointRange kFormatCharacters[] = {
    {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},
    {0x070F, 0x070F},   {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},
    {0x200B, 0x200F},   {0x202A, 0x202E},   {0x2060, 0x2064},   {0x2066, 0x206F},
    {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD},
    {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
    {0xE0020, 0xE007F},
};

bool IsFormatCharacter(char32_t c) {
    for (const CodePointRange& r : kFormatCharacters)
        if (c >= r.first && c <= r.last) return true;
    return false;
}

// The length in bytes of the well-formed UTF-8 sequence at the start of text, with its code
// point; 0 for anything else (a stray or missing continuation byte, an overlong form, a
// surrogate, a value past U+10FFFF), which is then no character to be skipped.
size_t DecodeUtf8(std::string_view text, char32_t& codePoint) {
    if (text.empty()) return 0;
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    size_t length = 0;
    unsigned char low = 0x80;  // the range allowed for the second byte
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0Fu;
        if (lead == 0xE0) low = 0xA0;   // shorter forms are overlong
        if (lead == 0xED) high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07u;
        if (lead == 0xF0) low = 0x90;   // shorter forms are overlong
        if (lead == 0xF4) high = 0x8F;  // past U+10FFFF
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    for (size_t i = 1; i < length; ++i) {
        const unsigned char b = byte(i);
        if (b < (i == 1 ? low : 0x80) || b > (i == 1 ? high : 0xBF)) return 0;
        codePoint = (codePoint << 6) | (b & 0x3Fu);
    }
    return length;
}

// The bytes that the reading rule skips at the start of text: a blank, a tab, a line feed
// or a format character; 0 when the text starts with anything else.
size_t IgnoredLength(std::string_view text) {
    if (text.empty()) return 0;
    if (IsIgnored(text.front())) return 1;
    char32_t codePoint = 0;
    const size_t length = DecodeUtf8(text, codePoint);
    return length > 1 && IsFormatCharacter(codePoint) ? length : 0;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks the text, skipping the characters the reading rule ignores.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) { Skip(); }
    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
    void Next() {
        ++pos_;
        Skip();
    }
    size_t Position() const { return pos_; }
    void Rewind(size_t pos) { pos_ = pos; }

private:
    void Skip() {
        while (pos_ < text_.size()) {
            const size_t n = IgnoredLength(text_.substr(pos_));
            if (n == 0) break;
            pos_ += n;
        }
    }
    std::string_view text_;
    size_t pos_ = 0;
};

double ReadRadix(Cursor& c, int radix) {
    double value = 0;
    for (;;) {
        const char ch = c.Peek();
        int digit = -1;
        if (IsDigit(ch))
            digit = ch - '0';
        else if (ch >= 'a' && ch <= 'f')
            digit = ch - 'a' + 10;
        else if (ch >= 'A' && ch <= 'F')
            digit = ch - 'A' + 10;
        if (digit < 0 || digit >= radix) break;
        value = value * radix + digit;
        c.Next();
    }
    return value;
}

// The value as 15 significant decimal digits: value = 0.d1d2...d15 x 10^pointPos.
struct Decimal {
    bool negative = false;
    std::string digits;  // exactly kSignificantDigits digits, first one nonzero unless zero
    int pointPos = 0;    // digits before the decimal point
    bool zero = true;
};

Decimal ToDecimal(double value) {
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0) {
        d.digits.assign(kSignificantDigits, '0');
        return d;
    }
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                   std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view s(buf, static_cast<size_t>(res.ptr - buf));
    const size_t e = s.find('e');
    for (size_t i = 0; i < e; ++i)
        if (IsDigit(s[i])) d.digits.push_back(s[i]);
    int exponent = 0;
    std::from_chars(s.data() + e + 1 + (s[e + 1] == '+' ? 1 : 0), s.data() + s.size(), exponent);
    d.pointPos = exponent + 1;
    d.zero = false;
    // Within a part in 10^15 of the largest double, rounding up would write a number that
    // reads back as infinity: round toward zero instead.
    if (exponent == std::numeric_limits<double>::max_exponent10 && d.digits > "179769313486231") {
        d.digits = "179769313486231";
    }
    return d;
}

// The leading digits of d down to `decimals` places after the point, rounded half away
// from zero; pointPos receives the count of those digits that stand before the point.
std::string DigitsRoundedTo(const Decimal& d, int decimals, int& pointPos) {
    const int keep = d.pointPos + decimals;  // count of digits of d.digits to keep
    pointPos = d.pointPos;
    if (d.zero || keep < 0) return std::string();
    if (keep >= static_cast<int>(d.digits.size())) {
        return d.digits;
    }
    std::string kept = d.digits.substr(0, static_cast<size_t>(keep));
    if (d.digits[static_cast<size_t>(keep)] >= '5') {
        int i = keep - 1;
        while (i >= 0 && kept[static_cast<size_t>(i)] == '9') kept[static_cast<size_t>(i--)] = '0';
        if (i >= 0) {
            ++kept[static_cast<size_t>(i)];
        } else {
            kept.insert(kept.begin(), '1');
            ++pointPos;
        }
    }
    return kept;
}

std::string GroupThousands(const std::string& integerDigits) {
    std::string out;
    const size_t n = integerDigits.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out.push_back(',');
        out.push_back(integerDigits[i]);
    }
    return out;
}

}  // namespace

namespace {

// "&H" and "&O" numbers; nothing when the text does not start with "&".
std::optional<double> ReadRadixNumber(Cursor& c) {
    if (c.Peek() != '&') return std::nullopt;
    const size_t start = c.Position();
    c.Next();
    const char kind = c.Peek();
    if (kind == 'H' || kind == 'h') {
        c.Next();
        return ReadRadix(c, 16);
    }
    if (kind == 'O' || kind == 'o') {
        c.Next();
        return ReadRadix(c, 8);
    }
    c.Rewind(start);
    return 0.0;
}

// Digits with at most one point.
std::string ReadMantissa(Cursor& c) {
    std::string mantissa;
    bool seenPoint = false;
    for (;;) {
        const char ch = c.Peek();
        if (IsDigit(ch)) {
            mantissa.push_back(ch);
        } else if (ch == '.' && !seenPoint) {
            mantissa.push_back('.');
            seenPoint = true;
        } else {
            break;
        }
        c.Next();
    }
    return mantissa;
}

// "E" or "D", a sign and digits; 0 when there are none. Huge exponents are clamped.
long ReadExponent(Cursor& c) {
    long exponent = 0;
    const char e = c.Peek();
    if (e != 'E' && e != 'e' && e != 'D' && e != 'd') return 0;
    const size_t mark = c.Position();
    c.Next();
    bool negative = false;
    if (c.Peek() == '+' || c.Peek() == '-') {
        negative = c.Peek() == '-';
        c.Next();
    }
    if (!IsDigit(c.Peek())) {
        c.Rewind(mark);  // an exponent letter without digits is not part of the number
        return 0;
    }
    while (IsDigit(c.Peek())) {
        if (exponent < kExponentClamp) exponent = exponent * 10 + (c.Peek() - '0');
        c.Next();
    }
    return negative ? -exponent : exponent;
}

// The power of ten of the mantissa's leading nonzero digit; nothing when all are zero.
std::optional<long> FirstSignificant(const std::string& mantissa) {
    long intDigits = 0;
    bool inFraction = false;
    long fracZeros = 0;
    bool found = false;
    for (char ch : mantissa) {
        if (ch == '.') {
            inFraction = true;
            continue;
        }
        if (!inFraction) {
            if (found || ch != '0') {
                found = true;
                ++intDigits;
            }
        } else if (!found) {
            if (ch == '0')
                ++fracZeros;
            else
                found = true;
        }
    }
    if (!found) return std::nullopt;
    return intDigits > 0 ? intDigits - 1 : -(fracZeros + 1);
}

}  // namespace

double LeadingNumber(std::string_view text) {
    Cursor c(text);
    if (const auto radix = ReadRadixNumber(c)) return *radix;

    bool negative = false;
    if (c.Peek() == '+' || c.Peek() == '-') {
        negative = c.Peek() == '-';
        c.Next();
    }
    const std::string mantissa = ReadMantissa(c);
    const auto firstSignificant = FirstSignificant(mantissa);
    if (!firstSignificant) return negative ? -0.0 : 0.0;
    const long exponent = ReadExponent(c);

    std::string canonical = mantissa;
    if (canonical.front() == '.') canonical.insert(canonical.begin(), '0');
    canonical += 'e';
    canonical += std::to_string(exponent);
    double value = 0;
    const auto res = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    // Where the first significant digit stands decides overflow against underflow.
    if (res.ec == std::errc::result_out_of_range)
        value = *firstSignificant + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

std::string PlainNumberText(double value) {
    if (!std::isfinite(value)) return "0";  // never shown: callers keep such values out
    const Decimal d = ToDecimal(value);
    if (d.zero) return "0";
    std::string digits = d.digits;
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    std::string out = d.negative ? "-" : "";
    const int n = static_cast<int>(digits.size());
    if (d.pointPos <= 0) {
        out += "0.";
        out.append(static_cast<size_t>(-d.pointPos), '0');
        out += digits;
    } else if (d.pointPos >= n) {
        out += digits;
        out.append(static_cast<size_t>(d.pointPos - n), '0');
    } else {
        out += digits.substr(0, static_cast<size_t>(d.pointPos));
        out += '.';
        out += digits.substr(static_cast<size_t>(d.pointPos));
    }
    return out;
}

std::string SignedNumberText(double value) {
    std::string text = PlainNumberText(value);
    if (text.front() != '-') text.insert(text.begin(), ' ');
    return text;
}

std::string FormatNumber(double value, std::string_view pattern) {
    const size_t point = pattern.find('.');
    const std::string_view intPattern = pattern.substr(0, point);
    const int decimals =
        point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
    const bool grouping = intPattern.find(',') != std::string_view::npos;
    const bool leadingZero = !intPattern.empty() && intPattern.back() == '0';

    if (!std::isfinite(value)) value = 0;  // never shown: callers refuse non-finite results
    const Decimal d = ToDecimal(value);
    int pointPos = 0;
    const std::string kept = DigitsRoundedTo(d, decimals, pointPos);

    std::string integerDigits;
    std::string fraction(static_cast<size_t>(decimals), '0');
    for (int i = 0; i < static_cast<int>(kept.size()); ++i) {
        const int place = i - pointPos;  // <0: integer part; >=0: fraction index
        if (place < 0)
            integerDigits.push_back(kept[static_cast<size_t>(i)]);
        else if (place < decimals)
            fraction[static_cast<size_t>(place)] = kept[static_cast<size_t>(i)];
    }
    if (pointPos > static_cast<int>(kept.size()) && !kept.empty())
        integerDigits.append(static_cast<size_t>(pointPos - static_cast<int>(kept.size())), '0');

    bool allZero = true;
    for (char ch : integerDigits + fraction)
        if (ch != '0') allZero = false;

    if (integerDigits.empty() && leadingZero) integerDigits.push_back('0');
    std::string out = (d.negative && !allZero) ? "-" : "";
    out += grouping ? GroupThousands(integerDigits) : integerDigits;
    if (decimals > 0) {
        out += '.';
        out += fraction;
    }
    return out;
}

double round0(double value) {
    if (!std::isfinite(value)) return value;
    return LeadingNumber(FormatNumber(value, "###0"));
}

}  // namespace vevi
