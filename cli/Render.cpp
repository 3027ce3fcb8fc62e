// Writes the results as text, CSV or JSON; the cell texts always come from the shared grid functions.
#include "Render.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <initializer_list>

#include "BookAnswers.h"

namespace {

template <class Rows>
void AppendGrid(std::string& out, const Rows& rows, char separator, const std::string& lineEnd,
                std::string (*cell)(const std::string&))
{
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0)
                out += separator;
            out += cell(row[c]);
        }
        out += lineEnd;
    }
}

// The grids one after another, one empty line between two grids.
std::string Joined(const ResultGrids& g, char separator, const std::string& lineEnd,
                   std::string (*cell)(const std::string&))
{
    std::string out;
    for (const GridRows* rows : {&g.coordinates, &g.values, &g.torque}) {
        AppendGrid(out, *rows, separator, lineEnd, cell);
        out += lineEnd;
    }
    AppendGrid(out, g.characteristic, separator, lineEnd, cell);
    out += lineEnd;
    AppendGrid(out, g.operating, separator, lineEnd, cell);
    return out;
}

std::string Verbatim(const std::string& cell)
{
    return cell;
}

// A small writer for one JSON object, fields in the order they are added.
class JsonObject {
public:
    JsonObject& Field(const char* name, const std::string& json)
    {
        text_ += text_.empty() ? "{" : ",";
        text_ += "\n  " + JsonString(name) + ": " + json;
        return *this;
    }
    std::string Close() const { return text_ + "\n}\n"; }

private:
    std::string text_;
};

std::string PointJson(const Point& b)
{
    return "{\"x\": " + JsonNumber(b.x) + ", \"y\": " + JsonNumber(b.y) + "}";
}

std::string AbscissaJson(const Abscissa& a)
{
    return "{\"x\": " + JsonNumber(a.x) + "}";
}

std::string SegmentJson(const Segment& u)
{
    return "{\"zacatek\": " + PointJson(u.zacatek) + ", \"konec\": " + PointJson(u.konec) + "}";
}

// Entries 1..20; entry 0 is not part of the characteristic.
std::string Characteristic(const SlipValues& c)
{
    std::string out = "[";
    for (int i = 1; i <= SlipCount; ++i) {
        if (i > 1)
            out += ", ";
        out += JsonNumber(c[i]);
    }
    return out + "]";
}

template <class Rows>
std::string Grid(const Rows& rows)
{
    std::string out = "[";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        out += r == 0 ? "\n    [" : ",\n    [";
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            if (c > 0)
                out += ", ";
            out += JsonString(rows[r][c]);
        }
        out += "]";
    }
    return out + "\n  ]";
}

// Members written on one line, in the order given: {"a": 1, "b": null}.
std::string InlineObject(std::initializer_list<std::pair<const char*, std::string>> members)
{
    std::string out = "{";
    for (const auto& [name, json] : members) {
        if (out.size() > 1)
            out += ", ";
        out += JsonString(name) + ": " + json;
    }
    return out + "}";
}

// A characteristic point: where it lies, its slip, then the values named; all null when there is none.
std::string PointMembers(const std::optional<OperatingPoint>& o,
                         std::initializer_list<std::pair<const char*, OptionalValue OperatingPoint::*>> values)
{
    std::string out = "{\"x\": " + (o ? JsonNumber(o->point.x) : "null") +
        ", \"y\": " + (o ? JsonNumber(o->point.y) : "null") +
        ", \"Slip\": " + JsonNumber(o ? o->slip : OptionalValue());
    for (const auto& [name, value] : values)
        out += ", " + JsonString(name) + ": " + JsonNumber(o ? (*o).*value : OptionalValue());
    return out + "}";
}

// The torque in kg·m and in synchronous watts after the members of the maximum torque's point.
std::string WithBookUnits(std::string members, const BookTorque& b)
{
    members.pop_back(); // its closing brace
    return members + ", \"TorqueKgm\": " + JsonNumber(b.kgm) + ", \"AirGapPower\": " + JsonNumber(b.synchronousWatts) +
        "}";
}

