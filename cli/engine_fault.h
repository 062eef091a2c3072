#pragma once
// An engine's zolvik::Error reported as a fault in one piece of the user's input, so that the
// message names what to correct: "zolvik COMMAND: SUBJECT: message".
#include <string>

#include "cli/command.h"
#include "common/errors.h"

namespace zolvik::cli {

template <class Work>
auto BlameInput(const std::string &subject, Work work) -> decltype(work())
{
    try {
        return work();
    } catch (const Error &error) {
        throw InputFault(subject, error.what());
    }
}

}  // namespace zolvik::cli
