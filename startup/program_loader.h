// Reading a program from a file: an image, an executable with an image appended,
// or (through the tokeniser) a source file.
#pragma once
#include <string>
#include <variant>

#include "startup/program_image.h"

namespace tess {

std::variant<ProgramImage, ImageError> load_program_file(const std::string& path);

}  // namespace tess
