// The calculator's three output forms: TAB-separated text, CSV and JSON.
#pragma once

#include <string>

#include "GridTexts.h"
#include "Konstrukce.h"

// The three result grids as the dialogs show them.
struct ResultGrids {
    GridRows coordinates; // Tabulka2
    GridRows values;      // Tabulka3
    GridRows torque;      // TabulkaM01
};

ResultGrids GridsOf(const TKonstrukce& k);

std::string RenderText(const ResultGrids& g);
std::string RenderCsv(const ResultGrids& g);
std::string RenderJson(const TKonstrukce& k, const ResultGrids& g);

// Pieces with rules of their own.
std::string CsvField(const std::string& cell);
std::string JsonString(const std::string& text);
std::string JsonNumber(long double value);
