// Motor files: every golden motor and motors as measured come back with the same record bits under either
// decimal separator; each fault of a file is named; the files are written whole or not at all.
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

#include <gtest/gtest.h>

#include "InputFile.h"
#include "MotorFile.h"
#include "RecordBits.h"
#include "ReplaceFile.h"

namespace {

namespace fs = std::filesystem;

// The decimal separator the user has while a test runs.
class Separator {
public:
    explicit Separator(char32_t c) : saved_(DecimalSeparator) { DecimalSeparator = c; }
    ~Separator() { DecimalSeparator = saved_; }

private:
    char32_t saved_;
};

std::vector<TypedInput> GoldenMotors()
{
    std::ifstream file(GOLDEN_RECORDS);
    std::vector<TypedInput> motors;
    for (std::string line; std::getline(file, line);) {
        if (line.rfind("motor\t", 0) != 0)
            continue;
        std::vector<std::string> f;
        std::stringstream in(line);
        for (std::string field; std::getline(in, field, '\t');)
            f.push_back(field);
        motors.push_back({f[1], f[2], f[3], f[4], f[5], f[6], std::stoi(f[7]), std::stoi(f[8])});
    }
    return motors;
}

// Saved under one separator and opened under another: the motor computed when saving, bit for bit.
void ExpectRoundTrip(const MotorFile& motor, const TKonstrukce& computed, char32_t openingSeparator)
{
    const std::string text = MotorFileText(motor);
    const Separator opening(openingSeparator);
    const MotorFile read = ParseMotorFile(text, "motor.orbitek");
    EXPECT_TRUE(read == motor) << text;
    EXPECT_EQ(MotorFileText(read), text);
    TKonstrukce opened{};
    ASSERT_EQ(AcceptMotor(read, opened), std::nullopt) << text;
    EXPECT_EQ(DifferingValue(opened, computed), -1) << text;
}

TEST(MotorFile, GoldenMotorsComeBackBitForBit)
{
    const std::vector<TypedInput> motors = GoldenMotors();
    ASSERT_GE(motors.size(), 200u);
    for (const TypedInput& typed : motors) {
        MotorFile motor;
        TKonstrukce computed{};
        {
            const Separator saving(U',');
            ASSERT_EQ(AcceptInput(typed, computed), std::nullopt);
            motor.input = InputFormOf(typed);
        }
        for (const char32_t opening : {U',', U'.'})
            ExpectRoundTrip(motor, computed, opening);
    }
}

TEST(MotorFile, MotorsAsMeasuredComeBackBitForBitWithTheirPointAndTorqueLine)
{
    const MeasuredReadings cases[] = {
        {"400", "star", "50", "4", "3", "400", "10", "1000", "100", "20", "1200", "0,5", "phase", ""},
        {"415", "delta", "60", "14", "3", "415", "21", "1250", "100", "45", "2730", "0,4", "terminals", "1,1"},
        {"230", "", "50", "2", "1", "230", "3", "150", "60", "8", "300", "2", "terminals", ""},
        {"200", "star", "50", "4", "3", "200", "5", "350", "100", "26", "1700", "0,5", "share", ""},
        // As books print them: power factors, the pair with R2 on the rotor's side, the ratio.
        {"400", "star", "50", "4", "3", "400", "10", "", "100", "20", "", "0,5", "phase", "", "0,2", "0,35"},
        {"400", "star", "50", "4", "3", "400", "10", "1000", "100", "20", "1200", "0,45", "pair", "1,05", "", "",
         "0,125", "2"},
        {"400", "delta", "50", "4", "3", "400", "10", "1000", "100", "20", "1200", "1,5", "ratio", ""},
        {"400", "star", "60", "", "3", "400", "10", "1000", "100", "20", "1200", "0,5", "phase", ""}, // no 2p
    };
    for (const MeasuredReadings& typed : cases) {
        MotorFile motor;
        motor.name = "Zkušební motor č. 3";
        motor.note = "Měřeno 12. 3.\n„teplý“ stav";
        motor.at = AskedValue{OperatingQuantity::Torque, "12.5"};
        motor.torqueLine = TorqueLine::NoLoadLine;
        TKonstrukce computed{};
        computed.torqueLine = TorqueLine::NoLoadLine;
        {
            const Separator saving(U',');
            ASSERT_EQ(AcceptMeasured(typed, computed).rejection, std::nullopt) << typed.un;
            motor.input = MeasuredFormOf(typed);
        }
        for (const char32_t opening : {U',', U'.'})
            ExpectRoundTrip(motor, computed, opening);
    }
}

// A file of the defaults with one edit: `from` replaced by `to`.
std::string Defaults(const std::string& from = "", const std::string& to = "")
{
    std::string text = R"({"format": "orbitek-motor", "version": 1, "name": "M",
  "input": {"i0": "15", "cos0": "0.11", "ik": "177", "cosk": "0.41", "uf": "220", "r1": "0.25",
            "phases": 3, "poles": 8}})";
    if (!from.empty())
        text.replace(text.find(from), from.size(), to);
    return text;
}

