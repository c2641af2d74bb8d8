// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ProgramOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace hn {

namespace {

int g_firstOutError = 0; // errno of the first failed write to standard output

void NoteOutError(int error)
{
    if (g_firstOutError == 0)
        g_firstOutError = error;
}

} // namespace

void WriteOut(std::string_view text)
{
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size())
        NoteOutError(errno);
}

void WriteErr(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stderr);
}

bool FinishOut()
{
    errno = 0;
    if (std::fflush(stdout) != 0)
        NoteOutError(errno);
    if (!std::ferror(stdout))
        return true;
    std::string message = "hensai-calc: cannot write to standard output";
    if (g_firstOutError != 0)
        message.append(": ").append(std::strerror(g_firstOutError));
    WriteErr(message + "\n");
    return false;
}

} // namespace hn
