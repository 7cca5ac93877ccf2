#pragma once
// Whole-file writes that never destroy the previous file: the data goes to a
// temporary file in the same folder, is flushed to disk, and only then renamed
// over the old file.
#include <string>
#include <string_view>
#include <vector>

namespace zentar {

// Writes `data` to `path`. On failure returns false, leaves any previous file
// untouched and sets `error` to "<path>: <reason>".
bool Write_File_Safe(const std::string& path, std::string_view data, std::string& error);

struct TFile_Write {
  std::string path;
  std::string data;
};

// Writes several files as one: every file is first written to its temporary
// file; only when all of them are on disk are they renamed into place. A
// failure before the renames leaves every previous file untouched.
bool Write_Files_Safe(const std::vector<TFile_Write>& files, std::string& error);

// Reads a whole file. False (with `error`) when it cannot be read.
bool Read_File(const std::string& path, std::string& data, std::string& error);

bool File_Exists(const std::string& path);
bool Folder_Exists(const std::string& path);

} // namespace zentar