// `text` with one more member of the root object.
std::string With(std::string text, const std::string& member)
{
    return text.insert(text.rfind('}'), ", " + member);
}

// The defaults padded with blanks to `size` bytes.
std::string Padded(std::size_t size)
{
    const std::string text = Defaults();
    return text.substr(0, text.size() - 1) + std::string(size - text.size(), ' ') + "}";
}

std::string Measured(const std::string& extra)
{
    return R"({"format": "orbitek-motor", "version": 1, "input": {"un": "400", "poles": 4, "phases": 3,
  "u0": "400", "i0": "10", "p0": "1000", "uk": "100", "ik": "20", "pk": "1200", "r1": "0.5")" +
        extra + "}}";
}

TEST(MotorFile, EachFaultIsNamedWithTheFile)
{
    const struct {
        const char* fault;
        std::string bytes;
        const char* message; // empty: the file is a motor
    } cases[] = {
        {"not JSON", "{\"format\": \"orbitek-motor\",\n  \"version\" 1}",
         "není motor Orbiteku: není to JSON (řádek 2, znak 13)."},
        {"over 1 MiB", Padded(MaxMotorFileBytes + 1), "není motor Orbiteku: je větší než 1 MiB."},
        {"1 MiB exactly is read", Padded(MaxMotorFileBytes), ""},
        {"invalid UTF-8", Defaults("\"M\"", "\"M\xC3\x28\""), "bajt 53 není text v kódování UTF-8"},
        {"a number past JSON's range", Defaults("\"phases\": 3", "\"phases\": 1e400"), "číslo mimo rozsah JSON"},
        {"nested too deep", std::string(40, '[') + std::string(40, ']'), "vnořený hlouběji než 16 úrovní"},
        {"not ours", R"({"format": "orbitek-batch", "version": 1})", "chybí \"format\": \"orbitek-motor\""},
        {"a newer version", Defaults("\"version\": 1", "\"version\": 2"),
         "je motor ve verzi 2 formátu, tento Orbitek čte jen verzi 1"},
        {"missing key", Defaults("\"cosk\": \"0.41\", ", ""), "chybí „input.cosk“."},
        {"a number, not a text", Defaults("\"15\"", "15"),
         "„input.i0“ má být text s číslem (například \"0.25\"), ne celé číslo."},
        {"a decimal comma", Defaults("\"0.25\"", "\"0,25\""),
         "„input.r1“ není číslo zapsané s desetinnou tečkou: „0,25“."},
        {"a number too large", Defaults("\"220\"", "\"1e5000\""), "„input.uf“ není číslo"},
        {"an escape sequence quoted", Defaults("\"0.25\"", "\"\\u001b[2J\\n\""),
         "„input.r1“ není číslo zapsané s desetinnou tečkou: „\\x1B[2J\\n“."},
        {"a NUL quoted whole", Defaults("\"0.25\"", "\"1\\u0000x\""),
         "„input.r1“ není číslo zapsané s desetinnou tečkou: „1\\x00x“."},
        {"a whole number past 64 bits", Defaults("\"poles\": 8", "\"poles\": 99999999999999999999"),
         "„input.poles“ je celé číslo mimo rozsah: 1e+20."},
        {"a whole number past 63 bits", Defaults("\"poles\": 8", "\"poles\": 18446744073709551615"),
         "„input.poles“ je celé číslo mimo rozsah: 18446744073709551615."},
        {"a key twice", Defaults("\"ik\": \"177\"", "\"ik\": \"177\", \"ik\": \"150\""),
         "není motor Orbiteku: klíč „ik“ je v jednom objektu dvakrát."},
        {"the same key in two objects", Defaults("\"name\": \"M\"", "\"name\": \"M\", \"x\": {\"name\": 1}"), ""},
        {"two phases", Defaults("\"phases\": 3", "\"phases\": 2"), "„input.phases“ smí být jen 1 nebo 3, ne 2."},
        {"60 Hz typed values", Defaults("\"poles\": 8", "\"poles\": 8, \"frequency\": 60"),
         "pro 60 Hz zadejte naměřenými"},
        {"an unknown quantity", With(Defaults(), "\"at\": {\"quantity\": \"Q\", \"value\": \"1\"}"),
         "„at.quantity“ smí být jen \"P2\", \"M\", \"I\", \"P1\", \"s\" nebo \"n\", ne \"Q\"."},
        {"a torque line misspelt", With(Defaults(), "\"torqueLine\": \"noload\""),
         "„torqueLine“ smí být jen \"axis\" nebo \"no-load\", ne \"noload\"."},
        {"unknown keys are ignored", Defaults("\"name\"", "\"colour\": [1, {}], \"name\""), ""},
        {"measured, three phases without connection", Measured(", \"r1kind\": \"phase\""), "chybí „input.connection“."},
        {"measured, a factor with the rotor's share",
         Measured(", \"connection\": \"star\", \"r1kind\": \"share\", \"r1factor\": \"1.1\""),
         "„input.r1factor“ nepatří k podílu rotoru"},
        {"measured, one phase needs no connection",
         Measured(", \"phases\": 1, \"r1kind\": \"phase\"").replace(Measured("").find("\"phases\": 3"), 13, ""), ""},
    };
    const Separator comma(U',');
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        try {
            ParseMotorFile(c.bytes, "zkouška.orbitek");
            EXPECT_STREQ(c.message, "") << "read as a motor";
        } catch (const EMotorFileError& e) {
            EXPECT_EQ(e.kind, EMotorFileError::Kind::Malformed);
            const std::string message = e.what();
            EXPECT_EQ(message.rfind("Soubor „zkouška.orbitek“", 0), 0u) << message;
            EXPECT_NE(*c.message, '\0') << message;
            EXPECT_NE(message.find(c.message), std::string::npos) << message;
        }
    }
}

