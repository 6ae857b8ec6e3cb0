#include "LoaderProblem.h"

#include "PrintableText.h"

std::string LoaderProblemText(const LoaderProblem& problem)
{
    const std::string expected = std::to_string(problem.expected);
    std::string reason;
    switch (problem.kind) {
    case LoaderProblem::Kind::Unreadable:
        reason = problem.reason;
        break;
    case LoaderProblem::Kind::NotAFolder:
        reason = "not a folder of loader blocks";
        break;
    case LoaderProblem::Kind::TooLarge:
        reason = "more than " + expected + " bytes, the receiver expects " + expected;
        break;
    case LoaderProblem::Kind::WrongSize:
        reason = std::to_string(problem.bytes) + " bytes, the receiver expects " + expected;
        break;
    }
    return EchoedText(problem.path) + ": " + reason;
}
