// Writes the results as text, CSV or JSON; the cell texts always come from the shared grid functions.
#include "Render.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <initializer_list>

namespace {

// 21 significant digits read back to the same 80-bit value.
constexpr int RoundTripDigits = 21;

std::string Joined(const ResultGrids& g, char separator, const std::string& lineEnd,
                   std::string (*cell)(const std::string&))
{
    std::string out;
    bool first = true;
    for (const GridRows* rows : {&g.coordinates, &g.values, &g.torque}) {
        if (!first)
            out += lineEnd; // one empty line between grids
        first = false;
        for (const GridRow& row : *rows) {
            for (std::size_t c = 0; c < row.size(); ++c) {
                if (c > 0)
                    out += separator;
                out += cell(row[c]);
            }
            out += lineEnd;
        }
    }
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

std::string Grid(const GridRows& rows)
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

} // namespace

ResultGrids GridsOf(const TKonstrukce& k)
{
    return {CoordinateRows(k), ValueRows(k), TorqueRows(k)};
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
    if (cell.find_first_of(",\"\r\n") == std::string::npos)
        return cell;
    std::string out = "\"";
    for (char ch : cell) {
        if (ch == '"')
            out += '"';
        out += ch;
    }
    return out + "\"";
}

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        switch (ch) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (byte < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", byte);
                out += escape;
            } else {
                out += ch; // UTF-8 bytes pass unchanged
            }
        }
    }
    return out + "\"";
}

std::string JsonNumber(long double value)
{
    if (!std::isfinite(value))
        return "null";
    // to_chars never looks at the C locale, so the point is always '.'.
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                                         RoundTripDigits);
    if (ec != std::errc{})
        return "null"; // cannot happen with this buffer size
    return std::string(buffer, end);
}

std::string RenderJson(const TKonstrukce& k, const ResultGrids& g)
{
    return JsonObject()
        .Field("PrNapr", JsonNumber(k.PrNapr))
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
        .Field("Tabulka2", Grid(g.coordinates))
        .Field("Tabulka3", Grid(g.values))
        .Field("TabulkaM01", Grid(g.torque))
        .Close();
}
