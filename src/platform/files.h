// File access for the data directory. Every data file the saver reads or
// writes goes through here, so that size limits, atomic replacement and the
// per-user store of a read-only installation are handled in one place.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace platform {

enum class ReadResult { Ok, CannotOpen, TooLarge };

// Reads the whole file as bytes into out. Files larger than maxBytes are
// refused without reading them.
ReadResult readWholeFile(const std::string& path, std::string& out, std::size_t maxBytes);

// Replaces the file with data: written to a temporary file in the same
// folder, flushed to disk and renamed over the old one, so that a crash or a
// full disk leaves either the old or the new content, never a mixture.
// Temporary files that killed saves of the same file left behind more than
// a minute ago are removed first.
bool writeFileAtomically(const std::string& path, const std::string& data);

// Opens a file for reading raw bytes (the picture readers use stdio).
std::FILE* openForReading(const std::string& path);

// True when the file exists and can be opened for reading.
bool fileReadable(const std::string& path);

}  // namespace platform
