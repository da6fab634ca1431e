#include "checks/LevelCheck.h"

#include <algorithm>
#include <cstring>

#include "checks/LevelChecks.h"
#include "image/ImageFile.h"
#include "level/LevelFile.h"
#include "level/LevelScene.h"

namespace {

// The side of the largest image the editor takes (MAX_IMAGE_PIXELS); an OpenGL context may take
// less, which only the editor can ask.
constexpr unsigned kLargestImageSide = 8192;

std::string Count(std::size_t count, const char* what)
{
    return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

// Checks one file and prints its lines; true when it fails the check.
bool CheckFile(const std::string& path, bool warningsAreErrors, std::FILE* out, const ProblemText::Translate& translate)
{
    SourceNotes notes;
    std::string error;
    const auto scene = ReadLevelFile(path, error, {&notes, nullptr});
    if (!scene) {
        std::fprintf(out, "%s: error: %s\n", path.c_str(), error.c_str());
        return true;
    }
    std::vector<Problem> problems = CheckLevel(*scene, &notes, WhyImageUnreadable);
    std::stable_sort(problems.begin(), problems.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    static const char* const kSeverityWords[] = {"error", "warning", "info"};
    std::size_t counts[3] = {};
    for (const Problem& problem : problems) {
        const auto severity = static_cast<std::size_t>(problem.severity);
        ++counts[severity];
        std::fprintf(out, "%s:%d: %s: %s [%s]\n", path.c_str(), problem.line, kSeverityWords[severity],
                     problem.message.Shown(translate).c_str(), problem.id);
    }
    const std::size_t errors = counts[static_cast<std::size_t>(Severity::Error)];
    const std::size_t warnings = counts[static_cast<std::size_t>(Severity::Warning)];
    if (errors + warnings == 0)
        std::fprintf(out, "%s: OK\n", path.c_str());
    else
        std::fprintf(out, "%s: %s, %s\n", path.c_str(), Count(errors, "error").c_str(),
                     Count(warnings, "warning").c_str());
    return errors > 0 || (warningsAreErrors && warnings > 0);
}

} // namespace

std::string WhyImageUnreadable(const std::string& path)
{
    return CheckImageFile(path, kLargestImageSide);
}

CheckCommand ParseCheckArguments(int count, char** arguments)
{
    CheckCommand command;
    bool options = true;
    for (int i = 0; i < count && command.error.empty(); ++i) {
        const char* argument = arguments[i];
        if (options && std::strcmp(argument, "--") == 0)
            options = false;
        else if (options && std::strcmp(argument, "--werror") == 0)
            command.warningsAreErrors = true;
        else if (options && argument[0] == '-' && argument[1] != '\0')
            command.error = std::string("unknown option ") + argument;
        else
            command.paths.emplace_back(argument);
    }
    if (command.error.empty() && command.paths.empty())
        command.error = "--check needs at least one level file";
    return command;
}

int CheckLevelFiles(const CheckCommand& command, std::FILE* out, const ProblemText::Translate& translate)
{
    bool failed = false;
    for (const std::string& path : command.paths)
        failed = CheckFile(path, command.warningsAreErrors, out, translate) || failed;
    return failed ? 1 : 0;
}
