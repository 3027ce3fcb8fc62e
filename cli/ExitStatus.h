// The calculator's exit statuses; 64 to 74 follow the BSD sysexits convention.
#pragma once

constexpr int ExitRejected = 2; // an input rejected; in a batch, any motor not accepted
constexpr int ExitMathFault = 3;
constexpr int ExitUsage = 64;
constexpr int ExitMalformedInput = 65; // a batch file line that is not a motor
constexpr int ExitNoInput = 66;        // the batch file cannot be opened
constexpr int ExitInternal = 70;
constexpr int ExitCannotWrite = 74; // also: the batch file cannot be read to its end
