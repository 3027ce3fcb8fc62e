// The calculator's three output forms.
#pragma once

enum class OutputFormat { Text, Csv, Json };
