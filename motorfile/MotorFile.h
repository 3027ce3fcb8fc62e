// Motor files (.orbitek): one motor's inputs as the user typed them, in a small, readable UTF-8 JSON file,
// read strictly and written whole. No Qt: the calculator reads and writes them too.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "Acceptance.h"
#include "Errors.h"
#include "Measured.h"
#include "OperatingPointSolver.h"

constexpr std::string_view MotorFileSuffix = ".orbitek";
constexpr std::string_view MotorFileFormat = "orbitek-motor";
constexpr int MotorFileVersion = 1;
constexpr std::size_t MaxMotorFileBytes = 1024 * 1024; // a motor takes under a kilobyte

// The input dialog's form: the six numbers as typed, a full stop for the decimal separator whatever the
// locale; the phase count and 2p as counts. Always 50 Hz: the dialog's speeds are the 50-Hz table's.
struct InputForm {
    std::string i0, cos0, ik, cosk, uf, r1;
    int phases = 3;
    int poles = 8;
    bool operator==(const InputForm&) const = default;
};

// The measured readings' form, the batch header's columns and r1factor; numbers with a full stop.
// `connection` is empty with one phase, `r1factor` empty when not given or not used (a share).
struct MeasuredForm {
    MeasuredReadings readings;
    bool operator==(const MeasuredForm& other) const;
};

// The operating point asked for: a quantity and its value, typed with a full stop.
struct AskedValue {
    OperatingQuantity quantity = OperatingQuantity::Output;
    std::string value;
    bool operator==(const AskedValue&) const = default;
};

struct MotorFile {
    std::string name; // free texts for the window and the page's title block; empty for none
    std::string note;
    std::variant<InputForm, MeasuredForm> input;
    std::optional<AskedValue> at;
    std::optional<TorqueLine> torqueLine; // none: the choice of whoever computes the motor
    bool operator==(const MotorFile&) const = default;
};

// A motor file that cannot be read; the message names the file and the fault, in Czech.
class EMotorFileError : public OrbitekError {
public:
    enum class Kind { CannotOpen, Malformed };
    EMotorFileError(Kind kind, const std::string& message) : OrbitekError(message), kind(kind) {}
    Kind kind;
};

// The motor in a file's bytes; `fileName` is how the messages name the file. Every number is checked to
// be one in the current locale too. Raises EMotorFileError (Malformed).
MotorFile ParseMotorFile(std::string_view bytes, std::string_view fileName);
// The same from the file at `path` (in the file system's encoding). Raises EMotorFileError.
MotorFile LoadMotorFile(const std::string& path, std::string_view fileName);
// The bytes of the file at `path`, read to its end or to one byte past MaxMotorFileBytes; a FIFO that no
// process writes to is refused after a few seconds. Raises EMotorFileError (CannotOpen).
std::string ReadMotorFileBytes(const std::string& path, std::string_view fileName);
// The file's text: indented JSON, UTF-8, ending with a newline.
std::string MotorFileText(const MotorFile& motor);
// Writes the motor's file at `path` whole or not at all (ReplaceFile), refusing a text the reader would
// refuse for its size. The reason of a failure, or nothing.
std::optional<std::string> SaveMotorFile(const std::string& path, const MotorFile& motor);

// Between a number typed in the locale's form and the file's form: the same characters with the decimal
// separator swapped, so that the number converts to the same bits; blanks around it are dropped.
std::string FileNumber(std::string_view typed);
std::string TypedNumber(std::string_view fileText);

// Between the forms as the dialogs and the calculator hold them (locale texts, radio indices) and the file's.
// InputFormOf raises std::invalid_argument for a radio index outside its table.
InputForm InputFormOf(const TypedInput& typed);
TypedInput TypedInputOf(const InputForm& form);
MeasuredForm MeasuredFormOf(const MeasuredReadings& typed);
MeasuredReadings TypedReadingsOf(const MeasuredForm& form);

// The words the file writes a torque line with, as the calculator's --torque-line takes them.
const char* TorqueLineWord(TorqueLine line);
std::optional<TorqueLine> TorqueLineOfWord(std::string_view word);

// Accepts the file's motor into `target`, with the file's torque line when it names one: whole or not
// at all. Nothing, or acceptance's own message. Raises EMathError, and EConvertError for a number that is
// none in the current locale (never for a motor ParseMotorFile returned under the same locale).
std::optional<std::string> AcceptMotor(const MotorFile& motor, TKonstrukce& target = Konstrukce);