std::string CharacteristicJson(const TKonstrukce& k, const CharacteristicPoints& c)
{
    using P = OperatingPoint;
    const BookCharacteristic book = BookTorques(k, c);
    const std::pair<const char*, std::string> members[] = {
        {"MaxTorque",
         WithBookUnits(PointMembers(c.maxTorque, {{"Torque", &P::torque}, {"Omega", &P::omega}}), book.maxTorque)},
        {"StartingTorque", JsonNumber(c.startingTorque)},
        {"StartingTorqueKgm", JsonNumber(book.startingTorque.kgm)},
        {"StartingAirGapPower", JsonNumber(book.startingTorque.synchronousWatts)},
        {"TorqueRatio", JsonNumber(c.torqueRatio)},
        {"MaxOutput", PointMembers(c.maxOutput, {{"Output", &P::output}})},
        {"MaxPowerFactor",
         PointMembers(c.maxPowerFactor, {{"PowerFactor", &P::powerFactor}, {"Current", &P::current}})},
        {"MaxEfficiency", PointMembers(c.maxEfficiency, {{"Efficiency", &P::efficiency}, {"Output", &P::output}})},
        {"MaxInput", PointMembers(c.maxInput, {{"Input", &P::input}})},
    };
    std::string out = "{";
    for (const auto& [name, json] : members)
        out += (out.size() > 1 ? ",\n    " : "\n    ") + JsonString(name) + ": " + json;
    return out + "\n  }";
}

std::string OperatingJson(const CharacteristicPoints& c)
{
    std::string out = "[";
    for (int i = 1; i <= SlipCount; ++i) {
        const OperatingPoint& o = c.operating[i];
        out += i == 1 ? "\n    " : ",\n    ";
        out += InlineObject({{"Slip", JsonNumber(o.slip)},
                             {"Current", JsonNumber(o.current)},
                             {"PowerFactor", JsonNumber(o.powerFactor)},
                             {"Input", JsonNumber(o.input)},
                             {"Output", JsonNumber(o.output)},
                             {"Efficiency", JsonNumber(o.efficiency)},
                             {"Torque", JsonNumber(o.torque)},
                             {"Omega", JsonNumber(o.omega)}});
    }
    return out + "\n  ]";
}

} // namespace

ResultGrids GridsOf(const TKonstrukce& k, const CharacteristicPoints& c)
{
    return {CoordinateRows(k), ValueRows(k), TorqueRows(k), CharacteristicPointRows(k, c), OperatingRows(c)};
}

std::string RenderText(const ResultGrids& g)
{
    return Joined(g, '\t', "\n", Verbatim);
}

std::string RenderCsv(const ResultGrids& g)
{
    return Joined(g, ',', "\r\n", CsvField);
}

std::string CsvField(const std::string& cell)
{
    std::string out;
    AppendCsvField(out, cell);
    return out;
}

namespace {

// The bytes that make a CSV field need quotes, and those a JSON string escapes.
constexpr std::array<bool, 256> CsvSpecial = [] {
    std::array<bool, 256> t{};
    for (unsigned char c : {',', '"', '\r', '\n'})
        t[c] = true;
    return t;
}();
constexpr std::array<bool, 256> JsonSpecial = [] {
    std::array<bool, 256> t{};
    for (int c = 0; c < 0x20; ++c)
        t[c] = true;
    t['"'] = t['\\'] = true;
    return t;
}();

} // namespace

void AppendCsvField(std::string& out, std::string_view cell)
{
    bool quoted = false;
    for (const char ch : cell)
        quoted |= CsvSpecial[static_cast<unsigned char>(ch)];
    if (!quoted) {
        out += cell;
        return;
    }
    out += '"';
    for (char ch : cell) {
        if (ch == '"')
            out += '"';
        out += ch;
    }
    out += '"';
}