TEST(MotorFile, AMotorAcceptanceRefusesLeavesTheRecordAndItsTorqueLine)
{
    const Separator comma(U',');
    const MotorFile refused = ParseMotorFile(With(Defaults("\"177\"", "\"15\""), "\"torqueLine\": \"no-load\""),
                                             "m.orbitek");
    TKonstrukce k{};
    ASSERT_EQ(AcceptMotor(ParseMotorFile(Defaults(), "m.orbitek"), k), std::nullopt);
    const TKonstrukce before = k;
    EXPECT_EQ(AcceptMotor(refused, k), std::optional<std::string>("Chybné zadání proudu nakrátko."));
    EXPECT_EQ(DifferingValue(k, before), -1);
}

// Written whole: a new file with the usual permissions, a replaced one keeping its own; a write that fails
// half-way (the file size limit stands for a full disk) leaves the old file and no temporary one.
TEST(ReplaceFile, WritesWholeOrLeavesTheOldFile)
{
    const fs::path folder = fs::temp_directory_path() / ("orbitek-replace-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const fs::path file = folder / "m.orbitek";
    const mode_t mask = umask(022);
    ASSERT_EQ(ReplaceFile(file, "first"), std::nullopt);
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0644));
    fs::permissions(file, fs::perms(0600));
    ASSERT_EQ(ReplaceFile(file, "second"), std::nullopt);
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0600));

    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit full = saved;
    full.rlim_cur = 4;
    setrlimit(RLIMIT_FSIZE, &full);
    const std::optional<std::string> error = ReplaceFile(file, "third, too long");
    setrlimit(RLIMIT_FSIZE, &saved);
    umask(mask);
    EXPECT_NE(error, std::nullopt);
    std::ifstream in(file);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "second");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    fs::remove_all(folder);
}

