// A fresh temporary folder, removed with everything in it when the object
// goes away.
#pragma once

#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // path() + "/" + relative
    std::string file(const std::string& relative) const { return path_ + "/" + relative; }
    // Writes a file (creating parent folders) and returns its full path.
    std::string write(const std::string& relative, const std::string& content) const;
    std::string mkdir(const std::string& relative) const;

private:
    std::string path_;
};

// Reads a whole file; empty when it cannot be read.
std::string readFileOrEmpty(const std::string& path);
bool fileExists(const std::string& path);