std::string JsonString(const std::string& text)
{
    std::string out;
    AppendJsonString(out, text);
    return out;
}

void AppendJsonString(std::string& out, std::string_view text)
{
    out += '"';
    std::size_t plain = 0; // start of the run of bytes that go out as they are (UTF-8 included)
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!JsonSpecial[byte])
            continue;
        out.append(text, plain, i - plain);
        plain = i + 1;
        switch (byte) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        }
        }
    }
    out.append(text, plain);
    out += '"';
}

std::string JsonNumber(long double value)
{
    std::string out;
    AppendJsonNumber(out, value);
    return out;
}

std::string JsonNumber(const OptionalValue& value)
{
    std::string out;
    AppendJsonNumber(out, value);
    return out;
}

void AppendJsonNumber(std::string& out, const OptionalValue& value)
{
    // 21 significant digits read back to the same 80-bit value; the point is always '.'.
    if (value && std::isfinite(*value))
        AppendRoundTripText(out, *value);
    else
        out += "null";
}

std::string RenderJson(const TKonstrukce& k, const CharacteristicPoints& c, const ResultGrids& g, const std::string& at)
{
    JsonObject json;
    json.Field("PrNapr", JsonNumber(k.PrNapr))
        .Field("UcNapr", JsonNumber(k.UcNapr))
        .Field("PrNakr", JsonNumber(k.PrNakr))
        .Field("UcNakr", JsonNumber(k.UcNakr))
        .Field("FazoveNapeti", JsonNumber(k.FazoveNapeti))
        .Field("R1f", JsonNumber(k.R1f))
        .Field("Spotrebic", JsonNumber(k.Spotrebic))
        .Field("SynchrOtacky", JsonNumber(k.SynchrOtacky))
        .Field("Rf", JsonNumber(k.Rf))
        .Field("R21f", JsonNumber(k.R21f))
        .Field("Ao", PointJson(k.Ao))
        .Field("Ak", PointJson(k.Ak))
        .Field("PrimkaVykonu", PointJson(k.PrimkaVykonu))
        .Field("DelkaPrimky", JsonNumber(k.DelkaPrimky))
        .Field("StredPrimky", PointJson(k.StredPrimky))
        .Field("StredKruznice", AbscissaJson(k.StredKruznice))
        .Field("Polomer", JsonNumber(k.Polomer))
        .Field("PolomerPomociAk", JsonNumber(k.PolomerPomociAk))
        .Field("BodPomeru", PointJson(k.BodPomeru))
        .Field("AInf", PointJson(k.AInf))
        .Field("PrimkaSkluzu", SegmentJson(k.PrimkaSkluzu))
        .Field("KrokSkluzu", PointJson(k.KrokSkluzu))
        .Field("OmegaSynchr", JsonNumber(k.OmegaSynchr))
        .Field("MeritkoMomentu", JsonNumber(k.MeritkoMomentu))
        .Field("SkluzX", Characteristic(k.SkluzX))
        .Field("SkluzY", Characteristic(k.SkluzY))
        .Field("KruzniceX", Characteristic(k.KruzniceX))
        .Field("KruzniceY", Characteristic(k.KruzniceY))
        .Field("MomentSkluzu", Characteristic(k.MomentSkluzu))
        .Field("OmegaSkluzu", Characteristic(k.OmegaSkluzu))
        .Field("Characteristic", CharacteristicJson(k, c))
        .Field("Operating", OperatingJson(c))
        .Field("Tabulka2", Grid(g.coordinates))
        .Field("Tabulka3", Grid(g.values))
        .Field("TabulkaM01", Grid(g.torque))
        .Field("Tabulka4", Grid(g.characteristic))
        .Field("Tabulka5", Grid(g.operating))
        .Field("TorqueLine", JsonString(k.torqueLine == TorqueLine::NoLoadLine ? "no-load" : "axis"));
    if (!at.empty())
        json.Field("At", at);
    return json.Close();
}
