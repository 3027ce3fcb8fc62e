// Values with units for the operating point: every unit of every quantity, the number in the locale's
// form, and the refusals naming the units a quantity takes.
#include <gtest/gtest.h>

#include "NumText.h"
#include "QuantityValue.h"

namespace {

struct CommaSeparator {
    char32_t decimal = DecimalSeparator, thousand = ThousandSeparator;
    CommaSeparator() { DecimalSeparator = U',', ThousandSeparator = U'\u00A0'; }
    ~CommaSeparator() { DecimalSeparator = decimal, ThousandSeparator = thousand; }
};

using Q = OperatingQuantity;

TEST(QuantityValue, ReadsEveryUnitOfItsQuantity)
{
    const CommaSeparator comma;
    const struct {
        Q quantity;
        const char* text;
        long double value;
    } cases[] = {
        {Q::Output, "15000", 15000},
        {Q::Output, " 15 000 W ", -1},
        {Q::Output, "37,3 kW", 37300},
        {Q::Output, "14,9kW", 14900},
        {Q::Output, "1,5\u00A0MW", 1.5e6L},
        {Q::Output, "50 hp", 50 * 745.7L},
        {Q::Output, "0,1e2 kW", 1e4L},
        {Q::Input, "-2 W", -2},
        {Q::Input, "20,5 kW", 20500},
        {Q::Torque, "200 N·m", 200},
        {Q::Torque, "200Nm", 200},
        {Q::Torque, "0,2 kN·m", 200},
        {Q::Torque, "0,2 kNm", 200},
        {Q::Current, "60 A", 60},
        {Q::Current, "0,06 kA", 60},
        {Q::Speed, "720 1/min", 720},
        {Q::Speed, "720 min⁻¹", 720},
        {Q::Speed, "720 rpm", 720},
        {Q::Slip, "4 %", TextToNumber("0,04")},
        {Q::Slip, "0,04", TextToNumber("0,04")},
        {Q::Slip, "2,5%", TextToNumber("0,025")},
    };
    for (const auto& c : cases) {
        const QuantityValue read = ReadQuantityValue(c.quantity, c.text);
        if (c.value < 0 && c.quantity == Q::Output) { // grouping is not typed
            EXPECT_FALSE(read.value) << c.text;
            EXPECT_TRUE(read.unitFits) << c.text;
            continue;
        }
        ASSERT_TRUE(read.value) << c.text;
        EXPECT_EQ(*read.value, c.value) << c.text;
        // The number kept for a motor file converts to the very same bits.
        EXPECT_EQ(TextToNumber(read.number), *read.value) << c.text << " as " << read.number;
    }
}

TEST(QuantityValue, RefusesWhatIsNoValueOfTheQuantity)
{
    const CommaSeparator comma;
    const struct {
        Q quantity;
        const char* text;
        const char* unit; // nullptr: no number at all
        const char* message;
    } cases[] = {
        {Q::Output, "15 Nm", "Nm", "Jednotka „Nm“ nepatří k veličině Výkon; ta se zadává v W, kW, MW, hp."},
        {Q::Torque, "15 kW", "kW", "Jednotka „kW“ nepatří k veličině Moment; ta se zadává v N·m, Nm, kN·m."},
        {Q::Current, "3 hp", "hp", "Jednotka „hp“ nepatří k veličině Proud; ta se zadává v A, kA."},
        {Q::Slip, "720 rpm", "rpm", "Jednotka „rpm“ nepatří k veličině Skluz; ta se zadává v %."},
        {Q::Speed, "4 %", "%", "Jednotka „%“ nepatří k veličině Otáčky; ta se zadává v 1/min, min⁻¹, rpm."},
        {Q::Input, "15 kWh", "kWh", "Jednotka „kWh“ nepatří k veličině Příkon; ta se zadává v W, kW, MW, hp."},
        {Q::Output, "15.5 kW", nullptr, "Hodnota „15.5 kW“ není číslo."},
        {Q::Output, "kW", nullptr, "Hodnota „kW“ není číslo."},
        {Q::Current, "", nullptr, "Hodnota „“ není číslo."},
        {Q::Torque, "x Nm", nullptr, "Hodnota „x Nm“ není číslo."},
    };
    for (const auto& c : cases) {
        const QuantityValue read = ReadQuantityValue(c.quantity, c.text);
        EXPECT_FALSE(read.value) << c.text;
        EXPECT_EQ(read.unitFits, c.unit == nullptr) << c.text;
        EXPECT_EQ(read.unit, c.unit ? c.unit : read.unit) << c.text;
        EXPECT_EQ(RefusalText(c.quantity, c.text, read), c.message);
    }
}

} // namespace