// Every kind of target a save meets: a link is kept and its file replaced, even a link to a file not there
// yet; what is no regular file is refused untouched; a name too long for any suffix still saves.
TEST(ReplaceFile, WritesOnlyRegularFilesAndKeepsLinks)
{
    const fs::path folder = fs::temp_directory_path() / ("orbitek-targets-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / "folder");
    std::ofstream(folder / "real") << "old";
    fs::create_symlink("real", folder / "link");
    fs::create_symlink("link", folder / "chain");
    fs::create_symlink("new", folder / "dangling");
    fs::create_symlink("loop", folder / "loop");
    ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0644), 0);
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = (folder / "socket").string();
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath.c_str());
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const std::string longName(255, 'm');

    const struct {
        std::string name; // what is saved to
        std::string file; // the file that then holds the bytes, or empty when refused
        bool refused = false;
    } cases[] = {
        {"link", "real"},   {"chain", "real"},    {"dangling", "new"}, {longName, longName},
        {"loop", "", true}, {"folder", "", true}, {"fifo", "", true},  {"socket", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.substr(0, 20));
        const std::optional<std::string> error = ReplaceFile((folder / c.name).string(), "bytes of " + c.name);
        EXPECT_EQ(error.has_value(), c.refused) << error.value_or("");
        if (!c.refused) {
            std::ifstream in(folder / c.file);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "bytes of " + c.name);
        }
    }
    EXPECT_TRUE(fs::is_symlink(folder / "link"));
    EXPECT_TRUE(fs::is_symlink(folder / "dangling"));
    EXPECT_TRUE(fs::is_fifo(folder / "fifo"));
    EXPECT_TRUE(fs::is_socket(folder / "socket"));
    EXPECT_EQ(ReplaceFile((folder / "fifo").string(), "x"),
              std::optional<std::string>("není to obyčejný soubor (ale FIFO, zařízení nebo soket)"));
    for (const fs::directory_entry& e : fs::directory_iterator(folder))
        EXPECT_NE(e.path().filename().string().rfind(".orbitek-", 0), 0u) << "a temporary file left behind";
    close(listener);
    fs::remove_all(folder);
}

// A FIFO nobody writes to is refused after the wait, not waited for for ever; one whose writer is there,
// even a slow one, is read to its end.
TEST(InputFile, AFifoWithoutWriterIsRefusedAndAWriterIsWaitedFor)
{
    const fs::path fifo = fs::temp_directory_path() / ("orbitek-fifo-" + std::to_string(getpid()));
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const InputFile none = OpenInputFile(fifo, std::chrono::milliseconds(50));
    EXPECT_EQ(none.fd, -1);
    EXPECT_EQ(none.error, NoWriterError);

    std::thread writer([&fifo] {
        std::ofstream out(fifo); // opens once the reader is there
        out << "first ";
        out.flush();
        std::this_thread::sleep_for(std::chrono::milliseconds(100)); // a slow writer, not a timing test
        out << "second";
    });
    InputFile file = OpenInputFile(fifo, std::chrono::seconds(60));
    ASSERT_GE(file.fd, 0);
    EXPECT_EQ(ReadRest(file, 1000), 0);
    close(file.fd);
    writer.join();
    EXPECT_EQ(file.taken, "first second");
    fs::remove(fifo);
}

// A motor whose text would be refused on opening for its size is not saved.
TEST(SaveMotorFile, RefusesWhatCouldNotBeOpenedAgain)
{
    const fs::path file = fs::temp_directory_path() / ("orbitek-large-" + std::to_string(getpid()) + ".orbitek");
    MotorFile motor;
    motor.input = InputForm{"15", "0.11", "177", "0.41", "220", "0.25", 3, 8};
    motor.note = std::string(MaxMotorFileBytes - 20, 'n'); // under the limit, the file's text over it
    const std::optional<std::string> error = SaveMotorFile(file, motor);
    ASSERT_NE(error, std::nullopt);
    EXPECT_NE(error->find("víc než 1 MiB"), std::string::npos) << *error;
    EXPECT_FALSE(fs::exists(file));
    motor.note.resize(1000);
    ASSERT_EQ(SaveMotorFile(file, motor), std::nullopt);
    EXPECT_EQ(LoadMotorFile(file, "m"), motor);
    fs::remove(file);
}

} // namespace
