// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutputAlphabet.h"

#include <vector>

namespace tarnel {

namespace {

// clang-format off
constexpr std::array<OutputRow, outputRowCount> rows = {{
    {"---=+=++#---#--=--+#+", "\x61", "Lowercase < a > — tense low front unrounded vowel"},
    {"--==+=++=---#--=--+#+", "\x61\x5f", "Lowercase < a > umlaut — tense low central unrounded vowel"},
    {"--#=+=++----#--=--+#+", "\x41", "Script < a > — tense low back unrounded vowel"},
    {"--#=+=++----#--#--+#+", "\x81", "Turned script < a > — tense low back rounded vowel"},
    {"---=+=++#---#--=--+=+", "\x51", "Ash — lax low front unrounded vowel"},
    {"--#=+=++-=--=--=--+=+", "\xc3", "Inverted < v > — lax mid back unrounded vowel"},
    {"#--+==-+-----=#-----#", "\x62", "Lowercase < b > — voiced bilabial stop"},
    {"#--+#=+#-----=#--=--#", "\x42", "Beta — voiced bilabial fricative"},
    {"=-=+=#=#-#=--=#-----=", "\x63", "Lowercase < c > — nonstrident voiceless palatal stop"},
    {"=-=+=#++-#=--=+--#--=", "\x63\xe0", "Lowercase < c > wedge — voiceless palatal affricate"},
    {"=-=+##+#-#=---#--=--=", "\x43", "Lowercase < c > cedilla — nonstrident voiceless palatal fricative"},
    {"#--+=#=+-----=#--=--#", "\x64", "Lowercase < d > — voiced dental stop"},
    {"=--+=#==-=---=#--=--#", "\xea", "Right-tail < d > — voiced retroflex stop"},
    {"+--+=#++-=---=+--#--#", "\x64\x7a", "Lowercase <dz> — voiced dental affricate"},
    {"=--+=#+=-=----#--#--#", "\xea\xbd", "Right-tail <dz> — voiced retroflex affricate"},
    {"#--+##+---=--=#--=--#", "\x44", "Eth — voiced interdental fricative"},
    {"---=+=++#=--=--=--+#+", "\x65", "Lowercase < e > — tense mid front unrounded vowel"},
    {"--==+=++==--=--=--#=+", "\xab", "Schwa — mid central unrounded vowel"},
    {"--==+#+-==--=-----#-+", "\xd4", "Right-hook schwa — rhotacized mid central unrounded vowel"},
    {"---=+=++#=--=--=--+=+", "\x45", "Epsilon — lax mid front unrounded vowel"},
    {"#--+#=+=-----=#--+--=", "\x66", "Lowercase < f > — voiceless labiodental fricative"},
    {"=-#+==-+-#---=#-----#", "\x67", "Lowercase < g > — voiced velar stop"},
    {"=-#+==---=---=#-----#", "\x47", "Small capital < G > — voiced uvular stop"},
    {"=-#+#=++-#---=#-----#", "\xc4", "Gamma — voiced velar fricative"},
    {"--#=+=++-=--=--=--+#+", "\x46", "Baby gamma — tense mid back unrounded vowel"},
    {"--=##=++--=-#==-----=", "\x68", "Lowercase < h > — voiceless glottal fricative"},
    {"--##+=++--=-#==-----=", "\xf0", "Crossed < h > — voiceless pharyngeal fricative"},
    {"--=#+=++--=-#==-----#", "\xfa", "Hooktop < h > — voiced glottal fricative"},
    {"--==+=++##-----#--=#+", "\xe7", "Turned < h > — tense high front rounded glide"},
    {"---=+-++##-----=--##+", "\x69", "Lowercase < i > — tense high front unrounded vowel"},
    {"--==+=++=#-----=--+=+", "\x69\x5f", "Lowercase < i > umlaut — lax high central unrounded vowel"},
    {"--==+=++=#-----=--+#+", "\xf6", "Barred < i > — tense high central unrounded vowel"},
    {"---=+=++##-----=--+=+", "\x49", "Small capital < I > — lax high front unrounded vowel"},
    {"---=+=++##-----=--=#+", "\x6a", "Lowercase < j > — tense high front unrounded glide"},
    {"=-=+##++-#=--=#--=--#", "\xc6", "Curly-tail < j > — voiced palatal nonstrident fricative"},
    {"=-=+=#++-#=--=+--#--#", "\xbe\xe0", "J wedge — voiced palatal affricate"},
    {"=-=+=#=#-#=--=#-----#", "\xef", "Barred dotless < j > — nonstrident voiced palatal stop"},
    {"=-#+==-+-#---=#-----=", "\x6b", "Lowercase < k > — voiceless velar stop"},
    {"#-=#-++--=#---=-----+", "\x6c", "Lowercase < l > — voiced alveolar lateral sonorant"},
    {"+-##-+++-+#---=-----+", "\xc9", "Lowercase < l > with tilde — velarized lateral sonorant"},
    {"=--#-++=-=#---=-----+", "\xf1", "Lowercase < l > with right tail — retroflex lateral sonorant"},
    {"=-=#-+++-##---=-----+", "\xb4", "Turned < y > — palatal lateral sonorant"},
    {"+--++##---#---#-----=", "\xc2", "Belted < l > — voiceless alveolar lateral fricative"},
    {"+--++##---#---#-----#", "\x4c", "L-yogh ligature — voiced alveolar lateral fricative"},
    {"#--#==+#--=--#=-----+", "\x6d", "Lowercase < m > — bilabial nasal sonorant"},
    {"#--#-=+=--=--#=-----+", "\x4d", "Lowercase < m > with leftward tail at right — labiodental nasal sonorant"},
    {"--#=+=++-#-----=--#++", "\xb5", "Turned < m > — tense high back unrounded vowel"},
    {"--#=+=++-#-----=--=++", "\xe5", "Turned < m > with long right leg — tense high back unrounded glide"},
    {"#--#=#+--==--#=-----+", "\x6e", "Lowercase < n > — alveolar nasal sonorant"},
    {"=-=#=#++-#=--#=-----+", "\xf8", "Lowercase < n > with leftward hook at left — palatal nasal sonorant"},
    {"=-##==++-#=--#=-----+", "\x4e", "Eng  — velar nasal sonorant"},
    {"=--#=#+--==--#=-----+", "\xf7", "Lowercase < n > with right tail — retroflex nasal sonorant"},
    {"=-##==+--==--#=-----+", "\xb2", "Small capital < N > — uvular nasal sonorant"},
    {"--#=+=++-=--=--#--+#+", "\x6f", "Lowercase < o > — tense mid back rounded vowel"},
    {"--==+=++==--=--#--+#+", "\x50", "Barred < o > — tense mid central rounded vowel"},
    {"---=+=++#=--=--#--+#+", "\x4f", "Slashed < o > — tense mid front rounded vowel"},
    {"---=+=++#=--=--#--+=+", "\xbf", "Lowercase < oe > ligature — lax mid front rounded vowel"},
    {"---=+=++#---#--#--+++", "\xaf", "Small capital < OE > ligature — tense low front rounded vowel"},
    {"--#=+=++-=--=--#--+=+", "\x8d", "Open < o > — lax mid back rounded vowel"},
    {"#--+==-+-----=#-----=", "\x70", "Lowercase < p > — voiceless bilabial stop"},
    {"#--+#=+#------#-----=", "\xb8", "Phi — voiceless bilabial fricative"},
    {"=-#+==---=---=#-----=", "\x71", "Lowercase < q > — voiceless uvular stop"},
    {"+-=###+---=#--=----++", "\x72", "Lowercase < r > — voiced appical trill"},
    {"+-=###+---==--=-----+", "\x52", "Fishhook < r > — voiced alveolar flap"},
    {"---=+#+-------=---=-+", "\xa8", "Turned < r > — voiced alveolar frictionless continuant (American English < r > )"},
    {"=-###=+---=#===-----+", "\x7b", "Small capital < R > — voiced uvular trill"},
    {"=-###=+--====-------#", "\xd2", "Inverted small capital < R > — voiced uvular flap"},
    {"+--+##+#-==---+--#--=", "\x73", "Lowercase < s > — voiceless alveolar sibilant"},
    {"---+##+=-==---+--#--=", "\xa7", "Right-tail < s > — voiceless retroflex sibilant"},
    {"--=+##++-#=---+--#--=", "\x53", "Long < s > — voiceless palatal sibilant"},
    {"#--+=#=+--=--=#-----=", "\x74", "Lowercase < t > — voiceless dental stop"},
    {"=--+=#==--=--=#-----=", "\xff", "Right-tail < t > — voiceless retroflex stop"},
    {"+--+=#++-==---+--#--=", "\x74\x73", "Lowercase < ts > ligature — voiceless dental affricate"},
    {"#--+##+---=---#--=--=", "\x54", "Theta — voiceless interdental fricative"},
    {"=--+=#+=-==---+--#--=", "\xff\xa7", "Right-tail < ts > ligature — voiceless retroflex affricate"},
    {"--#=+-++-#-----#--##+", "\x75", "Lowercase < u > — tense high back rounded vowel"},
    {"--==+=++=#-----#--+#+", "\xac", "Barred < u > — tense high central rounded vowel"},
    {"--#=+=++-#-----#--+=+", "\x55", "Upsilon — lax high back rounded vowel"},
    {"--==+=++=#-----#--+=+", "\x55\x5f", "Upsilon umlaut — lax high central rounded vowel"},
    {"#--+#=+=-----=#--+--#", "\x76", "Lowercase < v > — voiced labiodental fricative"},
    {"--#=+=++-#-----#--=##", "\x77", "Lowercase < w > — tense high back rounded voiced glide"},
    {"--#=+=++-#-----#--=#=", "\xe3", "Inverted < w > — tense high back rounded voiceless glide"},
    {"=-#+#=++-#----#-----=", "\x78", "Lowercase < x > — voiceless velar fricative"},
    {"=-#+#=+--=----#-----=", "\x58", "Chi — voiceless uvular fricative"},
    {"---=+-++##-----#--##+", "\x79", "Lowercase < y > — tense high front rounded vowel"},
    {"---=+=++##-----#--+=+", "\x59", "Small capital <Y> — lax high front rounded vowel"},
    {"#--+##+#--=---+--#--#", "\x7a", "Lowercase < z > — voiced alveolar sibilant"},
    {"=--+##+=--=---+--#--#", "\xbd", "Right-tail < z > — voiced retroflex sibilant"},
    {"=-=+##+#-#=---+--#--#", "\x5a", "Yogh — voiced palatal sibilant"},
    {"=-=#==----=-=-=-----=", "\x2f", "Dotless question mark — glottal stop"},
    {"=-###=++--=-#-=-----#", "\xd6", "Reversed dotless question mark — voiced pharyngeal sonorant (Arabic `ayn)"},
}};
// clang-format on

// Diacritic codes: a feature index where the segment is plus against a usual minus, its
// negation where the segment is minus against a usual plus.
constexpr int stressCode = 16, syllCode = 18, nasCode = 13, roundCode = 15, longCode = 11,
              aspCode = 1, voiceCode = 20;

bool signIsPlus(char sign) {
    return sign == '+' || sign == '#';
}

bool hasMarkForMinusDeparture(int feature) {
    return feature == syllCode || feature == voiceCode;
}

bool hasMarkForPlusDeparture(int feature) {
    return feature == stressCode || feature == syllCode || feature == nasCode ||
           feature == roundCode || feature == longCode || feature == aspCode;
}

void appendDiffering(std::string& text, char sign, int feature) {
    if (!text.empty())
        text += ' ';
    text += sign;
    text += *featureName(feature);
}

// Tries one row; on a fit fills the diacritic list and the differing-feature text. A row that
// does not fit leaves both empty.
bool rowFits(const OutputRow& row, const Segment& segment, std::vector<int>& diacritics,
             std::string& differs) {
    for (int k = 0; k < soundFeatureCount; ++k) {
        const char sign = row.values[static_cast<std::size_t>(k)];
        const bool value = segment[k];
        if ((sign == '#' && !value) || (sign == '=' && value)) {
            diacritics.clear();
            differs.clear();
            return false;
        }
        if (sign == '+' && !value) {
            if (hasMarkForMinusDeparture(k))
                diacritics.push_back(-k);
            else
                appendDiffering(differs, '-', k);
        } else if (sign == '-' && value) {
            if (hasMarkForPlusDeparture(k))
                diacritics.push_back(k);
            else
                appendDiffering(differs, '+', k);
        }
    }
    return true;
}

bool takeCode(std::vector<int>& diacritics, int code) {
    for (auto it = diacritics.begin(); it != diacritics.end(); ++it) {
        if (*it == code) {
            diacritics.erase(it);
            return true;
        }
    }
    return false;
}

// The palatalization mark: a high front consonant shown through a symbol that is not high,
// or that is back.
bool needsPalatalMark(const OutputRow& row, const Segment& segment) {
    const bool highFrontConsonant = segment[3] && segment[9] && !segment[2];
    return highFrontConsonant && (!signIsPlus(row.values[9]) || signIsPlus(row.values[2]));
}

std::string withMarks(const OutputRow& row, const Segment& segment, std::vector<int>& diacritics,
                      bool palatalMark) {
    std::string codes;
    if (takeCode(diacritics, stressCode))
        codes += '\xc8';
    codes += row.symbol;
    constexpr std::pair<int, char> marksAfter[] = {
        {-syllCode, '\xe1'}, {syllCode, '\x60'}, {-voiceCode, '\xa5'}, {nasCode, '\xe2'},
        {roundCode, '\x57'}, {longCode, '\xf9'}, {aspCode, '\x48'},
    };
    for (const auto& [code, mark] : marksAfter)
        if (takeCode(diacritics, code))
            codes += mark;
    if (palatalMark && needsPalatalMark(row, segment))
        codes += '\x4a';
    return codes;
}

std::optional<DecodedSymbol> decodeByRows(const Segment& segment, bool palatalMark) {
    std::vector<int> diacritics;
    std::string differs;
    for (const OutputRow& row : rows) {
        if (rowFits(row, segment, diacritics, differs)) {
            DecodedSymbol decoded;
            decoded.codes = withMarks(row, segment, diacritics, palatalMark);
            decoded.colour = differs.empty() ? CellColour::Black : CellColour::Blue;
            decoded.differs = std::move(differs);
            return decoded;
        }
    }
    return std::nullopt;
}

} // namespace

const std::array<OutputRow, outputRowCount>& outputAlphabet() {
    return rows;
}

const OutputRow* findOutputRow(std::string_view symbol) {
    const OutputRow* found = nullptr;
    for (const OutputRow& row : rows)
        if (row.symbol == symbol)
            found = &row;
    return found;
}

DecodedSymbol getSymbol(const Segment& segment) {
    if (auto decoded = decodeByRows(segment, true))
        return *decoded;
    DecodedSymbol fallback;
    fallback.codes = unknownLet(segment);
    fallback.colour = CellColour::Red;
    if (const OutputRow* row = findOutputRow(fallback.codes)) {
        for (int k = 0; k < soundFeatureCount; ++k) {
            const bool value = segment[k];
            if (value != signIsPlus(row->values[static_cast<std::size_t>(k)])) {
                fallback.differs += ' ';
                fallback.differs += value ? '+' : '-';
                fallback.differs += *featureName(k);
            }
        }
    }
    return fallback;
}

DecodedSymbol reflexGetSymbol(const Segment& segment) {
    if (auto decoded = decodeByRows(segment, false))
        return *decoded;
    return DecodedSymbol{"\xc5", "", CellColour::Red};
}

namespace {

enum Feature {
    ant = 0,
    back = 2,
    cons = 3,
    cont = 4,
    cor = 5,
    front = 8,
    high = 9,
    lat = 10,
    low = 12,
    nas = 13,
    obstr = 14,
    round = 15,
    syll = 18,
    tense = 19,
    voice = 20,
};

std::string vowelOrGlideLetter(const Segment& s) {
    if (!s[syll])
        return s[round] ? "w" : "j";
    if (s[high]) {
        if (s[round])
            return s[back] ? "u" : "y";
        return "i";
    }
    if (!s[low]) {
        if (s[round])
            return s[tense] ? "o" : "\x8d";
        return "e";
    }
    if (s[front])
        return "a";
    return s[back] ? "A" : "a_";
}

std::string sonorantLetter(const Segment& s) {
    if (s[lat])
        return "l";
    if (!s[nas])
        return "r";
    if (s[cor])
        return "n";
    return s[ant] ? "m" : "n";
}

std::string obstruentLetter(const Segment& s) {
    if (s[cor]) {
        if (!s[cont])
            return s[voice] ? "d" : "t";
        return s[voice] ? "z" : "s";
    }
    if (s[ant]) {
        if (!s[cont])
            return s[voice] ? "b" : "p";
        return s[voice] ? "v" : "f";
    }
    if (!s[voice])
        return s[cont] ? "x" : "k";
    return "g";
}

} // namespace

std::string unknownLet(const Segment& segment) {
    if (!segment[cons])
        return vowelOrGlideLetter(segment);
    if (!segment[obstr])
        return sonorantLetter(segment);
    return obstruentLetter(segment);
}

} // namespace tarnel
