// The golden record file: a motor's typed inputs, every value of its record as 80-bit hex and the
// texts of the three result grids. Shared by the generator and the test that replays the file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Acceptance.h"
#include "GridTexts.h"

namespace golden {

// The exact 80 bits of an extended value: sign and exponent, then the 64-bit significand.
inline std::string Hex(long double v)
{
    unsigned char bytes[10];
    std::memcpy(bytes, &v, sizeof bytes);
    std::uint64_t significand = 0;
    std::memcpy(&significand, bytes, 8);
    const unsigned signExponent = bytes[8] | bytes[9] << 8;
    char text[24];
    std::snprintf(text, sizeof text, "%04X%016llX", signExponent, static_cast<unsigned long long>(significand));
    return text;
}

struct NamedValue {
    std::string name;
    long double value;
};

// Every value of the record under its field name, in the record's order.
inline std::vector<NamedValue> RecordValues(const TKonstrukce& k)
{
    std::vector<NamedValue> v{
        {"PrNapr", k.PrNapr},
        {"UcNapr", k.UcNapr},
        {"PrNakr", k.PrNakr},
        {"UcNakr", k.UcNakr},
        {"FazoveNapeti", k.FazoveNapeti},
        {"R1f", k.R1f},
        {"Spotrebic", k.Spotrebic},
        {"SynchrOtacky", k.SynchrOtacky},
        {"Rf", k.Rf},
        {"R21f", k.R21f},
        {"Ao.x", k.Ao.x},
        {"Ao.y", k.Ao.y},
        {"Ak.x", k.Ak.x},
        {"Ak.y", k.Ak.y},
        {"PrimkaVykonu.x", k.PrimkaVykonu.x},
        {"PrimkaVykonu.y", k.PrimkaVykonu.y},
        {"DelkaPrimky", k.DelkaPrimky},
        {"StredPrimky.x", k.StredPrimky.x},
        {"StredPrimky.y", k.StredPrimky.y},
        {"StredKruznice.x", k.StredKruznice.x},
        {"Polomer", k.Polomer},
        {"PolomerPomociAk", k.PolomerPomociAk},
        {"BodPomeru.x", k.BodPomeru.x},
        {"BodPomeru.y", k.BodPomeru.y},
        {"AInf.x", k.AInf.x},
        {"AInf.y", k.AInf.y},
        {"PrimkaSkluzu.zacatek.x", k.PrimkaSkluzu.zacatek.x},
        {"PrimkaSkluzu.zacatek.y", k.PrimkaSkluzu.zacatek.y},
        {"PrimkaSkluzu.konec.x", k.PrimkaSkluzu.konec.x},
        {"PrimkaSkluzu.konec.y", k.PrimkaSkluzu.konec.y},
        {"KrokSkluzu.x", k.KrokSkluzu.x},
        {"KrokSkluzu.y", k.KrokSkluzu.y},
        {"OmegaSynchr", k.OmegaSynchr},
        {"MeritkoMomentu", k.MeritkoMomentu},
    };
    const struct {
        const char* name;
        const SlipValues& values;
    } arrays[] = {
        {"SkluzX", k.SkluzX},
        {"SkluzY", k.SkluzY},
        {"KruzniceX", k.KruzniceX},
        {"KruzniceY", k.KruzniceY},
        {"MomentSkluzu", k.MomentSkluzu},
        {"OmegaSkluzu", k.OmegaSkluzu},
    };
    for (const auto& a : arrays)
        for (int i = 1; i <= SlipCount; ++i)
            v.push_back({std::string(a.name) + "[" + std::to_string(i) + "]", a.values[i]});
    return v;
}

// The first line of a motor's block: its eight inputs as the dialog hands them over.
inline std::string InputLine(const TypedInput& z)
{
    return "motor\t" + z.PrNapr + "\t" + z.UcNapr + "\t" + z.PrNakr + "\t" + z.UcNakr + "\t" + z.FazoveNapeti + "\t" +
        z.R1f + "\t" + std::to_string(z.SpotrebicIndex) + "\t" + std::to_string(z.SynchrOtackyIndex) + "\n";
}

// The whole block of an accepted record: values, then the three grids with ',' and ' ' separators.
inline std::string Block(const TypedInput& z, const TKonstrukce& k)
{
    std::string out = InputLine(z);
    for (const NamedValue& v : RecordValues(k))
        out += v.name + "\t" + Hex(v.value) + "\n";
    const char32_t decimal = DecimalSeparator;
    const char32_t thousand = ThousandSeparator;
    DecimalSeparator = U',';
    ThousandSeparator = U' ';
    for (const GridRows& rows : {CoordinateRows(k), ValueRows(k), TorqueRows(k)})
        for (const GridRow& row : rows)
            out += "grid\t" + row[0] + "\t" + row[1] + "\t" + row[2] + "\n";
    DecimalSeparator = decimal;
    ThousandSeparator = thousand;
    return out;
}

} // namespace golden
