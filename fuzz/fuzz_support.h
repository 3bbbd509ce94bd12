// Shared by the reader fuzz targets: the readers open "files" that are the
// fuzzer's input held in memory, and their message boxes are counted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzzing {

// The bytes that the next openForReading hands out.
void setInput(const std::uint8_t* data, std::size_t size);

// Boxes shown since the last reset, and the text of the last one.
void resetBoxes();
int boxCount();
const std::string& lastBoxText();

}  // namespace fuzzing

// Aborts the run (a finding) when a property does not hold.
#define FUZZ_CHECK(condition) \
    do {                      \
        if (!(condition)) __builtin_trap(); \
    } while (0)
