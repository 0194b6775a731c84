#pragma once

#include <string>

class CModel;
class FileSystem;

// The page "Other Programs by Ombrell" in the source tree, where a program
// run from the build tree finds it.
std::string MakerPageInSource();

// The page "Other Programs by Ombrell" opens: the page installed with the
// program, looked for relative to the running executable's folder, else
// `fallback` (normally the source tree's). Empty when neither exists.
std::string MakerPagePath(const FileSystem& fs, const std::string& executableFolder,
                          const std::string& fallback = MakerPageInSource());

// Opens that page with the desktop's opener; when it is missing or the opener
// fails, says so instead.
void OpenMakerPage(CModel& model, const std::string& executableFolder,
                   const std::string& fallback = MakerPageInSource());
