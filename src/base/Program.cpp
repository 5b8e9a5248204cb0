// Program.cpp
#include "base/Program.hpp"

#include <cassert>

namespace base
{
namespace
{
std::unique_ptr<Program> theProgram;
}

Program& program()
{
    assert(theProgram && "no program installed");
    return *theProgram;
}

bool hasProgram()
{
    return theProgram != nullptr;
}

std::unique_ptr<Program> swapProgram(std::unique_ptr<Program> replacement)
{
    std::swap(theProgram, replacement);
    return replacement;
}
} // namespace base
