// Motor files: strict reading of the JSON, its writing, and the passage between typed and file texts.
#include "MotorFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <set>
#include <stdexcept>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "InputFile.h"
#include "NumText.h"
#include "ReplaceFile.h"
#include "TextTemplate.h"
#include "Translation.h"

using Json = nlohmann::json;

namespace {

// Every text a user can see from this unit, in Czech, looked up where it is used; %1, %2, … stand for
// what the message names.
namespace text {
constexpr const char* CannotOpen = ORBITEK_TR_NOOP("MotorFile", "Soubor „%1“ nelze otevřít: %2.");
constexpr const char* CannotRead = ORBITEK_TR_NOOP("MotorFile", "Soubor „%1“ nelze přečíst: %2.");
constexpr const char* NoSuchFile = ORBITEK_TR_NOOP("MotorFile", "soubor neexistuje");
constexpr const char* NoPermission = ORBITEK_TR_NOOP("MotorFile", "chybí oprávnění ke čtení");
constexpr const char* IsFolder = ORBITEK_TR_NOOP("MotorFile", "je to složka");
constexpr const char* NoWriter = ORBITEK_TR_NOOP("MotorFile", "do FIFO ani zařízení nikdo nezapisuje");
constexpr const char* TooLargeToSave = ORBITEK_TR_NOOP(
    "MotorFile", "soubor by měl %1 bajtů, víc než 1 MiB, a nešel by znovu otevřít; zkraťte název nebo poznámku");
constexpr const char* TooLarge = ORBITEK_TR_NOOP("MotorFile", "Soubor „%1“ není motor Orbiteku: je větší než 1 MiB.");
constexpr const char* NotUtf8 = ORBITEK_TR_NOOP("MotorFile",
                                                "Soubor „%1“ není motor Orbiteku: bajt %2 není text v kódování UTF-8.");
constexpr const char* NotJson = ORBITEK_TR_NOOP("MotorFile",
                                                "Soubor „%1“ není motor Orbiteku: není to JSON (řádek %2, znak %3).");
constexpr const char* HugeNumber = ORBITEK_TR_NOOP("MotorFile",
                                                   "Soubor „%1“ není motor Orbiteku: obsahuje číslo mimo rozsah JSON.");
constexpr const char* TooDeep = ORBITEK_TR_NOOP(
    "MotorFile", "Soubor „%1“ není motor Orbiteku: JSON je vnořený hlouběji než %2 úrovní.");
constexpr const char* NotMotor = ORBITEK_TR_NOOP(
    "MotorFile", "Soubor „%1“ není motor Orbiteku: chybí \"format\": \"orbitek-motor\".");
constexpr const char* Newer = ORBITEK_TR_NOOP(
    "MotorFile",
    "Soubor „%1“ je motor ve verzi %2 formátu, tento Orbitek čte jen verzi %3; "
    "otevřete jej novějším Orbitekem.");
constexpr const char* Missing = ORBITEK_TR_NOOP("MotorFile", "Soubor „%1“: chybí „%2“.");
constexpr const char* CountOutOfRange = ORBITEK_TR_NOOP("MotorFile",
                                                        "Soubor „%1“: „%2“ je celé číslo mimo rozsah: %3.");
constexpr const char* DuplicateKey = ORBITEK_TR_NOOP(
    "MotorFile", "Soubor „%1“ není motor Orbiteku: klíč „%2“ je v jednom objektu dvakrát.");
constexpr const char* WrongType = ORBITEK_TR_NOOP("MotorFile", "Soubor „%1“: „%2“ má být %3, ne %4.");
constexpr const char* NotNumber = ORBITEK_TR_NOOP("MotorFile",
                                                  "Soubor „%1“: „%2“ není číslo zapsané s desetinnou tečkou: „%3“.");
constexpr const char* BadChoice = ORBITEK_TR_NOOP("MotorFile", "Soubor „%1“: „%2“ smí být jen %3, ne %4.");
constexpr const char* SixtyHertzInput = ORBITEK_TR_NOOP(
    "MotorFile",
    "Soubor „%1“: vstupní hodnoty platí pro 50 Hz; motor pro %2 Hz zadejte "
    "naměřenými hodnotami.");
constexpr const char* FactorWithShare = ORBITEK_TR_NOOP(
    "MotorFile", "Soubor „%1“: „input.r1factor“ nepatří k podílu rotoru („r1kind“: \"share\").");

// What the messages call a JSON value's type, and what a value must be.
constexpr const char* Text = ORBITEK_TR_NOOP("MotorFile", "text");
constexpr const char* NumberText = ORBITEK_TR_NOOP("MotorFile", "text s číslem (například \"0.25\")");
constexpr const char* Count = ORBITEK_TR_NOOP("MotorFile", "celé číslo");
constexpr const char* Object = ORBITEK_TR_NOOP("MotorFile", "objekt");
constexpr const char* WholeNumber = ORBITEK_TR_NOOP("MotorFile", "celé číslo");
constexpr const char* DecimalNumber = ORBITEK_TR_NOOP("MotorFile", "desetinné číslo");
constexpr const char* Array = ORBITEK_TR_NOOP("MotorFile", "pole");
constexpr const char* Boolean = ORBITEK_TR_NOOP("MotorFile", "logická hodnota");
constexpr const char* Null = "null";
constexpr const char* Or = ORBITEK_TR_NOOP("MotorFile", " nebo ");
constexpr const char* PoleRange = ORBITEK_TR_NOOP("MotorFile", "%1 až %2 (sudé)");
} // namespace text

// The keys of the file.
namespace key {
constexpr const char* Format = "format";
constexpr const char* Version = "version";
constexpr const char* Name = "name";
constexpr const char* Note = "note";
constexpr const char* Input = "input";
constexpr const char* At = "at";
constexpr const char* TorqueLine = "torqueLine";
constexpr const char* Quantity = "quantity";
constexpr const char* Value = "value";
constexpr const char* Phases = "phases";
constexpr const char* Poles = "poles";
constexpr const char* Frequency = "frequency";
} // namespace key

constexpr int DefaultFrequency = 50;
constexpr int MaxNesting = 16;        // a motor nests two deep; anything far deeper is no motor
constexpr std::size_t MaxQuoted = 40; // characters of a faulty value quoted in a message

// The input dialog's six numbers under their keys, in the order they are written.
struct InputNumber {
    const char* key;
    std::string InputForm::*text;
};
constexpr std::array<InputNumber, 6> InputNumbers{{
    {"i0", &InputForm::i0},
    {"cos0", &InputForm::cos0},
    {"ik", &InputForm::ik},
    {"cosk", &InputForm::cosk},
    {"uf", &InputForm::uf},
    {"r1", &InputForm::r1},
}};

// The readings that are numbers, and those that are counts; the rest are words.
bool IsNumberReading(Reading r)
{
    return r == Reading::Un || r == Reading::U0 || r == Reading::I0 || r == Reading::P0 || r == Reading::Uk ||
        r == Reading::Ik || r == Reading::Pk || r == Reading::R1 || r == Reading::R1Factor || r == Reading::Pf0 ||
        r == Reading::Pfk || r == Reading::R2 || r == Reading::Turns;
}

bool IsCountReading(Reading r)
{
    return r == Reading::F || r == Reading::Poles || r == Reading::Phases;
}

// Keys only the measured form has: one of them makes `input` that form.
constexpr std::array<const char*, 13> MeasuredOnlyKeys{"un",     "connection", "f",   "u0",  "p0", "uk",   "pk",
                                                       "r1kind", "r1factor",   "pf0", "pfk", "r2", "turns"};

// The message's parts quote the file's name and its text: their control characters are escaped, as a
// usage error escapes what was typed, so that a file cannot write to the terminal through a message.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t n = i + 1 < pattern.size() ? static_cast<std::size_t>(pattern[i + 1] - '1') : args.size();
        if (pattern[i] == '%' && n < args.size()) {
            out += translation::OneLine(args.begin()[n]);
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

// A text of this unit in the current language.
std::string Tr(const char* text)
{
    return translation::Text("MotorFile", text);
}

[[noreturn]] void Malformed(const char* pattern, std::initializer_list<std::string_view> args)
{
    throw EMotorFileError(EMotorFileError::Kind::Malformed, Fill(Tr(pattern), args));
}

[[noreturn]] void CannotOpen(const char* pattern, std::string_view fileName, int error)
{
    const std::string reason = error == ENOENT ? Tr(text::NoSuchFile)
        : error == EACCES || error == EPERM    ? Tr(text::NoPermission)
        : error == EISDIR                      ? Tr(text::IsFolder)
        : error == NoWriterError               ? Tr(text::NoWriter)
                                               : std::string(std::strerror(error));
    throw EMotorFileError(EMotorFileError::Kind::CannotOpen, Fill(Tr(pattern), {fileName, reason}));
}

// The index of the first byte that is not part of well-formed UTF-8, or npos.
std::size_t FirstNonUtf8(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF; // the allowed range of the second byte
        if (c < 0x80)
            length = 1;
        else if (c >= 0xC2 && c <= 0xDF)
            length = 2;
        else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            low = c == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
            high = c == 0xED ? 0x9F : 0xBF; // no surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            low = c == 0xF0 ? 0x90 : 0x80;
            high = c == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
        } else {
            return i;
        }
        if (i + length > s.size())
            return i;
        for (std::size_t k = 1; k < length; ++k) {
            const auto b = static_cast<unsigned char>(s[i + k]);
            if (k == 1 ? (b < low || b > high) : (b < 0x80 || b > 0xBF))
                return i;
        }
        i += length;
    }
    return std::string_view::npos;
}

