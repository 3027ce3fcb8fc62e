// The calculator's three output forms: TAB-separated text, CSV and JSON.
#pragma once

#include <string>
#include <string_view>

#include "Characteristic.h"
#include "GridTexts.h"
#include "Konstrukce.h"

// The result grids as the dialogs show them, in the order they are written.
struct ResultGrids {
    GridRows coordinates;        // Tabulka2
    GridRows values;             // Tabulka3
    GridRows torque;             // TabulkaM01
    WideGridRows characteristic; // Tabulka4
    WideGridRows operating;      // Tabulka5
};

ResultGrids GridsOf(const TKonstrukce& k, const CharacteristicPoints& c);

std::string RenderText(const ResultGrids& g);
std::string RenderCsv(const ResultGrids& g);
// `at`, when not empty, is the array of the asked operating points, written last as "At".
std::string RenderJson(const TKonstrukce& k, const CharacteristicPoints& c, const ResultGrids& g,
                       const std::string& at = {});

// Pieces with rules of their own.
std::string CsvField(const std::string& cell);
// The same field appended to `out`, for rows built in one reused string.
void AppendCsvField(std::string& out, std::string_view cell);
std::string JsonString(const std::string& text);
void AppendJsonString(std::string& out, std::string_view text);
std::string JsonNumber(long double value);
std::string JsonNumber(const OptionalValue& value); // null when empty
void AppendJsonNumber(std::string& out, const OptionalValue& value);
