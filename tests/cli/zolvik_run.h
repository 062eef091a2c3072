#pragma once
// The built `zolvik` program run as a script runs it, for the tests of its subcommands.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/scratch_folder.h"

namespace zolvik::test {

inline std::string Quoted(const std::string &text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

inline std::vector<std::string> Joined(std::vector<std::string> head,
                                       const std::vector<std::string> &tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the program in `folder` with the arguments, standard input from `input` (a shell
// redirection such as "< FILE" or a pipe "cat FILE |"), and collects what it printed.
inline Outcome RunZolvik(const ScratchFolder &folder, const std::vector<std::string> &args,
                         const std::string &feed = "")
{
    std::string command =
        "cd " + Quoted(folder.Path().string()) + " && " + feed + " " + Quoted(ZOLVIK_PROGRAM);
    for (const std::string &arg : args)
        command += " " + Quoted(arg);
    const std::string out = (folder.Path() / ".out").string();
    const std::string err = (folder.Path() / ".err").string();
    command += " > " + Quoted(out) + " 2> " + Quoted(err);
    if (feed.empty())
        command += " < /dev/null";
    const int raw = std::system(("sh -c " + Quoted(command)).c_str());
    Outcome outcome{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ScratchFolder::Read(out),
                    ScratchFolder::Read(err)};
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return outcome;
}

}  // namespace zolvik::test