// How deep arrays and objects nest, strings skipped; the parser's own stack never sees more.
int Nesting(std::string_view s)
{
    int depth = 0, deepest = 0;
    bool inString = false, escaped = false;
    for (const char c : s) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
}

// Line and character (both from 1) of byte `offset`, counting characters, not bytes.
std::pair<std::size_t, std::size_t> LineAndColumn(std::string_view s, std::size_t offset)
{
    std::size_t line = 1, column = 1;
    for (std::size_t i = 0; i < std::min(offset, s.size()); ++i) {
        if (s[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return {line, column};
}

const char* TypeName(const Json& v)
{
    switch (v.type()) {
    case Json::value_t::string: return text::Text;
    case Json::value_t::object: return text::Object;
    case Json::value_t::array: return text::Array;
    case Json::value_t::boolean: return text::Boolean;
    case Json::value_t::null: return text::Null;
    case Json::value_t::number_float: return text::DecimalNumber;
    default: return text::WholeNumber;
    }
}

// A value quoted in a message, shortened to whole characters.
std::string Quoted(std::string_view value)
{
    std::string s(value);
    std::size_t characters = 0;
    for (std::size_t i = 0; i < s.size(); ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80 && ++characters > MaxQuoted)
            return s.substr(0, i) + "…";
    return s;
}

// The reading of one file: each value by its path ("input.i0"), each fault named so.
class Reader {
public:
    explicit Reader(std::string_view fileName) : fileName_(fileName) {}

    const Json* Find(const Json& object, const char* key) const
    {
        const auto it = object.find(key);
        return it == object.end() ? nullptr : &*it;
    }

    const Json& Get(const Json& object, const std::string& parent, const char* key) const
    {
        const Json* v = Find(object, key);
        if (v == nullptr)
            Malformed(text::Missing, {fileName_, Path(parent, key)});
        return *v;
    }

    void Expect(bool ok, const Json& v, const std::string& path, const char* expected) const
    {
        if (!ok)
            Malformed(text::WrongType, {fileName_, path, Tr(expected), Tr(TypeName(v))});
    }

    std::string String(const Json& v, const std::string& path) const
    {
        Expect(v.is_string(), v, path, text::Text);
        return v.get<std::string>();
    }

    const Json& Object(const Json& v, const std::string& path) const
    {
        Expect(v.is_object(), v, path, text::Object);
        return v;
    }

    // A number as text with a full stop, which must also be one in the locale's form.
    std::string NumberText(const Json& v, const std::string& path) const
    {
        Expect(v.is_string(), v, path, text::NumberText);
        const std::string s = v.get<std::string>();
        const bool plain = !s.empty() && s.find_first_not_of("0123456789+-.eE ") == std::string::npos;
        bool converts = plain;
        if (plain) {
            try {
                TextToNumber(TypedNumber(s));
            } catch (const EConvertError&) {
                converts = false;
            }
        }
        if (!converts)
            Malformed(text::NotNumber, {fileName_, path, Quoted(s)});
        return FileNumber(s);
    }

    // A whole number past 64 bits reaches us as a double: it is out of range, not "not whole".
    long long Count(const Json& v, const std::string& path) const
    {
        if (v.is_number_float()) {
            const double d = v.get<double>();
            if (std::isfinite(d) && std::trunc(d) == d && std::fabs(d) >= 0x1p63)
                Malformed(text::CountOutOfRange, {fileName_, path, v.dump()});
        }
        Expect(v.is_number_integer(), v, path, text::Count);
        if (v.is_number_unsigned() && v.get<unsigned long long>() > static_cast<unsigned long long>(LLONG_MAX))
            Malformed(text::CountOutOfRange, {fileName_, path, v.dump()}); // the digits as typed
        return v.get<long long>();
    }

    // A count that must be one of `allowed`.
    int Choice(const Json& v, const std::string& path, std::initializer_list<int> allowed) const
    {
        const long long n = Count(v, path);
        for (const int a : allowed)
            if (n == a)
                return a;
        std::vector<std::string> words;
        for (const int a : allowed)
            words.push_back(std::to_string(a));
        Malformed(text::BadChoice, {fileName_, path, Alternatives(words), std::to_string(n)});
    }

    // A word that must be one of `allowed`.
    std::string Word(const Json& v, const std::string& path, const std::vector<std::string>& allowed) const
    {
        const std::string s = String(v, path);
        if (std::find(allowed.begin(), allowed.end(), s) == allowed.end()) {
            std::vector<std::string> quoted;
            for (const std::string& a : allowed)
                quoted.push_back('"' + a + '"');
            Malformed(text::BadChoice, {fileName_, path, Alternatives(quoted), "\"" + Quoted(s) + "\""});
        }
        return s;
    }

    static std::string Path(const std::string& parent, const char* key)
    {
        return parent.empty() ? std::string(key) : parent + "." + key;
    }

    std::string_view FileName() const { return fileName_; }

private:
    // "1 nebo 3", "\"a\", \"b\" nebo \"c\"".
    static std::string Alternatives(const std::vector<std::string>& words)
    {
        std::string out;
        for (std::size_t i = 0; i < words.size(); ++i)
            out += (i == 0 ? std::string() : i + 1 == words.size() ? Tr(text::Or) : ", ") + words[i];
        return out;
    }

    std::string_view fileName_;
};

std::vector<int> PoleCounts()
{
    std::vector<int> poles;
    for (const SpeedChoice& c : SpeedTable)
        poles.push_back(c.poles);
    return poles;
}

int PoleChoice(const Reader& r, const Json& v, const std::string& path)
{
    static const std::vector<int> poles = PoleCounts();
    const long long n = r.Count(v, path);
    if (std::find(poles.begin(), poles.end(), n) == poles.end())
        Malformed(text::BadChoice,
                  {r.FileName(), path,
                   Fill(Tr(text::PoleRange), {std::to_string(poles.front()), std::to_string(poles.back())}),
                   std::to_string(n)});
    return static_cast<int>(n);
}

InputForm ReadInputForm(const Reader& r, const Json& input)
{
    const std::string parent = key::Input;
    InputForm form;
    for (const InputNumber& n : InputNumbers)
        form.*n.text = r.NumberText(r.Get(input, parent, n.key), Reader::Path(parent, n.key));
    form.phases = r.Choice(r.Get(input, parent, key::Phases), Reader::Path(parent, key::Phases), {1, 3});
    form.poles = PoleChoice(r, r.Get(input, parent, key::Poles), Reader::Path(parent, key::Poles));
    if (const Json* f = r.Find(input, key::Frequency)) {
        const int frequency = r.Choice(*f, Reader::Path(parent, key::Frequency), {50, 60});
        if (frequency != DefaultFrequency)
            Malformed(text::SixtyHertzInput, {r.FileName(), std::to_string(frequency)});
    }
    return form;
}

// One reading's value by its kind: a number, a count or a word.
std::string ReadReading(const Reader& r, Reading reading, const Json& v, const std::string& path)
{
    if (IsNumberReading(reading))
        return r.NumberText(v, path);
    switch (reading) {
    case Reading::F: return std::to_string(r.Choice(v, path, {50, 60}));
    case Reading::Poles: return std::to_string(PoleChoice(r, v, path));
    case Reading::Phases: return std::to_string(r.Choice(v, path, {1, 3}));
    case Reading::Connection: return r.Word(v, path, {choice::Star, choice::Delta});
    default: return r.Word(v, path, {choice::PerPhase, choice::Terminals, choice::Share, choice::Pair, choice::Ratio});
    }
}

MeasuredForm ReadMeasuredForm(const Reader& r, const Json& input)
{
    const std::string parent = key::Input;
    MeasuredForm form;
    MeasuredReadings& m = form.readings;
    // The phases first: the connection counts only with three.
    m.phases = ReadReading(r, Reading::Phases, r.Get(input, parent, key::Phases), Reader::Path(parent, key::Phases));
    const bool connectionIgnored = m.phases != "3";
    for (const ReadingColumn& c : ReadingColumns) {
        const Json* v = r.Find(input, c.name);
        // A test's power may be left out for its power factor; acceptance refuses a test with neither.
        const bool optional = c.reading == Reading::F || c.reading == Reading::Poles || IsOptionalReading(c.reading) ||
            (c.reading == Reading::Connection && connectionIgnored) ||
            (c.reading == Reading::P0 && r.Find(input, "pf0") != nullptr) ||
            (c.reading == Reading::Pk && r.Find(input, "pfk") != nullptr);
        if (c.reading == Reading::Phases || (c.reading == Reading::Connection && connectionIgnored))
            continue;
        if (v == nullptr && !optional)
            Malformed(text::Missing, {r.FileName(), Reader::Path(parent, c.name)});
        if (v != nullptr)
            m.*(c.text) = ReadReading(r, c.reading, *v, Reader::Path(parent, c.name));
    }
    if (m.f.empty())
        m.f = std::to_string(DefaultFrequency);
    if (m.r1kind == choice::Share && !m.r1factor.empty())
        Malformed(text::FactorWithShare, {r.FileName()});
    return form;
}

bool IsMeasuredForm(const Json& input)
{
    return std::any_of(MeasuredOnlyKeys.begin(), MeasuredOnlyKeys.end(),
                       [&input](const char* k) { return input.contains(k); });
}

AskedValue ReadAt(const Reader& r, const Json& at)
{
    const std::string parent = key::At;
    std::vector<std::string> symbols;
    for (const OperatingQuantityTexts& t : OperatingQuantities)
        symbols.emplace_back(t.symbol);
    const std::string symbol = r.Word(r.Get(at, parent, key::Quantity), Reader::Path(parent, key::Quantity), symbols);
    AskedValue asked;
    asked.quantity = *QuantityOfSymbol(symbol);
    asked.value = r.NumberText(r.Get(at, parent, key::Value), Reader::Path(parent, key::Value));
    return asked;
}

MotorFile ReadMotor(const Reader& r, const Json& root)
{
    const Json* format = root.is_object() ? r.Find(root, key::Format) : nullptr;
    if (format == nullptr || !format->is_string() || format->get<std::string>() != MotorFileFormat)
        Malformed(text::NotMotor, {r.FileName()});
    const long long version = r.Count(r.Get(root, "", key::Version), key::Version);
    if (version > MotorFileVersion)
        Malformed(text::Newer, {r.FileName(), std::to_string(version), std::to_string(MotorFileVersion)});
    if (version < MotorFileVersion)
        r.Choice(r.Get(root, "", key::Version), key::Version, {MotorFileVersion}); // names the fault

    MotorFile motor;
    if (const Json* name = r.Find(root, key::Name))
        motor.name = r.String(*name, key::Name);
    if (const Json* note = r.Find(root, key::Note))
        motor.note = r.String(*note, key::Note);
    const Json& input = r.Object(r.Get(root, "", key::Input), key::Input);
    if (IsMeasuredForm(input))
        motor.input = ReadMeasuredForm(r, input);
    else
        motor.input = ReadInputForm(r, input);
    if (const Json* at = r.Find(root, key::At))
        motor.at = ReadAt(r, r.Object(*at, key::At));
    if (const Json* line = r.Find(root, key::TorqueLine))
        motor.torqueLine = TorqueLineOfWord(
            r.Word(*line, key::TorqueLine, {TorqueLineWord(TorqueLine::Axis), TorqueLineWord(TorqueLine::NoLoadLine)}));
    return motor;
}

// Replaces every `from` in `s` by `to`.
std::string Swapped(std::string_view s, std::string_view from, std::string_view to)
{
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        if (!from.empty() && s.substr(i, from.size()) == from) {
            out += to;
            i += from.size();
        } else {
            out += s[i++];
        }
    }
    return out;
}

std::string_view TrimmedBlanks(std::string_view s)
{
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

} // namespace

bool MeasuredForm::operator==(const MeasuredForm& other) const
{
    return std::all_of(ReadingColumns.begin(), ReadingColumns.end(), [this, &other](const ReadingColumn& c) {
        return readings.*(c.text) == other.readings.*(c.text);
    });
}

MotorFile ParseMotorFile(std::string_view bytes, std::string_view fileName)
{
    if (bytes.size() > MaxMotorFileBytes)
        Malformed(text::TooLarge, {fileName});
    if (const std::size_t bad = FirstNonUtf8(bytes); bad != std::string_view::npos)
        Malformed(text::NotUtf8, {fileName, std::to_string(bad + 1)});
    if (Nesting(bytes) > MaxNesting)
        Malformed(text::TooDeep, {fileName, std::to_string(MaxNesting)});
    // A key twice in one object would leave one of its values unread without a word: refused.
    std::vector<std::set<std::string>> keys; // of each object open at this point
    std::optional<std::string> duplicate;
    const Json::parser_callback_t strict = [&](int, Json::parse_event_t event, Json& parsed) {
        if (event == Json::parse_event_t::object_start)
            keys.emplace_back();
        else if (event == Json::parse_event_t::object_end && !keys.empty())
            keys.pop_back();
        else if (event == Json::parse_event_t::key && !keys.empty() &&
                 !keys.back().insert(parsed.get<std::string>()).second && !duplicate)
            duplicate = parsed.get<std::string>();
        return true;
    };
    Json root;
    try {
        root = Json::parse(bytes.begin(), bytes.end(), strict);
    } catch (const Json::parse_error& e) {
        const auto [line, column] = LineAndColumn(bytes, e.byte == 0 ? 0 : e.byte - 1);
        Malformed(text::NotJson, {fileName, std::to_string(line), std::to_string(column)});
    } catch (const Json::exception&) {
        Malformed(text::HugeNumber, {fileName}); // the one other fault of the parser: a number past a double
    }
    if (duplicate)
        Malformed(text::DuplicateKey, {fileName, Quoted(*duplicate)});
    return ReadMotor(Reader(fileName), root);
}

std::string ReadMotorFileBytes(const std::string& path, std::string_view fileName)
{
    InputFile file = OpenInputFile(path);
    if (file.fd < 0)
        CannotOpen(text::CannotOpen, fileName, file.error);
    // One byte past the limit tells a file that is too large, whatever the size it claims.
    const int error = ReadRest(file, MaxMotorFileBytes + 1);
    ::close(file.fd);
    if (error != 0)
        CannotOpen(text::CannotRead, fileName, error);
    return std::move(file.taken);
}

MotorFile LoadMotorFile(const std::string& path, std::string_view fileName)
{
    return ParseMotorFile(ReadMotorFileBytes(path, fileName), fileName);
}

std::string MotorFileText(const MotorFile& motor)
{
    nlohmann::ordered_json root;
    root[key::Format] = MotorFileFormat;
    root[key::Version] = MotorFileVersion;
    if (!motor.name.empty())
        root[key::Name] = motor.name;
    if (!motor.note.empty())
        root[key::Note] = motor.note;
    nlohmann::ordered_json input = nlohmann::ordered_json::object();
    if (const auto* form = std::get_if<InputForm>(&motor.input)) {
        for (const InputNumber& n : InputNumbers)
            input[n.key] = form->*n.text;
        input[key::Phases] = form->phases;
        input[key::Poles] = form->poles;
        input[key::Frequency] = DefaultFrequency;
    } else {
        const MeasuredReadings& m = std::get<MeasuredForm>(motor.input).readings;
        for (const ReadingColumn& c : ReadingColumns) {
            const std::string& text = m.*(c.text);
            if (text.empty())
                continue; // a connection with one phase, a factor not given
            if (IsCountReading(c.reading))
                input[c.name] = std::stoi(text);
            else
                input[c.name] = text;
        }
    }
    root[key::Input] = input;
    if (motor.at)
        root[key::At] = {{key::Quantity, TextsOf(motor.at->quantity).symbol}, {key::Value, motor.at->value}};
    if (motor.torqueLine)
        root[key::TorqueLine] = TorqueLineWord(*motor.torqueLine);
    return root.dump(2) + "\n";
}

std::optional<std::string> SaveMotorFile(const std::string& path, const MotorFile& motor)
{
    const std::string text = MotorFileText(motor);
    if (text.size() > MaxMotorFileBytes)
        return Fill(Tr(text::TooLargeToSave), {std::to_string(text.size())});
    return ReplaceFile(path, text);
}

std::string FileNumber(std::string_view typed)
{
    return Swapped(TrimmedBlanks(typed), SeparatorText(DecimalSeparator), ".");
}

std::string TypedNumber(std::string_view fileText)
{
    return Swapped(fileText, ".", SeparatorText(DecimalSeparator));
}

InputForm InputFormOf(const TypedInput& typed)
{
    if (typed.SpotrebicIndex < 0 || typed.SpotrebicIndex >= PhaseCount || typed.SynchrOtackyIndex < 0 ||
        typed.SynchrOtackyIndex >= SpeedCount)
        throw std::invalid_argument("InputFormOf: a radio index outside its table");
    InputForm form;
    form.i0 = FileNumber(typed.PrNapr);
    form.cos0 = FileNumber(typed.UcNapr);
    form.ik = FileNumber(typed.PrNakr);
    form.cosk = FileNumber(typed.UcNakr);
    form.uf = FileNumber(typed.FazoveNapeti);
    form.r1 = FileNumber(typed.R1f);
    form.phases = PhaseTable[typed.SpotrebicIndex].phases;
    form.poles = SpeedTable[typed.SynchrOtackyIndex].poles;
    return form;
}

TypedInput TypedInputOf(const InputForm& form)
{
    TypedInput typed;
    typed.PrNapr = TypedNumber(form.i0);
    typed.UcNapr = TypedNumber(form.cos0);
    typed.PrNakr = TypedNumber(form.ik);
    typed.UcNakr = TypedNumber(form.cosk);
    typed.FazoveNapeti = TypedNumber(form.uf);
    typed.R1f = TypedNumber(form.r1);
    typed.SpotrebicIndex = PhaseIndex(std::to_string(form.phases));
    typed.SynchrOtackyIndex = PoleIndex(std::to_string(form.poles));
    return typed;
}

MeasuredForm MeasuredFormOf(const MeasuredReadings& typed)
{
    MeasuredForm form;
    for (const ReadingColumn& c : ReadingColumns) {
        const std::string& text = typed.*(c.text);
        form.readings.*(c.text) = IsNumberReading(c.reading) ? FileNumber(text) : text;
    }
    if (form.readings.phases != "3")
        form.readings.connection.clear();
    if (form.readings.r1kind == choice::Share || form.readings.r1kind == choice::Ratio)
        form.readings.r1factor.clear();
    return form;
}

MeasuredReadings TypedReadingsOf(const MeasuredForm& form)
{
    MeasuredReadings typed;
    for (const ReadingColumn& c : ReadingColumns) {
        const std::string& text = form.readings.*(c.text);
        typed.*(c.text) = IsNumberReading(c.reading) ? TypedNumber(text) : text;
    }
    return typed;
}

const char* TorqueLineWord(TorqueLine line)
{
    return line == TorqueLine::NoLoadLine ? "no-load" : "axis";
}

std::optional<TorqueLine> TorqueLineOfWord(std::string_view word)
{
    for (const TorqueLine line : {TorqueLine::Axis, TorqueLine::NoLoadLine})
        if (word == TorqueLineWord(line))
            return line;
    return std::nullopt;
}

std::optional<std::string> AcceptMotor(const MotorFile& motor, TKonstrukce& target)
{
    // The torque line goes in with the motor: a refusal leaves the record's own as it was.
    TKonstrukce k = target;
    if (motor.torqueLine)
        k.torqueLine = *motor.torqueLine;
    if (const auto* form = std::get_if<InputForm>(&motor.input)) {
        if (const std::optional<Rejection> rejection = AcceptInput(TypedInputOf(*form), k))
            return rejection->message;
    } else {
        const MeasuredOutcome outcome = AcceptMeasured(TypedReadingsOf(std::get<MeasuredForm>(motor.input)), k);
        if (outcome.rejection)
            return outcome.rejection->message;
    }
    target = k;
    return std::nullopt;
}
